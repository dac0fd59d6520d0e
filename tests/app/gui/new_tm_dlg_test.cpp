// The New TM dialog, driven as the user drives it.

#include <wx/filename.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "gui_test_support.h"
#include "new_tm_dlg.h"
#include "program_fixture.h"
#include "resource_ids.h"

namespace {

class NewTmDlgTest : public StartedProgramTest {
 protected:
  static wxTextCtrl* Edit(wxDialog& dialog, int id) {
    return dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id));
  }
};

TEST_F(NewTmDlgTest, ProposesEnUsToFrFrAndAnUntitledTmInTheHomeFolder) {
  CNewTmDlg dialog;
  wxString source, target, path;
  const int result = RunModalDriven(dialog, [&] {
    source = Edit(dialog, IDC_SOURCE_LOCALE)->GetValue();
    target = Edit(dialog, IDC_TARGET_LOCALE)->GetValue();
    path = Edit(dialog, IDC_TM_PATH)->GetValue();
    ClickButton(&dialog, wxID_OK);
  });
  EXPECT_EQ(wxID_OK, result);
  EXPECT_EQ("New TM", dialog.GetTitle());
  EXPECT_EQ("EN-US", source);
  EXPECT_EQ("FR-FR", target);
  EXPECT_EQ(wxFileName(wxGetHomeDir(), "Untitled.vrx").GetFullPath(), path);
  EXPECT_EQ("EN-US", dialog.m_sourceLocale);
  EXPECT_EQ("FR-FR", dialog.m_targetLocale);
  EXPECT_EQ(path, dialog.m_tmPath);
}

TEST_F(NewTmDlgTest, LocalesAreTypedInUpperCaseAndStopAtFiveCharacters) {
  CNewTmDlg dialog;
  const int result = RunModalDriven(dialog, [&] {
    wxTextCtrl* source = Edit(dialog, IDC_SOURCE_LOCALE);
    source->SetFocus();
    source->SelectAll();
    TypeKeys(&dialog, "en-gb");
    EXPECT_EQ("EN-GB", source->GetValue());

    wxTextCtrl* target = Edit(dialog, IDC_TARGET_LOCALE);
    target->SetFocus();
    target->SelectAll();
    TypeKeys(&dialog, "fr-cax");
    EXPECT_EQ("FR-CA", target->GetValue());
    ClickButton(&dialog, wxID_OK);
  });
  EXPECT_EQ(wxID_OK, result);
  EXPECT_EQ("EN-GB", dialog.m_sourceLocale);
  EXPECT_EQ("FR-CA", dialog.m_targetLocale);
}

TEST_F(NewTmDlgTest, BrowsingReplacesThePathAddsTheExtensionAndFocusesIt) {
  // The file dialog is answered without being shown, and GTK's then only
  // reports files that exist.
  const wxString chosen = wxFileName(temp_dir_, "software").GetFullPath();
  WriteFile(chosen.ToStdString(), "");
  CNewTmDlg dialog;
  RunModalDriven(dialog, [&] {
    Edit(dialog, IDC_SOURCE_LOCALE)->SetFocus();
    wxTEST_DIALOG(ClickButton(&dialog, IDC_BROWSE),
                  ExpectFileDialog("Create/Open TM",
                                   "Tarvenna TM Files (*.vrx)|*.vrx|"
                                   "All Files (*.*)|*.*",
                                   wxFD_SAVE, chosen));
    wxTextCtrl* path = Edit(dialog, IDC_TM_PATH);
    EXPECT_EQ(chosen + ".vrx", path->GetValue());
    EXPECT_EQ(IDC_TM_PATH, FocusedId());
    long from = 0, to = 0;
    path->GetSelection(&from, &to);
    EXPECT_EQ(0, from);
    EXPECT_EQ(path->GetLastPosition(), to);
  });
}

TEST_F(NewTmDlgTest, BrowsingKeepsAnExtensionTheUserTyped) {
  const wxString chosen = wxFileName(temp_dir_, "ui.tm").GetFullPath();
  WriteFile(chosen.ToStdString(), "");
  CNewTmDlg dialog;
  RunModalDriven(dialog, [&] {
    wxTEST_DIALOG(ClickButton(&dialog, IDC_BROWSE),
                  ExpectFileDialog("Create/Open TM",
                                   "Tarvenna TM Files (*.vrx)|*.vrx|"
                                   "All Files (*.*)|*.*",
                                   wxFD_SAVE, chosen));
    EXPECT_EQ(chosen, Edit(dialog, IDC_TM_PATH)->GetValue());
  });
}

TEST_F(NewTmDlgTest, CancellingTheFileDialogLeavesThePathAsItWas) {
  CNewTmDlg dialog;
  RunModalDriven(dialog, [&] {
    Edit(dialog, IDC_TM_PATH)->ChangeValue("/srv/tms/kept.vrx");
    wxTEST_DIALOG(ClickButton(&dialog, IDC_BROWSE),
                  ExpectFileDialog("Create/Open TM",
                                   "Tarvenna TM Files (*.vrx)|*.vrx|"
                                   "All Files (*.*)|*.*",
                                   wxFD_SAVE, wxString()));
    EXPECT_EQ("/srv/tms/kept.vrx", Edit(dialog, IDC_TM_PATH)->GetValue());
  });
}

TEST_F(NewTmDlgTest, ThePathTakesAtMost255Characters) {
  CNewTmDlg dialog;
  RunModalDriven(dialog, [&] {
    wxTextCtrl* path = Edit(dialog, IDC_TM_PATH);
    path->ChangeValue("/" + wxString('a', 253));
    path->SetFocus();
    path->SetInsertionPointEnd();
    TypeKeys(&dialog, "xyz");
    EXPECT_EQ("/" + wxString('a', 253) + "x", path->GetValue());
    ClickButton(&dialog, wxID_OK);
  });
  EXPECT_EQ(255u, dialog.m_tmPath.length());
}

TEST_F(NewTmDlgTest, CancelKeepsTheProposals) {
  CNewTmDlg dialog;
  const int result = RunModalDriven(dialog, [&] {
    Edit(dialog, IDC_SOURCE_LOCALE)->ChangeValue("DE-DE");
    ClickButton(&dialog, wxID_CANCEL);
  });
  EXPECT_EQ(wxID_CANCEL, result);
  EXPECT_EQ("EN-US", dialog.m_sourceLocale);
}

}  // namespace
