#include "unexpected_dialog_guard.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>

namespace {
wxDialog* g_allowed_dialog = nullptr;
}  // namespace

int UnexpectedDialogGuard::Enter(wxDialog* dialog) {
  if (dialog == g_allowed_dialog) return wxID_NONE;
  wxString what = dialog->GetTitle();
  if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
    what = box->GetMessage();
  }
  ADD_FAILURE() << "unexpected modal dialog: " << what;
  return wxID_CANCEL;
}

void UnexpectedDialogGuard::Exit(wxDialog*) {}

AllowModalDialog::AllowModalDialog(wxDialog* dialog)
    : previous_(g_allowed_dialog) {
  g_allowed_dialog = dialog;
}

AllowModalDialog::~AllowModalDialog() { g_allowed_dialog = previous_; }
