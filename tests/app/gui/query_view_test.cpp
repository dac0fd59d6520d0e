// The query view: hits best first with their texts and key, the threshold
// and mode, the Edit commands, and the fields stretching with the window.

#include <algorithm>

#include <wx/clipbrd.h>
#include <wx/filename.h>

#include "first_view_size.h"
#include "platform/resource_strings.h"
#include "result_list.h"
#include "resource_ids.h"
#include "test_support.h"
#include "tm_window_fixture.h"

#ifndef TARVENNA_SCREENSHOT_DIR
#define TARVENNA_SCREENSHOT_DIR "screenshots"
#endif

namespace {

class QueryViewTest : public TmWindowTest {
 protected:
  void SetUp() override {
    TmWindowTest::SetUp();
    Start(MakeTm("query.vrx", {{"Open the file now", "Ouvrir le fichier maintenant"},
                               {"Open the file", "Ouvrir le fichier"},
                               {"open the file", "ouvrir le fichier"},
                               {"the file open", "le fichier ouvert"},
                               {"Close the window", "Fermer la fen\xEAtre"},
                               {"Caf\xE9 au lait, \x80 2", "Caf\xE9 cr\xE8me"}}));
  }

  bool Enabled(int command) const { return IsMenuItemEnabled(command); }
};

TEST_F(QueryViewTest, StartsWithTheTmsCountAndTheDefaults) {
  EXPECT_EQ("6 Entries", Label(IDC_ENTRY_COUNT));
  EXPECT_EQ("0 Match", Label(IDC_MATCH_COUNT));
  EXPECT_EQ("75", Edit(IDC_THRESHOLD)->GetValue());
  EXPECT_TRUE(Lines().empty());
}

TEST_F(QueryViewTest, HitsComeBestFirstAndTheFirstIsShown) {
  RunQuery("Open the file");
  EXPECT_EQ("4 Matches", Label(IDC_MATCH_COUNT));
  EXPECT_EQ((std::vector<wxString>{"100%\tOpen the file", "99%\topen the file",
                                   "98%\tthe file open", "85%\tOpen the file now"}),
            Lines());
  EXPECT_EQ(0, View()->GetResultList()->GetSelection());
  EXPECT_EQ(IDC_RESULTS, FocusedId());
  EXPECT_EQ("Open the file", Edit(IDC_SOURCE)->GetValue());
  EXPECT_EQ("Ouvrir le fichier", Edit(IDC_TARGET)->GetValue());
  EXPECT_EQ("open the file ", Edit(IDC_SOURCE_KEY)->GetValue());

  // Choosing another line shows that hit.
  CResultList* list = View()->GetResultList();
  list->SetSelection(3);
  wxCommandEvent select(wxEVT_LISTBOX, IDC_RESULTS);
  select.SetEventObject(list);
  list->ProcessWindowEvent(select);
  EXPECT_EQ("Ouvrir le fichier maintenant", Edit(IDC_TARGET)->GetValue());
}

TEST_F(QueryViewTest, ThresholdModeAndCounts) {
  struct Case {
    const char* text;
    const char* threshold;
    bool concordance;
    const char* matches;
    size_t lines;
  } cases[] = {
      {"Open the file", "99", false, "2 Matches", 2},
      {"Open the file", "100", false, "1 Match", 1},
      {"window", "75", false, "0 Match", 0},
      {"window", "75", true, "1 Match", 1},
      {"file", "98", true, "4 Matches", 4},
  };
  for (const Case& c : cases) {
    RunQuery(c.text, c.threshold, c.concordance);
    EXPECT_EQ(c.matches, Label(IDC_MATCH_COUNT)) << c.text << " " << c.threshold;
    EXPECT_EQ(c.lines, Lines().size()) << c.text << " " << c.threshold;
  }
  // No hit: the list and the three panes are empty, the focus in the list.
  RunQuery("nothing like it");
  EXPECT_EQ("", Edit(IDC_SOURCE_KEY)->GetValue());
  EXPECT_EQ("", Edit(IDC_SOURCE)->GetValue());
  EXPECT_EQ(IDC_RESULTS, FocusedId());
}

// Texts are windows-1252 in the TM and Unicode on screen, both ways.
TEST_F(QueryViewTest, TextsAreShownAndTypedAsUnicode) {
  RunQuery(wxString::FromUTF8("Caf\xC3\xA9 au lait, \xE2\x82\xAC 2"), "100");
  ASSERT_EQ(1u, Lines().size());
  EXPECT_EQ(wxString::FromUTF8("100%\tCaf\xC3\xA9 au lait, \xE2\x82\xAC 2"), Lines()[0]);
  EXPECT_EQ(wxString::FromUTF8("Caf\xC3\xA9 cr\xC3\xA8me"), Edit(IDC_TARGET)->GetValue());
  EXPECT_EQ("caf au lait ", Edit(IDC_SOURCE_KEY)->GetValue());
}

// A hit whose source has no key words (its key record says otherwise, as
// in a TM some other tool wrote) shows "<empty>" as its key.
TEST_F(TmWindowTest, HitWithoutKeyWordsShowsAnEmptyKey) {
  const std::string tm = MakeTm("foreign.vrx", {{"Open", "Ouvrir"}});
  Bytes bytes = ReadBytes(tm);
  std::copy_n("1234", 4, bytes.begin() + 84);  // the source, after its length
  WriteBytes(tm, bytes);
  Start(tm);
  RunQuery("Open");
  ASSERT_EQ((std::vector<wxString>{"99%\t1234"}), Lines());
  EXPECT_EQ(LoadResourceString(IDS_KEY_EMPTY), Edit(IDC_SOURCE_KEY)->GetValue());
}

// Leaving the threshold field takes what was typed, within 1 to 100, and
// queries again.
TEST_F(QueryViewTest, TypedThresholdIsClampedWhenLeft) {
  Edit(IDC_QUERY_TEXT)->ChangeValue("Open the file");
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {{"150", "100"}, {"0", "1"}, {"-5", "1"}, {"abc", "1"}, {"75abc", "75"},
               {" 99", "99"}};
  for (const auto& c : cases) {
    wxTextCtrl* threshold = Edit(IDC_THRESHOLD);
    threshold->SetFocus();
    PumpEvents();
    threshold->ChangeValue(c.typed);
    threshold->MarkDirty();
    Edit(IDC_QUERY_TEXT)->SetFocus();  // leaves the field
    PumpUntil([&] { return threshold->GetValue() == c.shown; });
    PumpEvents();
    EXPECT_EQ(c.shown, threshold->GetValue()) << c.typed;
    EXPECT_EQ(atoi(c.shown), Doc()->GetStore().Threshold()) << c.typed;
  }
  EXPECT_EQ("2 Matches", Label(IDC_MATCH_COUNT));  // the last query ran at 99
}

TEST_F(QueryViewTest, ConcordanceClickQueriesAgain) {
  RunQuery("window");
  EXPECT_EQ("0 Match", Label(IDC_MATCH_COUNT));
  auto* box = dynamic_cast<wxCheckBox*>(View()->FindWindow(IDC_CONCORDANCE));
  box->SetValue(true);
  wxCommandEvent click(wxEVT_CHECKBOX, IDC_CONCORDANCE);
  click.SetEventObject(box);
  box->ProcessWindowEvent(click);
  EXPECT_EQ("1 Match", Label(IDC_MATCH_COUNT));
}

TEST_F(QueryViewTest, EnterInTheQueryFieldQueries) {
  Edit(IDC_QUERY_TEXT)->ChangeValue("Open the file");
  Edit(IDC_QUERY_TEXT)->SetFocus();
  FocusTopLevel(Frame());
  Edit(IDC_QUERY_TEXT)->SetFocus();
  PumpEvents();
  PressKey(Frame(), WXK_RETURN);
  EXPECT_EQ("4 Matches", Label(IDC_MATCH_COUNT));
}

TEST_F(QueryViewTest, EditCommandsFollowTheFocus) {
  RunQuery("Open the file");
  // The list has the focus: nothing to edit.
  for (int command : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO}) {
    EXPECT_FALSE(Enabled(command)) << command;
  }
  // A read-only pane with a selection: only Copy.
  wxTextCtrl* pane = Edit(IDC_TARGET);
  pane->SetFocus();
  pane->SetSelection(0, 5);
  PumpEvents();
  EXPECT_TRUE(Enabled(ID_EDIT_COPY));
  EXPECT_FALSE(Enabled(ID_EDIT_CUT));
  EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
  EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
  ChooseCommand(ID_EDIT_COPY);

