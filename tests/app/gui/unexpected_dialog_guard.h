// Catches the modal dialogs that no test expects. Such a dialog would wait
// for a user who is not there and hang the suite, so the guard closes it at
// once (as with Cancel) and fails the running test instead.

#ifndef TARVENNA_TESTS_APP_GUI_UNEXPECTED_DIALOG_GUARD_H_
#define TARVENNA_TESTS_APP_GUI_UNEXPECTED_DIALOG_GUARD_H_

#include <wx/modalhook.h>

class wxDialog;

class UnexpectedDialogGuard : public wxModalDialogHook {
 protected:
  int Enter(wxDialog* dialog) override;
  void Exit(wxDialog* dialog) override;
};

// While it lives, lets one dialog through the guard: a test that shows it on
// purpose.
class AllowModalDialog {
 public:
  explicit AllowModalDialog(wxDialog* dialog);
  ~AllowModalDialog();

 private:
  wxDialog* previous_;
};

#endif  // TARVENNA_TESTS_APP_GUI_UNEXPECTED_DIALOG_GUARD_H_
