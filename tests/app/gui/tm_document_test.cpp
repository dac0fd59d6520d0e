// The TM commands of the File menu, driven through the real windows: New,
// Open, Add, Import and both exports, with their questions and messages.

#include <unistd.h>

#include <wx/filename.h>

#include "add_entry_dlg.h"
#include "platform/resource_strings.h"
#include "resource_ids.h"
#include "test_support.h"
#include "tm_window_fixture.h"

namespace {

const long kWarning = wxICON_WARNING;
const long kInformation = wxICON_INFORMATION;

wxString Text(int id) { return LoadResourceString(id); }
wxString Text(int id, const wxString& path) {
  return wxString::Format(LoadResourceString(id), path);
}

// The File Open dialog's filter: TMs first, then every file.
wxString OpenWildcard() {
  return LoadDocString(kDocFilterName) + "|*" + LoadDocString(kDocFilterExt) + "|" +
         Text(IDS_ALL_FILES_FILTER) + "|" + wxFileSelectorDefaultWildcardStr;
}

class TmDocumentTest : public TmWindowTest {
 protected:
  bool TmCommandsEnabled() const {
    int enabled = 0;
    for (int command : {ID_FILE_ADD_ENTRY, ID_FILE_IMPORT_ENTRIES,
                        ID_FILE_EXPORT_OPENTAG, ID_FILE_EXPORT_TMX}) {
      enabled += IsMenuItemEnabled(command) ? 1 : 0;
    }
    EXPECT_TRUE(enabled == 0 || enabled == 4) << "the four commands go together";
    return enabled == 4;
  }

  void Add(const std::string& source, const std::string& target,
           const wxString& message = wxString()) {
    auto answer = ExpectDialog<CAddEntryDlg>([=](CAddEntryDlg* dialog) {
      dialog->m_source = source;
      dialog->m_target = target;
      return wxID_OK;
    });
    if (message.empty()) {
      wxTEST_DIALOG(ChooseCommand(ID_FILE_ADD_ENTRY), answer);
    } else {
      wxTEST_DIALOG(ChooseCommand(ID_FILE_ADD_ENTRY), answer,
                    ExpectMessageBox(message, kWarning));
    }
  }

