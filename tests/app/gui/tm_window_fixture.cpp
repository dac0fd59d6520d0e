#include "tm_window_fixture.h"

#include <wx/button.h>

#include "new_tm_dlg.h"
#include "result_list.h"
#include "resource_ids.h"

std::string TmWindowTest::MakeTm(const std::string& name, const Entries& entries) {
  const std::string path = TempPath(name);
  TmStore store;
  EXPECT_TRUE(store.Open(path.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
  for (const auto& [source, target] : entries) {
    EXPECT_EQ(AddOutcome::kAdded, store.AddEntry(source.c_str(), target.c_str(), "",
                                                 "", -1, -1, -1, -1));
  }
  EXPECT_TRUE(store.SaveIndex());
  return path;
}

void TmWindowTest::Start(const std::string& tm) {
  ASSERT_TRUE(StartProgram(wxString::FromUTF8(tm)));
  ASSERT_NE(nullptr, View());
}

CTarvennaDoc* TmWindowTest::Doc() const {
  return dynamic_cast<CTarvennaDoc*>(App().GetDocument());
}

CTarvennaView* TmWindowTest::View() const {
  return dynamic_cast<CTarvennaView*>(
      Frame()->FindWindow(IDC_QUERY_TEXT)->GetParent());
}

wxTextCtrl* TmWindowTest::Edit(int id) const {
  return dynamic_cast<wxTextCtrl*>(View()->FindWindow(id));
}

wxString TmWindowTest::Label(int id) const {
  return dynamic_cast<wxStaticText*>(View()->FindWindow(id))->GetLabel();
}

void TmWindowTest::RunQuery(const wxString& text, const wxString& threshold,
                            bool concordance) {
  Edit(IDC_QUERY_TEXT)->ChangeValue(text);
  Edit(IDC_THRESHOLD)->ChangeValue(threshold);
  Edit(IDC_THRESHOLD)->MarkDirty();
  dynamic_cast<wxCheckBox*>(View()->FindWindow(IDC_CONCORDANCE))->SetValue(concordance);
  ClickButton(View(), IDC_QUERY);
  PumpUntil([this] { return !View()->IsListing(); });
}

std::vector<wxString> TmWindowTest::Lines() const {
  PumpUntil([this] { return !View()->IsListing(); });
  std::vector<wxString> lines;
  CResultList* list = View()->GetResultList();
  for (size_t i = 0; i < list->GetLineCount(); ++i) lines.push_back(list->GetLineText(i));
  return lines;
}

ExpectDialog<CNewTmDlg> TmWindowTest::NewTmAnswer(const wxString& path,
                                                  const wxString& source,
                                                  const wxString& target) {
  return ExpectDialog<CNewTmDlg>([=](CNewTmDlg* dialog) {
    dialog->m_tmPath = path;
    dialog->m_sourceLocale = source;
    dialog->m_targetLocale = target;
    return wxID_OK;
  });
}
