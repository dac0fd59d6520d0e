// The Add dialog: its initial values, the checks of its four numbers, and
// the texts it hands back as windows-1252 bytes.

#include <wx/textctrl.h>

#include "add_entry_dlg.h"
#include "gui_test_support.h"
#include "program_fixture.h"
#include "resource_ids.h"

namespace {

class AddEntryDlgTest : public StartedProgramTest {
 protected:
  static wxTextCtrl* Edit(wxDialog& dialog, int id) {
    return dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id));
  }
};

TEST_F(AddEntryDlgTest, OkOnTheUntouchedDialogGivesEmptyTextsAndNoPosition) {
  CAddEntryDlg dialog;
  const int result = RunModalDriven(dialog, [&] {
    for (int id : {IDC_X, IDC_Y, IDC_CX, IDC_CY}) {
      EXPECT_EQ("-1", Edit(dialog, id)->GetValue()) << id;
    }
    ClickButton(&dialog, wxID_OK);
  });
  EXPECT_EQ(wxID_OK, result);
  EXPECT_EQ("Add", dialog.GetTitle());
  EXPECT_EQ("", dialog.m_source);
  EXPECT_EQ("", dialog.m_target);
  EXPECT_EQ("", dialog.m_id);
  EXPECT_EQ("", dialog.m_type);
  EXPECT_EQ(-1, dialog.m_x);
  EXPECT_EQ(-1, dialog.m_y);
  EXPECT_EQ(-1, dialog.m_cx);
  EXPECT_EQ(-1, dialog.m_cy);
}

TEST_F(AddEntryDlgTest, FieldsTravelInOrderWithIdAndTypeApart) {
  CAddEntryDlg dialog;
  RunModalDriven(dialog, [&] {
    Edit(dialog, IDC_SOURCE)->ChangeValue("Save");
    Edit(dialog, IDC_TARGET)->ChangeValue("Enregistrer");
    Edit(dialog, IDC_ID)->ChangeValue("IDS_SAVE");
    Edit(dialog, IDC_TYPE)->ChangeValue("menu");
    Edit(dialog, IDC_X)->ChangeValue("12");
    Edit(dialog, IDC_Y)->ChangeValue(" 34 ");
    Edit(dialog, IDC_CX)->ChangeValue("+50");
    Edit(dialog, IDC_CY)->ChangeValue("-14");
    ClickButton(&dialog, wxID_OK);
  });
  EXPECT_EQ("Save", dialog.m_source);
  EXPECT_EQ("Enregistrer", dialog.m_target);
  EXPECT_EQ("IDS_SAVE", dialog.m_id);
  EXPECT_EQ("menu", dialog.m_type);
  EXPECT_EQ(12, dialog.m_x);
  EXPECT_EQ(34, dialog.m_y);
  EXPECT_EQ(50, dialog.m_cx);
  EXPECT_EQ(-14, dialog.m_cy);
}

TEST_F(AddEntryDlgTest, NumbersOutsideMinus999To9999AreRefusedWithTheField) {
  struct Case {
    int field;
    const char* typed;
    const char* message;  // null: accepted
    int value;
  };
  const char* kRange = "Please enter an integer between -999 and 9999.";
  const char* kNotInteger = "Please enter an integer.";
  const Case cases[] = {
      {IDC_X, "9999", nullptr, 9999},
      {IDC_X, "-999", nullptr, -999},
      {IDC_X, "10000", kRange, 0},
      {IDC_X, "-1000", kRange, 0},
      {IDC_X, "99999999999999", kRange, 0},
      {IDC_X, "", kNotInteger, 0},
      {IDC_X, "12abc", kNotInteger, 0},
      {IDC_X, "-", kNotInteger, 0},
      {IDC_Y, "1 2", kNotInteger, 0},
      {IDC_CX, "10000", kRange, 0},
      {IDC_CY, "x", kNotInteger, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("field ") + std::to_string(c.field) + " typed \"" +
                 c.typed + "\"");
    CAddEntryDlg dialog;
    const int result = RunModalDriven(dialog, [&] {
      Edit(dialog, c.field)->ChangeValue(c.typed);
      if (!c.message) {
        ClickButton(&dialog, wxID_OK);
        return;
      }
      wxTEST_DIALOG(ClickButton(&dialog, wxID_OK),
                    ExpectMessageBox(c.message, wxICON_WARNING));
      EXPECT_TRUE(dialog.IsShown()) << "the dialog stays open";
      EXPECT_EQ(c.field, FocusedId());
      long from = 0, to = 0;
      Edit(dialog, c.field)->GetSelection(&from, &to);
      EXPECT_EQ(0, from);
      EXPECT_EQ(Edit(dialog, c.field)->GetLastPosition(), to);
    });
    if (c.message) {
      EXPECT_EQ(wxID_CANCEL, result);
    } else {
      EXPECT_EQ(wxID_OK, result);
      EXPECT_EQ(c.value, dialog.m_x);
    }
  }
}

TEST_F(AddEntryDlgTest, TheFirstFieldInOrderThatFailsIsTheOneReported) {
  CAddEntryDlg dialog;
  RunModalDriven(dialog, [&] {
    Edit(dialog, IDC_CY)->ChangeValue("abc");
    Edit(dialog, IDC_Y)->ChangeValue("10000");
    wxTEST_DIALOG(ClickButton(&dialog, wxID_OK),
                  ExpectMessageBox(
                      "Please enter an integer between -999 and 9999.",
                      wxICON_WARNING));
    EXPECT_EQ(IDC_Y, FocusedId());
  });
}

TEST_F(AddEntryDlgTest, TextsReachTheTmAsWindows1252Bytes) {
  CAddEntryDlg dialog;
  RunModalDriven(dialog, [&] {
    Edit(dialog, IDC_SOURCE)->ChangeValue(wxString::FromUTF8("Price: 5 € – “net”"));
    Edit(dialog, IDC_TARGET)->ChangeValue(wxString::FromUTF8("Prix : 5 € – « net »"));
    Edit(dialog, IDC_ID)->ChangeValue(wxString::FromUTF8("价格"));
    ClickButton(&dialog, wxID_OK);
  });
  EXPECT_EQ("Price: 5 \x80 \x96 \x93net\x94", dialog.m_source);
  EXPECT_EQ("Prix : 5 \x80 \x96 \xAB net \xBB", dialog.m_target);
  EXPECT_EQ("??", dialog.m_id);
}

TEST_F(AddEntryDlgTest, EnterPressesOkAndCtrlEnterStartsANewLine) {
  CAddEntryDlg dialog;
  const int result = RunModalDriven(dialog, [&] {
    Edit(dialog, IDC_SOURCE)->SetFocus();
    TypeKeys(&dialog, "First line");
    PressKey(&dialog, WXK_RETURN, wxMOD_CONTROL);
    TypeKeys(&dialog, "second line");
    EXPECT_TRUE(dialog.IsModal());
    PressKey(&dialog, WXK_RETURN);
  });
  EXPECT_EQ(wxID_OK, result);
  EXPECT_EQ("First line\nsecond line", dialog.m_source);
}

}  // namespace
