// The checks of dialog data exchange, on a bare dialog: the length check
// that the New TM dialog's typing limits keep the user from reaching.

#include <wx/dialog.h>
#include <wx/textctrl.h>

#include "data_exchange.h"
#include "gui_test_support.h"
#include "program_fixture.h"

namespace {

class LocaleDialog : public wxDialog {
 public:
  LocaleDialog() : wxDialog(nullptr, wxID_ANY, "Locale") {
    edit = new wxTextCtrl(this, kLocaleField, "", wxPoint(10, 10));
  }

  static constexpr int kLocaleField = 1003;
  wxTextCtrl* edit;
  std::string locale = "EN-US";
};

TEST_F(StartedProgramTest, LoadingATextLimitsItsFieldSavingChecksTheLength) {
  LocaleDialog dialog;
  {
    CDataExchange load(&dialog, false);
    load.Text(LocaleDialog::kLocaleField, dialog.locale);
    load.MaxChars(dialog.locale, 5);
    EXPECT_FALSE(load.Failed());
  }
  EXPECT_EQ("EN-US", dialog.edit->GetValue());

  dialog.Show();
  dialog.edit->SetMaxLength(0);  // as text pasted past a limit would be
  dialog.edit->ChangeValue("EN-US-X");
  CDataExchange save(&dialog, true);
  wxTEST_DIALOG(
      {
        save.Text(LocaleDialog::kLocaleField, dialog.locale);
        save.MaxChars(dialog.locale, 5);
      },
      ExpectMessageBox("Please enter no more than 5 characters.",
                       wxICON_WARNING));
  EXPECT_TRUE(save.Failed());
  EXPECT_EQ(LocaleDialog::kLocaleField, FocusedId());
}

}  // namespace
