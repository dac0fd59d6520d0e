// Runs the GUI tests inside the program's own application object, on the
// display in $DISPLAY (a virtual X server under CTest).

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

#include "tarvenna_app.h"
#include "unexpected_dialog_guard.h"

wxIMPLEMENT_APP_NO_MAIN(CTarvennaApp);

namespace {

// A wx assertion is a fault of the code under test: fail the test that hit
// it rather than stop for a dialog nobody answers.
void FailOnAssert(const wxString& file, int line, const wxString& function,
                  const wxString& condition, const wxString& message) {
  ADD_FAILURE_AT(file.utf8_str(), line)
      << "wx assertion \"" << condition << "\" failed in " << function
      << ": " << message;
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();

  if (!wxEntryStart(argc, argv)) {
    fprintf(stderr, "cannot start wxWidgets: is there a display?\n");
    return 1;
  }
  wxSetAssertHandler(FailOnAssert);
  // Tests close the main window again and again; that must not end the run.
  wxTheApp->SetExitOnFrameDelete(false);
  UnexpectedDialogGuard guard;
  guard.Register();

  const int result = RUN_ALL_TESTS();

  guard.Unregister();
  wxEntryCleanup();
  return result;
}
