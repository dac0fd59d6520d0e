#include "tarvenna_doc.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "add_entry_dlg.h"
#include "main_frame.h"
#include "new_tm_dlg.h"
#include "platform/cp1252.h"
#include "platform/long_operation.h"
#include "platform/message_box.h"
#include "platform/resource_strings.h"
#include "resource_ids.h"
#include "same_file.h"
#include "tarvenna_app.h"

namespace {

const char kToolName[] = "Tarvenna";
const char kToolVersion[] = "1.00";
const char kEncoding[] = "windows-1252";

// Paths reach the engine in the file system's own encoding.
std::string FileSystemPath(const wxString& path) {
  const wxCharBuffer bytes = path.fn_str();
  return bytes.data() ? std::string(bytes.data()) : std::string();
}

wxString FromFileSystemPath(const std::string& path) {
  return wxString(path.c_str(), *wxConvFileName);
}

bool FileExists(const wxString& path) {
  std::FILE* probe = std::fopen(FileSystemPath(path).c_str(), "rb");
  if (probe == nullptr) return false;
  std::fclose(probe);
  return true;
}

// A name typed without an extension gets the dialog's default one.
wxString WithDefaultExtension(const wxString& path, const char* extension) {
  wxFileName name(path);
  if (!name.HasExt()) name.SetExt(extension);
  return name.GetFullPath();
}

// Runs a file dialog as the TM commands do: no initial name, no question
// before replacing a file. Empty when cancelled.
wxString ChooseFile(int title_id, int filter_id, const char* extension,
                    long mode) {
  wxFileDialog dialog(wxGetApp().GetMainFrame(), LoadResourceString(title_id),
                      wxEmptyString, wxEmptyString,
                      FileDialogWildcard(filter_id), mode);
  if (dialog.ShowModal() != wxID_OK || dialog.GetPath().empty()) return {};
  return WithDefaultExtension(dialog.GetPath(), extension);
}

wxString FormatString(int id, const wxString& path) {
  return wxString::Format(LoadResourceString(id), path);
}

}  // namespace

struct CTarvennaDoc::ExportKind {
  int title_id;
  int filter_id;
  const char* extension;
  int status_id;
  bool tmx;
};

CTarvennaDoc::CTarvennaDoc() {
  Bind(wxEVT_MENU, &CTarvennaDoc::OnAddEntry, this, WxCommandId(ID_FILE_ADD_ENTRY));
  Bind(wxEVT_MENU, &CTarvennaDoc::OnExportOpenTag, this,
       WxCommandId(ID_FILE_EXPORT_OPENTAG));
  Bind(wxEVT_MENU, &CTarvennaDoc::OnExportTmx, this, WxCommandId(ID_FILE_EXPORT_TMX));
  Bind(wxEVT_MENU, &CTarvennaDoc::OnImportEntries, this,
       WxCommandId(ID_FILE_IMPORT_ENTRIES));
  for (int command : {ID_FILE_ADD_ENTRY, ID_FILE_IMPORT_ENTRIES,
                      ID_FILE_EXPORT_OPENTAG, ID_FILE_EXPORT_TMX}) {
    Bind(wxEVT_UPDATE_UI, &CTarvennaDoc::OnUpdateTmCommand, this,
         WxCommandId(command));
  }
}

bool CTarvennaDoc::OnNewDocument() {
  // The New the program runs at start-up without a TM asks nothing.
  if (first_call_) {
    first_call_ = false;
    ClearPathName();
    return true;
  }
  CNewTmDlg dialog;
  if (dialog.ShowModal() != wxID_OK) {
    EndNewAsCancelled();
    return true;
  }
  const wxString path = dialog.m_tmPath;
  if (FileExists(path) && !ReplaceExistingFile(path)) {
    EndNewAsCancelled();
    return true;
  }
  ClearPathName();
  if (!OpenStore(path, WxToCp1252(dialog.m_sourceLocale).c_str(),
                 WxToCp1252(dialog.m_targetLocale).c_str(), kEncoding)) {
    return false;
  }
  SetPathName(path);
  return true;
}

bool CTarvennaDoc::ReplaceExistingFile(const wxString& path) {
  if (AppMessageBox(FormatString(IDS_FILE_EXISTS, path),
                    wxICON_WARNING | wxYES_NO) != wxID_YES) {
    return false;
  }
  const std::string bytes = FileSystemPath(path);
  // The open TM itself is closed first: a file still open cannot be
  // deleted everywhere, and the store would go on writing to it.
  if (store_.IsOpen() && IsSameFile(bytes, store_.Path())) {
    store_.Close();
    ClearPathName();
    UpdateAllViews();
  }
  // Deleting a TM another program is writing would lose its work.
  TmStore current;
  if (!current.Open(bytes.c_str(), false, nullptr, nullptr, nullptr) &&
      current.InUseByAnother()) {
    AppMessageBox(IDS_TM_IN_USE, wxICON_WARNING);
    return false;
  }
  current.Close();
  std::remove(bytes.c_str());
  return true;
}

void CTarvennaDoc::EndNewAsCancelled() {
  // The framework gave the document its default title for the New; the TM
  // that stays open takes its title back, its path as the store has it.
  if (store_.IsOpen()) SetTitle(FromFileSystemPath(store_.Path()));
}