  // The query field: Cut with a selection, Paste with text to paste.
  wxTextCtrl* query = Edit(IDC_QUERY_TEXT);
  query->SetFocus();
  query->SetSelection(0, 4);
  PumpEvents();
  EXPECT_TRUE(Enabled(ID_EDIT_CUT));
  EXPECT_TRUE(Enabled(ID_EDIT_COPY));
  query->SetSelection(2, 2);
  PumpEvents();
  EXPECT_FALSE(Enabled(ID_EDIT_CUT));
  EXPECT_FALSE(Enabled(ID_EDIT_COPY));
  if (wxTheClipboard->IsSupported(wxDF_TEXT)) {
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    ChooseCommand(ID_EDIT_PASTE);
    EXPECT_EQ("OpOuvrien the file", query->GetValue());
  }
}

TEST_F(QueryViewTest, FieldsStretchWithTheWindow) {
  PumpEvents();
  auto rect = [this](int id) { return View()->FindWindow(id)->GetRect(); };
  const int ids[] = {IDC_QUERY_TEXT, IDC_LOGO, IDC_SOURCE_KEY, IDC_SOURCE,
                     IDC_TARGET,     IDC_RESULTS, IDC_QUERY, IDC_THRESHOLD,
                     IDC_CONCORDANCE};
  std::vector<wxRect> before;
  for (int id : ids) before.push_back(rect(id));

  Frame()->SetSize(Frame()->GetSize() + wxSize(100, 50));
  PumpUntil([&] { return rect(IDC_RESULTS).height == before[5].height + 50; });
  EXPECT_EQ(before[0].x, rect(IDC_QUERY_TEXT).x);
  EXPECT_EQ(before[0].width + 100, rect(IDC_QUERY_TEXT).width);
  EXPECT_EQ(before[1].x + 100, rect(IDC_LOGO).x);
  EXPECT_EQ(before[1].GetSize(), rect(IDC_LOGO).GetSize());
  for (int i : {2, 3, 4}) {
    EXPECT_EQ(before[i].width + 100, rect(ids[i]).width) << ids[i];
    EXPECT_EQ(before[i].height, rect(ids[i]).height) << ids[i];
  }
  EXPECT_EQ(before[5].GetSize() + wxSize(100, 50), rect(IDC_RESULTS).GetSize());
  for (int i : {6, 7, 8}) EXPECT_EQ(before[i], rect(ids[i])) << ids[i];

  // Back to the start: the fields shrink again.
  Frame()->SetSize(Frame()->GetSize() - wxSize(100, 50));
  PumpUntil([&] { return rect(IDC_RESULTS) == before[5]; });
  for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(before[i], rect(ids[i])) << ids[i];
}

