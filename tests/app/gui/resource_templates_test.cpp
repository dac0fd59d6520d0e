// The dialog templates as laid out on screen: each dialog's client area has
// its template's size, every control lies inside it, no two controls that
// take the focus overlap, and Tab visits the fields in the intended order.

#include <wx/button.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/statbmp.h>

#include "about_box.h"
#include "add_entry_dlg.h"
#include "gui_test_support.h"
#include "new_tm_dlg.h"
#include "program_fixture.h"
#include "resource_ids.h"
#include "resource_templates.h"

namespace {

// The controls of a template, in creation (and so Tab) order, and the
// window that holds them.
std::vector<wxWindow*> Controls(wxWindow* client) {
  std::vector<wxWindow*> controls;
  for (wxWindow* child : client->GetChildren()) controls.push_back(child);
  return controls;
}

bool TakesFocus(wxWindow* control) {
  return control->AcceptsFocus() && !dynamic_cast<wxStaticText*>(control) &&
         !dynamic_cast<wxStaticBox*>(control) &&
         !dynamic_cast<wxStaticBitmap*>(control);
}

void ExpectSoundLayout(wxWindow* client, const wxSize& template_dlu,
                       const std::vector<int>& tab_order) {
  const wxSize size = client->ConvertDialogToPixels(template_dlu);
  EXPECT_EQ(size, client->GetClientSize());
  const wxRect area(wxPoint(0, 0), size);
  std::vector<int> focus_order;
  std::vector<wxWindow*> focusable;
  for (wxWindow* control : Controls(client)) {
    EXPECT_TRUE(area.Contains(control->GetRect()))
        << "control " << control->GetId() << " sticks out";
    if (!TakesFocus(control)) continue;
    focus_order.push_back(control->GetId());
    for (wxWindow* other : focusable) {
      EXPECT_FALSE(control->GetRect().Intersects(other->GetRect()))
          << control->GetId() << " overlaps " << other->GetId();
    }
    focusable.push_back(control);
  }
  EXPECT_EQ(tab_order, focus_order);
}

// The panel that holds a dialog's controls.
wxWindow* ClientOf(wxDialog& dialog) { return dialog.GetChildren().front(); }

TEST_F(StartedProgramTest, NewTmTemplateIsLaidOutSoundly) {
  CNewTmDlg dialog;
  ExpectSoundLayout(ClientOf(dialog), wxSize(270, 138),
                    {IDC_SOURCE_LOCALE, IDC_TARGET_LOCALE, IDC_TM_PATH,
                     IDC_BROWSE, wxID_OK, wxID_CANCEL});
}

TEST_F(StartedProgramTest, AddTemplateIsLaidOutSoundly) {
  CAddEntryDlg dialog;
  ExpectSoundLayout(ClientOf(dialog), wxSize(272, 174),
                    {IDC_SOURCE, IDC_TARGET, IDC_ID, IDC_TYPE, IDC_X, IDC_Y,
                     IDC_CX, IDC_CY, wxID_OK, wxID_CANCEL});
}

TEST_F(StartedProgramTest, AboutTemplateIsLaidOutSoundly) {
  CAboutBox dialog;
  ExpectSoundLayout(ClientOf(dialog), wxSize(210, 95), {wxID_OK});
}

// The query form as the view lays it out in the main window; the threshold's
// arrows take no focus, and sit inside their field's former end.
TEST_F(StartedProgramTest, QueryFormIsLaidOutSoundly) {
  wxWindow* form = Frame()->FindWindow(IDC_QUERY_TEXT)->GetParent();
  ExpectSoundLayout(form, wxSize(kQueryFormWidthDlu, kQueryFormHeightDlu),
                    {IDC_QUERY_TEXT, IDC_QUERY, IDC_THRESHOLD, IDC_CONCORDANCE,
                     IDC_SOURCE_KEY, IDC_SOURCE, IDC_TARGET, IDC_RESULTS});
  const wxRect arrows = form->FindWindow(IDC_THRESHOLD_SPIN)->GetRect();
  const wxRect field = form->FindWindow(IDC_THRESHOLD)->GetRect();
  EXPECT_EQ(field.GetRight() + 1, arrows.x);
  EXPECT_EQ(field.y, arrows.y);
  EXPECT_EQ(form->ConvertDialogToPixels(wxSize(29, 0)).x, field.width + arrows.width);
}

}  // namespace
