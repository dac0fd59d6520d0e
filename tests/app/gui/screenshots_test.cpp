// Saves pictures of the main window, the dialogs and the query form into
// the build folder's screenshots/ so that a person can look them over.

#include <wx/filename.h>

#include "about_box.h"
#include "add_entry_dlg.h"
#include "gui_test_support.h"
#include "new_tm_dlg.h"
#include "program_fixture.h"
#include "resource_ids.h"

#ifndef TARVENNA_SCREENSHOT_DIR
#define TARVENNA_SCREENSHOT_DIR "screenshots"
#endif

namespace {

std::string ShotPath(const char* name) {
  wxFileName::Mkdir(TARVENNA_SCREENSHOT_DIR, wxS_DIR_DEFAULT,
                    wxPATH_MKDIR_FULL);
  return std::string(TARVENNA_SCREENSHOT_DIR) + "/" + name;
}

void ShootDialog(wxDialog& dialog, const char* name) {
  RunModalDriven(dialog, [&] {
    EXPECT_TRUE(SaveScreenshot(&dialog, ShotPath(name))) << name;
  });
}

TEST_F(StartedProgramTest, SavesScreenshotsOfTheWindowsAndDialogs) {
  EXPECT_TRUE(SaveScreenshot(Frame(), ShotPath("main_window.png")));

  CNewTmDlg new_tm;
  ShootDialog(new_tm, "new_tm_dialog.png");
  CAddEntryDlg add_entry;
  ShootDialog(add_entry, "add_entry_dialog.png");
  CAboutBox about;
  ShootDialog(about, "about_box.png");
  // The query form with hits: main_window_with_hits.png, from the view's
  // tests.
}

}  // namespace