TEST_F(QueryViewTest, SavesAScreenshotAfterAQuery) {
  RunQuery("Open the file");
  wxFileName::Mkdir(TARVENNA_SCREENSHOT_DIR, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  EXPECT_TRUE(SaveScreenshot(Frame(), std::string(TARVENNA_SCREENSHOT_DIR) +
                                          "/main_window_with_hits.png"));
}

// Hundreds of thousands of hits would take seconds to list at once: the
// query lists the first and the rest follow while the window stays alive.
TEST_F(TmWindowTest, ManyHitsAreListedWhileTheProgramIdles) {
  Entries entries;
  for (int i = 0; i < 5000; ++i) {
    std::string letters;
    for (int n = i; n > 0 || letters.empty(); n /= 26) letters += static_cast<char>('a' + n % 26);
    entries.emplace_back("common " + letters, "commun");
  }
  Start(MakeTm("many.vrx", entries));
  Edit(IDC_QUERY_TEXT)->ChangeValue("common");
  dynamic_cast<wxCheckBox*>(View()->FindWindow(IDC_CONCORDANCE))->SetValue(true);
  View()->OnQuery();
  EXPECT_TRUE(View()->IsListing());
  EXPECT_LT(View()->GetResultList()->GetLineCount(), 5000u);
  EXPECT_EQ("common ", Edit(IDC_SOURCE)->GetValue().substr(0, 7));
  EXPECT_EQ(5000u, Lines().size());
  EXPECT_EQ("5000 Matches", Label(IDC_MATCH_COUNT));
}

}  // namespace
