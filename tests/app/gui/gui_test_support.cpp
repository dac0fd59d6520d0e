#include "gui_test_support.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/image.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "unexpected_dialog_guard.h"

// Xlib last: its macros (Status, None, ...) clash with names in wx headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

void PumpEvents() {
  for (int i = 0; i < 5; ++i) {
    wxTheApp->Yield(true);
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
  }
}

bool PumpUntil(const std::function<bool()>& done, double seconds) {
  const wxLongLong deadline =
      wxGetLocalTimeMillis() + static_cast<long>(seconds * 1000);
  while (!done()) {
    if (wxGetLocalTimeMillis() > deadline) return false;
    PumpEvents();
    wxMilliSleep(5);
  }
  return true;
}

int RunModalDriven(wxDialog& dialog, const std::function<void()>& drive) {
  AllowModalDialog allow(&dialog);
  dialog.CallAfter([&dialog, &drive] {
    PumpUntil([&dialog] { return dialog.IsShownOnScreen(); });
    drive();
    if (dialog.IsModal()) dialog.EndModal(wxID_CANCEL);
  });
  return dialog.ShowModal();
}

void ClickButton(wxWindow* window, int button_id) {
  wxWindow* button = window->FindWindow(button_id);
  ASSERT_NE(nullptr, button) << "no button " << button_id;
  wxCommandEvent click(wxEVT_BUTTON, button_id);
  click.SetEventObject(button);
  button->ProcessWindowEvent(click);
  PumpEvents();
}

void FocusTopLevel(wxWindow* window) {
  auto* top = static_cast<wxTopLevelWindow*>(wxGetTopLevelParent(window));
  wxUIActionSimulator mouse;
  mouse.MouseMove(top->GetScreenRect().GetPosition() + wxPoint(20, 20));
  PumpUntil([top] { return top->IsActive(); }, 2.0);
  PumpEvents();
}

void TypeKeys(wxWindow* window, const wxString& text) {
  FocusTopLevel(window);
  wxUIActionSimulator keyboard;
  keyboard.Text(text.utf8_str());
  PumpEvents();
}

void PressKey(wxWindow* window, int key_code, int modifiers) {
  FocusTopLevel(window);
  wxUIActionSimulator keyboard;
  keyboard.Char(key_code, modifiers);
  PumpEvents();
}

int FocusedId() {
  wxWindow* focus = wxWindow::FindFocus();
  return focus ? focus->GetId() : wxID_NONE;
}

bool SaveScreenshot(wxWindow* window, const std::string& png_path) {
  // Give the X server and GTK time to map and draw the window; nothing
  // tells when the last native control has painted.
  window->Raise();
  for (int i = 0; i < 20; ++i) {
    window->Refresh();
    window->Update();
    PumpEvents();
    wxMilliSleep(25);
  }
  // The picture is read straight from the X server: wxScreenDC keeps the
  // first picture it took and hands it out again after that.
  const wxRect rect = window->GetScreenRect();
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  XImage* shot = XGetImage(display, DefaultRootWindow(display), rect.x, rect.y,
                           static_cast<unsigned>(rect.width),
                           static_cast<unsigned>(rect.height), AllPlanes,
                           ZPixmap);
  bool saved = false;
  if (shot) {
    wxImage picture(rect.width, rect.height);
    for (int y = 0; y < rect.height; ++y) {
      for (int x = 0; x < rect.width; ++x) {
        const unsigned long pixel = XGetPixel(shot, x, y);
        picture.SetRGB(x, y, (pixel & shot->red_mask) >> 16,
                       (pixel & shot->green_mask) >> 8,
                       pixel & shot->blue_mask);
      }
    }
    XDestroyImage(shot);
    saved = picture.SaveFile(png_path, wxBITMAP_TYPE_PNG);
  }
  XCloseDisplay(display);
  return saved;
}

ExpectMessageBox::ExpectMessageBox(const wxString& text, long icon, int answer)
    : text_(text), icon_(icon), answer_(answer) {
  Describe("message box \"" + text + "\"");
}

int ExpectMessageBox::OnInvoked(wxMessageDialog* dialog) const {
  EXPECT_EQ(text_, dialog->GetMessage());
  EXPECT_EQ("Tarvenna", dialog->GetTitle());
  const long icons = wxICON_WARNING | wxICON_INFORMATION | wxICON_ERROR |
                     wxICON_QUESTION;
  EXPECT_EQ(icon_, dialog->GetMessageDialogStyle() & icons)
      << "icon of \"" << text_ << "\"";
  return answer_;
}

ExpectFileDialog::ExpectFileDialog(const wxString& title,
                                   const wxString& wildcard, long mode,
                                   const wxString& path)
    : title_(title), wildcard_(wildcard), mode_(mode), path_(path) {
  Describe("file dialog \"" + title + "\"");
}

int ExpectFileDialog::OnInvoked(wxFileDialog* dialog) const {
  EXPECT_EQ(title_, dialog->GetMessage());
  EXPECT_EQ(wildcard_, dialog->GetWildcard());
  EXPECT_EQ(mode_, dialog->GetWindowStyle() & (wxFD_OPEN | wxFD_SAVE));
  if (path_.empty()) return wxID_CANCEL;
  dialog->SetPath(path_);
  // GTK's chooser takes the path in once it has read the folder, which it
  // does in the background.
  EXPECT_TRUE(PumpUntil([&] { return dialog->GetPath() == path_; }))
      << "the file dialog did not take " << path_;
  return wxID_OK;
}
