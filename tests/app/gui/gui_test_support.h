// Helpers for driving the program's real windows in tests: running the
// event loop, answering modal dialogs, typing and clicking, and taking
// screenshots.

#ifndef TARVENNA_TESTS_APP_GUI_GUI_TEST_SUPPORT_H_
#define TARVENNA_TESTS_APP_GUI_GUI_TEST_SUPPORT_H_

#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

class wxWindow;

// Lets the windows process what is pending: events, idle time, deletions.
void PumpEvents();

// Pumps events until `done` holds, for at most `seconds`.
bool PumpUntil(const std::function<bool()>& done, double seconds = 5.0);

// Runs `dialog` modally, really shown, while `drive` acts on it from inside
// its event loop. A dialog that `drive` leaves open is cancelled. Returns
// what ShowModal returned.
int RunModalDriven(wxDialog& dialog, const std::function<void()>& drive);

// Clicks a button of `window` (by id) as the user would.
void ClickButton(wxWindow* window, int button_id);

// Types `text` with the keyboard into whichever window has the focus, after
// moving the mouse over `window` so that it receives the keys.
void TypeKeys(wxWindow* window, const wxString& text);
void PressKey(wxWindow* window, int key_code, int modifiers = wxMOD_NONE);

// Moves the mouse pointer over `window` and waits until it has the keyboard.
void FocusTopLevel(wxWindow* window);

// The id of the window that has the keyboard focus, or wxID_NONE.
int FocusedId();

// Saves what `window` shows on screen as a PNG file.
bool SaveScreenshot(wxWindow* window, const std::string& png_path);

// Expects a message box with this text and icon, titled with the program's
// name, and answers it with `answer`.
class ExpectMessageBox
    : public wxExpectModalBase<wxMessageDialog, ExpectMessageBox> {
 public:
  ExpectMessageBox(const wxString& text, long icon, int answer = wxID_OK);

 protected:
  int OnInvoked(wxMessageDialog* dialog) const override;

 private:
  wxString text_;
  long icon_;
  int answer_;
};

// Expects a file dialog with this title, filter and mode (wxFD_OPEN or
// wxFD_SAVE), and answers it with `path` and OK, or with Cancel when `path`
// is empty.
class ExpectFileDialog
    : public wxExpectModalBase<wxFileDialog, ExpectFileDialog> {
 public:
  ExpectFileDialog(const wxString& title, const wxString& wildcard,
                   long mode, const wxString& path);

 protected:
  int OnInvoked(wxFileDialog* dialog) const override;

 private:
  wxString title_;
  wxString wildcard_;
  long mode_;
  wxString path_;
};

#endif  // TARVENNA_TESTS_APP_GUI_GUI_TEST_SUPPORT_H_
