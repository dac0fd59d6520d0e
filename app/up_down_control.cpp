#include "up_down_control.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

namespace {

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 60;

}  // namespace

CUpDownControl::CUpDownControl(wxWindow* parent, wxWindowID id,
                               wxTextCtrl* buddy, int width)
    : buddy_(buddy), repeat_(this) {
  const wxRect field = buddy->GetRect();
  Create(parent, id, wxPoint(field.GetRight() + 1 - width, field.y),
         wxSize(width, field.height), wxBORDER_NONE);
  buddy->SetSize(field.width - width, field.height);
  MoveAfterInTabOrder(buddy);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetCanFocus(false);

  Bind(wxEVT_PAINT, &CUpDownControl::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CUpDownControl::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &CUpDownControl::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CUpDownControl::OnLeftUp, this);
  Bind(wxEVT_TIMER, &CUpDownControl::OnRepeat, this);
  buddy_->Bind(wxEVT_KEY_DOWN, &CUpDownControl::OnBuddyKey, this);
}

wxSize CUpDownControl::DoGetBestSize() const { return GetSize(); }

void CUpDownControl::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
  SetPos(position_);
}

void CUpDownControl::SetPos(int position) {
  position_ = std::clamp(position, lower_, upper_);
  // Setting the text leaves the buddy unmodified, as the user typed nothing.
  buddy_->ChangeValue(wxString::Format("%d", position_));
}

void CUpDownControl::Step(int delta) { SetPos(position_ + delta); }

void CUpDownControl::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
  dc.Clear();
  const wxSize size = GetClientSize();
  const int half = size.y / 2;
  wxRendererNative& renderer = wxRendererNative::Get();
  const wxRect up(0, 0, size.x, half);
  const wxRect down(0, half, size.x, size.y - half);
  renderer.DrawPushButton(this, dc, up, pressed_ > 0 ? int{wxCONTROL_PRESSED} : 0);
  renderer.DrawPushButton(this, dc, down, pressed_ < 0 ? int{wxCONTROL_PRESSED} : 0);

  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT)));
  const int w = std::max(2, size.x / 4);
  const int h = std::max(1, w / 2);
  for (int sign : {-1, 1}) {  // the up arrow points up, the down arrow down
    const wxRect& cell = sign < 0 ? up : down;
    const wxPoint c(cell.x + cell.width / 2, cell.y + cell.height / 2);
    const wxPoint arrow[] = {wxPoint(c.x - w, c.y - sign * h),
                             wxPoint(c.x + w, c.y - sign * h),
                             wxPoint(c.x, c.y + sign * h)};
    dc.DrawPolygon(3, arrow);
  }
}

void CUpDownControl::OnLeftDown(wxMouseEvent& event) {
  pressed_ = event.GetY() < GetClientSize().y / 2 ? 1 : -1;
  Step(pressed_);
  CaptureMouse();
  repeat_.StartOnce(kFirstRepeatMs);
  Refresh();
}

void CUpDownControl::OnLeftUp(wxMouseEvent&) {
  if (HasCapture()) ReleaseMouse();
  repeat_.Stop();
  pressed_ = 0;
  Refresh();
}

void CUpDownControl::OnRepeat(wxTimerEvent&) {
  if (pressed_ == 0) return;
  Step(pressed_);
  repeat_.StartOnce(kRepeatMs);
}

void CUpDownControl::OnBuddyKey(wxKeyEvent& event) {
  switch (event.GetKeyCode()) {
    case WXK_UP:
    case WXK_NUMPAD_UP:
      Step(1);
      break;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
      Step(-1);
      break;
    default:
      event.Skip();
  }
}
