// CUpDownControl: a pair of arrows beside a numeric edit field, its buddy.
// The arrows and the Up and Down keys in the buddy step the position by one
// within its range, and the buddy shows the position as decimal text. It
// takes the buddy's right end for itself, the buddy narrowing by as much.
//
// GTK's own spin button is far wider than a form's narrow threshold field
// and lays its buttons side by side; these arrows are drawn to fit.

#ifndef TARVENNA_APP_UP_DOWN_CONTROL_H_
#define TARVENNA_APP_UP_DOWN_CONTROL_H_

#include <wx/control.h>
#include <wx/timer.h>

class wxTextCtrl;

class CUpDownControl : public wxControl {
 public:
  // Takes `width` pixels off the right end of `buddy`.
  CUpDownControl(wxWindow* parent, wxWindowID id, wxTextCtrl* buddy, int width);

  void SetRange(int lower, int upper);
  // Clamps `position` to the range and shows it in the buddy.
  void SetPos(int position);
  int GetPos() const { return position_; }

  // The keyboard stays in the buddy; the arrows are for the mouse.
  bool AcceptsFocus() const override { return false; }

 protected:
  wxSize DoGetBestSize() const override;

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnRepeat(wxTimerEvent& event);
  void OnBuddyKey(wxKeyEvent& event);
  void Step(int delta);

  wxTextCtrl* buddy_;
  int lower_ = 0;
  int upper_ = 100;
  int position_ = 0;
  int pressed_ = 0;  // +1 up arrow held, -1 down arrow held, 0 none
  wxTimer repeat_;
};

#endif  // TARVENNA_APP_UP_DOWN_CONTROL_H_