  wxString Title() const { return Frame()->GetTitle(); }
};

TEST_F(TmDocumentTest, NewCreatesATmAndAsksBeforeReplacingAFile) {
  Start();
  EXPECT_FALSE(TmCommandsEnabled());
  const wxString path = TempPath("new.vrx");
  wxTEST_DIALOG(ChooseCommand(ID_FILE_NEW), NewTmAnswer(path, "DE-DE", "FR-CA"));
  EXPECT_EQ("Tarvenna - new.vrx", Title());
  EXPECT_TRUE(TmCommandsEnabled());
  EXPECT_EQ("0 Entry", Label(IDC_ENTRY_COUNT));
  EXPECT_EQ("DE-DE", Doc()->GetStore().SourceLocale());
  Add("Open", "Ouvrir");

  // Kept: the question answered No is a cancelled New, and the TM open
  // stays open, titled with its path.
  wxTEST_DIALOG(ChooseCommand(ID_FILE_NEW), NewTmAnswer(path),
                ExpectMessageBox(Text(IDS_FILE_EXISTS, path), kWarning, wxID_NO));
  EXPECT_EQ("Tarvenna - " + path, Title());
  EXPECT_EQ("1 Entry", Label(IDC_ENTRY_COUNT));

  // Replaced: an empty TM with the dialog's locales takes the file's place.
  wxTEST_DIALOG(ChooseCommand(ID_FILE_NEW), NewTmAnswer(path, "EN-GB", "DE-DE"),
                ExpectMessageBox(Text(IDS_FILE_EXISTS, path), kWarning, wxID_YES));
  EXPECT_EQ("Tarvenna - new.vrx", Title());
  EXPECT_EQ("0 Entry", Label(IDC_ENTRY_COUNT));
  TmStore reader;
  ASSERT_TRUE(reader.Open(path.utf8_str(), true, nullptr, nullptr, nullptr));
  EXPECT_EQ(0, reader.EntryCount());
  EXPECT_EQ("EN-GB", reader.SourceLocale());
  EXPECT_EQ("windows-1252", reader.EncodingName());
}

TEST_F(TmDocumentTest, CancelledNewKeepsWhatWasOpen) {
  Start();
  wxTEST_DIALOG(ChooseCommand(ID_FILE_NEW),
                ExpectDialog<CNewTmDlg>([](CNewTmDlg*) { return wxID_CANCEL; }));
  EXPECT_EQ("Tarvenna - <No Active TM>", Title());
  EXPECT_FALSE(TmCommandsEnabled());
}

// After a TM opened from the command line, New asks for a TM at once.
TEST_F(TmDocumentTest, FirstNewAfterAnOpenShowsTheDialog) {
  Start(MakeTm("start.vrx", {{"Open", "Ouvrir"}}));
  EXPECT_EQ("Tarvenna - start.vrx", Title());
  wxTEST_DIALOG(ChooseCommand(ID_FILE_NEW),
                ExpectDialog<CNewTmDlg>([](CNewTmDlg*) { return wxID_CANCEL; }));
  EXPECT_EQ("Tarvenna - " + wxString(TempPath("start.vrx")), Title());
  EXPECT_TRUE(TmCommandsEnabled());
}

TEST_F(TmDocumentTest, AddShowsEachRefusal) {
  Start(MakeTm("add.vrx", {}));
  struct Case {
    std::string source;
    std::string target;
    int message;  // 0: added, nothing shown
    const char* entries;
  } cases[] = {
      {"Open the file", "Ouvrir le fichier", 0, "1 Entry"},
      {"Save", "Enregistrer", 0, "2 Entries"},
      {"Open the file", "Ouvrir le fichier", IDS_ENTRY_EXISTS, "2 Entries"},
      {"12 ...", "Douze", IDS_EMPTY_ENTRY, "2 Entries"},
      {std::string(5121, 'x'), "Trop long", IDS_ERROR_ADDING_ENTRY, "2 Entries"},
  };
  for (const Case& c : cases) {
    Add(c.source, c.target, c.message ? Text(c.message) : wxString());
    EXPECT_EQ(c.entries, Label(IDC_ENTRY_COUNT)) << c.source.substr(0, 20);
  }
}

TEST_F(TmDocumentTest, ImportReportsWhatBecameOfEachLine) {
  Start(MakeTm("import.vrx", {{"Open", "Ouvrir"}}));
  const std::string input = TempPath("lines.txt");
  WriteFile(input, "Open\tOuvrir\nClose\tFermer\n42\tx\nPrint\tImprimer\tID\tmenu\r\n");
  const wxString question = Text(IDS_IMPORT_EXPLANATION);
  const wxString wildcard = FileDialogWildcard(IDS_IMPORT_FILTER);

  // No: no file dialog, nothing read.
  wxTEST_DIALOG(ChooseCommand(ID_FILE_IMPORT_ENTRIES),
                ExpectMessageBox(question, kInformation, wxID_NO));
  EXPECT_EQ("1 Entry", Label(IDC_ENTRY_COUNT));

  wxTEST_DIALOG(
      ChooseCommand(ID_FILE_IMPORT_ENTRIES),
      ExpectMessageBox(question, kInformation, wxID_YES),
      ExpectFileDialog(Text(IDS_IMPORT_TITLE), wildcard, wxFD_OPEN, input),
      ExpectMessageBox(wxString::Format(Text(IDS_IMPORT_DONE), wxString(input), 4, 2, 1, 1, 0),
                       kInformation));
  EXPECT_EQ("3 Entries", Label(IDC_ENTRY_COUNT));
  EXPECT_EQ(Text(IDS_IDLE_MESSAGE), Frame()->GetStatusBar()->GetStatusText(0));

  // A file gone by the time it is read (the dialog takes names of files
  // that do not exist, but GTK's does not: the test deletes it after).
  const std::string gone = TempPath("gone.txt");
  WriteFile(gone, "Copy\tCopier\n");
  wxTEST_DIALOG(ChooseCommand(ID_FILE_IMPORT_ENTRIES),
                ExpectMessageBox(question, kInformation, wxID_YES),
                ExpectDialog<wxFileDialog>([&](wxFileDialog* dialog) {
                  dialog->SetPath(gone);
                  PumpUntil([&] { return dialog->GetPath() == gone; });
                  std::remove(gone.c_str());
                  return wxID_OK;
                }),
                ExpectMessageBox(Text(IDS_IMPORT_FAILED, gone), kWarning));
  EXPECT_EQ("3 Entries", Label(IDC_ENTRY_COUNT));
}

TEST_F(TmDocumentTest, ExportsEqualTheEnginesOwn) {
  const std::string tm = MakeTm("export.vrx", {{"Open the file", "Ouvrir le fichier"},
                                               {"Caf\xE9 \x80", "\x93Guillemets\x94"}});
  Start(tm);
  const std::string otf = TempPath("out.otf"), tmx = TempPath("out.tmx");
  wxTEST_DIALOG(ChooseCommand(ID_FILE_EXPORT_OPENTAG),
                ExpectFileDialog(Text(IDS_OPENTAG_TITLE),
                                 FileDialogWildcard(IDS_OPENTAG_FILTER), wxFD_SAVE, otf));
  wxTEST_DIALOG(ChooseCommand(ID_FILE_EXPORT_TMX),
                ExpectFileDialog(Text(IDS_TMX_TITLE), FileDialogWildcard(IDS_TMX_FILTER),
                                 wxFD_SAVE, tmx));
  EXPECT_EQ(Text(IDS_IDLE_MESSAGE), Frame()->GetStatusBar()->GetStatusText(0));

  TmStore& store = Doc()->GetStore();
  const std::string otf2 = TempPath("engine.otf"), tmx2 = TempPath("engine.tmx");
  ASSERT_TRUE(store.ExportOpenTag(otf2.c_str(), "Tarvenna", true));
  ASSERT_TRUE(store.ExportTmx(tmx2.c_str(), "Tarvenna", "1.00", true));
  EXPECT_FALSE(ReadBytes(otf).empty());
  EXPECT_EQ(ReadBytes(otf2), ReadBytes(otf));
  EXPECT_EQ(ReadBytes(tmx2), ReadBytes(tmx));
}

TEST_F(TmDocumentTest, ExportOverTheOpenTmIsRefused) {
  const std::string tm = MakeTm("keep.vrx", {{"Open", "Ouvrir"}});
  Start(tm);
  const Bytes before = ReadBytes(tm);
  wxTEST_DIALOG(ChooseCommand(ID_FILE_EXPORT_TMX),
                ExpectFileDialog(Text(IDS_TMX_TITLE), FileDialogWildcard(IDS_TMX_FILTER),
                                 wxFD_SAVE, tm),
                ExpectMessageBox(Text(IDS_EXPORT_OVER_TM, tm), kWarning));
  EXPECT_EQ(before, ReadBytes(tm));
  EXPECT_EQ("1 Entry", Label(IDC_ENTRY_COUNT));
}

// A full disk, as /dev/full gives one (through a name with the extension,
// which the dialog would otherwise add).
TEST_F(TmDocumentTest, ExportThatCannotBeWrittenIsReported) {
  Start(MakeTm("out.vrx", {{"Open", "Ouvrir"}}));
  const std::string nowhere = TempPath("full.otf");
  ASSERT_EQ(0, symlink("/dev/full", nowhere.c_str()));
  wxTEST_DIALOG(ChooseCommand(ID_FILE_EXPORT_OPENTAG),
                ExpectFileDialog(Text(IDS_OPENTAG_TITLE),
                                 FileDialogWildcard(IDS_OPENTAG_FILTER), wxFD_SAVE,
                                 nowhere),
                ExpectMessageBox(Text(IDS_EXPORT_FAILED, nowhere), kWarning));
}

// A file that is not a TM closes the TM open before; the window shows none.
TEST_F(TmDocumentTest, OpeningAFileThatIsNotATm) {
  Start(MakeTm("good.vrx", {{"Open", "Ouvrir"}}));
  RunQuery("Open");
  ASSERT_EQ(1u, Lines().size());
  const std::string text = TempPath("notes.txt");
  WriteFile(text, "Open\tOuvrir\n");
  wxTEST_DIALOG(ChooseCommand(ID_FILE_OPEN),
                ExpectFileDialog(Text(IDS_OPEN_TITLE), OpenWildcard(), wxFD_OPEN, text),
                ExpectMessageBox(Text(IDS_OPEN_OR_CREATE_FAILED), kWarning));
  EXPECT_FALSE(TmCommandsEnabled());
  EXPECT_EQ("0 Entry", Label(IDC_ENTRY_COUNT));
  EXPECT_EQ("0 Match", Label(IDC_MATCH_COUNT));
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ("", Edit(IDC_SOURCE)->GetValue());
  EXPECT_EQ("Tarvenna - <No Active TM>", Title());
  EXPECT_EQ(ToBytes("Open\tOuvrir\n"), ReadBytes(text));
}

// The program ends when the TM it was started on does not open.
TEST_F(TmDocumentTest, ATmOnTheCommandLineThatDoesNotOpenEndsTheProgram) {
  const std::string text = TempPath("notes.txt");
  WriteFile(text, "Open\tOuvrir\n");
  bool started = true;
  wxTEST_DIALOG(started = StartProgram(text),
                ExpectMessageBox(Text(IDS_OPEN_OR_CREATE_FAILED), kWarning));
  EXPECT_FALSE(started);
}

TEST_F(TmDocumentTest, ATmAnotherProgramWritesToIsInUse) {
  const std::string tm = MakeTm("busy.vrx", {{"Open", "Ouvrir"}});
  TmStore other;
  ASSERT_TRUE(other.Open(tm.c_str(), false, nullptr, nullptr, nullptr));
  Start();
  wxTEST_DIALOG(ChooseCommand(ID_FILE_OPEN),
                ExpectFileDialog(Text(IDS_OPEN_TITLE), OpenWildcard(), wxFD_OPEN, tm),
                ExpectMessageBox(Text(IDS_TM_IN_USE), kWarning));
  EXPECT_FALSE(TmCommandsEnabled());
  // Nor may New delete it.
  wxTEST_DIALOG(ChooseCommand(ID_FILE_NEW), NewTmAnswer(tm),
                ExpectMessageBox(Text(IDS_FILE_EXISTS, tm), kWarning, wxID_YES),
                ExpectMessageBox(Text(IDS_TM_IN_USE), kWarning));
  EXPECT_EQ(1, other.EntryCount());
  EXPECT_TRUE(wxFileName::FileExists(tm));
}

}  // namespace