bool CTarvennaDoc::OnOpenDocument(const wxString& path) {
  const std::string bytes = FileSystemPath(path);
  std::FILE* file = std::fopen(bytes.c_str(), "rb");
  if (file == nullptr) {
    // Nothing to open: the TM open before stays open.
    AppMessageBox(wxString::Format(LoadResourceString(IDS_CANNOT_READ_FILE), path,
                                   wxString(std::strerror(errno))),
                  wxICON_WARNING);
    return false;
  }
  std::fclose(file);
  if (!OpenStore(path, nullptr, nullptr, nullptr)) return false;
  first_call_ = false;
  return true;
}

bool CTarvennaDoc::OpenStore(const wxString& path, const char* sourceLocale,
                             const char* targetLocale, const char* encoding) {
  if (store_.Open(FileSystemPath(path).c_str(), false, sourceLocale, targetLocale,
                  encoding)) {
    return true;
  }
  AppMessageBox(store_.InUseByAnother() ? IDS_TM_IN_USE : IDS_OPEN_OR_CREATE_FAILED,
                wxICON_WARNING);
  // The TM open before has been closed: the document holds none now.
  ClearPathName();
  SetTitle(LoadDocString(kDocName));
  UpdateAllViews();
  return false;
}

void CTarvennaDoc::OnAddEntry(wxCommandEvent&) {
  CAddEntryDlg dialog;
  if (dialog.ShowModal() != wxID_OK) return;
  const AddOutcome outcome = store_.AddEntry(
      dialog.m_source.c_str(), dialog.m_target.c_str(), dialog.m_type.c_str(),
      dialog.m_id.c_str(), dialog.m_x, dialog.m_y, dialog.m_cx, dialog.m_cy);
  switch (outcome) {
    case AddOutcome::kError:
      AppMessageBox(IDS_ERROR_ADDING_ENTRY, wxICON_WARNING);
      break;
    case AddOutcome::kEmpty:
      AppMessageBox(IDS_EMPTY_ENTRY, wxICON_WARNING);
      break;
    case AddOutcome::kAlreadyPresent:
      AppMessageBox(IDS_ENTRY_EXISTS, wxICON_WARNING);
      break;
    case AddOutcome::kAdded:
      break;
  }
  if (!store_.SaveIndex()) ReportSaveFailure();
  UpdateAllViews();
}

void CTarvennaDoc::OnImportEntries(wxCommandEvent&) {
  if (AppMessageBox(IDS_IMPORT_EXPLANATION, wxICON_INFORMATION | wxYES_NO) !=
      wxID_YES) {
    return;
  }
  const wxString path =
      ChooseFile(IDS_IMPORT_TITLE, IDS_IMPORT_FILTER, "txt", wxFD_OPEN);
  if (path.empty()) return;

  CLongOperation busy(wxGetApp().GetMainFrame(), IDS_IMPORTING);
  int32_t read = 0, added = 0, empty = 0, present = 0, failed = 0;
  if (store_.ImportTabDelimited(FileSystemPath(path).c_str(), read, added, empty,
                                present, failed, busy.ProgressCallback())) {
    AppMessageBox(wxString::Format(LoadResourceString(IDS_IMPORT_DONE), path, read,
                                   added, empty, present, failed),
                  wxICON_INFORMATION);
    if (store_.HasUnsavedChanges()) ReportSaveFailure();
  } else {
    AppMessageBox(FormatString(IDS_IMPORT_FAILED, path), wxICON_WARNING);
  }
  UpdateAllViews();
}

void CTarvennaDoc::OnExportOpenTag(wxCommandEvent&) {
  Export({IDS_OPENTAG_TITLE, IDS_OPENTAG_FILTER, "otf", IDS_EXPORTING_OPENTAG, false});
}

void CTarvennaDoc::OnExportTmx(wxCommandEvent&) {
  Export({IDS_TMX_TITLE, IDS_TMX_FILTER, "tmx", IDS_EXPORTING_TMX, true});
}

void CTarvennaDoc::Export(const ExportKind& kind) {
  const wxString path = ChooseFile(kind.title_id, kind.filter_id, kind.extension,
                                   wxFD_SAVE);
  if (path.empty()) return;
  const std::string bytes = FileSystemPath(path);
  // Writing the document over the TM it is read from would destroy the TM.
  if (IsSameFile(bytes, store_.Path())) {
    AppMessageBox(FormatString(IDS_EXPORT_OVER_TM, path), wxICON_WARNING);
    return;
  }
  CLongOperation busy(wxGetApp().GetMainFrame(), kind.status_id);
  const bool exported =
      kind.tmx ? store_.ExportTmx(bytes.c_str(), kToolName, kToolVersion, true,
                                  busy.ProgressCallback())
               : store_.ExportOpenTag(bytes.c_str(), kToolName, true,
                                      busy.ProgressCallback());
  if (!exported) AppMessageBox(FormatString(IDS_EXPORT_FAILED, path), wxICON_WARNING);
}

void CTarvennaDoc::OnUpdateTmCommand(wxUpdateUIEvent& event) {
  event.Enable(store_.IsOpen());
}

void CTarvennaDoc::ReportSaveFailure() {
  AppMessageBox(IDS_SAVE_FAILED, wxICON_WARNING);
}
