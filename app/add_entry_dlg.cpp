#include "add_entry_dlg.h"

#include <wx/button.h>
#include <wx/textctrl.h>

#include "resource_ids.h"

namespace {

constexpr int kMinCoordinate = -999;
constexpr int kMaxCoordinate = 9999;

}  // namespace

CAddEntryDlg::CAddEntryDlg(wxWindow* parent)
    : CTemplateDialog(parent, IDD_ADD_ENTRY) {
  for (int id : {IDC_SOURCE, IDC_TARGET}) {
    if (wxWindow* edit = FindWindow(id)) {
      edit->Bind(wxEVT_KEY_DOWN, &CAddEntryDlg::OnTextKeyDown, this);
    }
  }
}

void CAddEntryDlg::DoDataExchange(CDataExchange& dx) {
  dx.Text(IDC_SOURCE, m_source);
  dx.Text(IDC_TARGET, m_target);
  dx.Text(IDC_ID, m_id);
  dx.Text(IDC_TYPE, m_type);
  struct Coordinate {
    int control;
    int& value;
  };
  for (Coordinate field : {Coordinate{IDC_X, m_x}, Coordinate{IDC_Y, m_y},
                           Coordinate{IDC_CX, m_cx}, Coordinate{IDC_CY, m_cy}}) {
    dx.Int(field.control, field.value);
    dx.MinMaxInt(field.value, kMinCoordinate, kMaxCoordinate);
  }
}

// The source and target hold several lines, yet Enter presses OK as in every
// other field of the dialog; Ctrl+Enter starts a new line.
void CAddEntryDlg::OnTextKeyDown(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if (key != WXK_RETURN && key != WXK_NUMPAD_ENTER) {
    event.Skip();
    return;
  }
  if (event.GetModifiers() == wxMOD_CONTROL) {
    if (auto* edit = dynamic_cast<wxTextCtrl*>(event.GetEventObject())) {
      edit->WriteText("\n");
    }
    return;
  }
  if (event.GetModifiers() == wxMOD_NONE) {
    wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
    ok.SetEventObject(FindWindow(wxID_OK));
    ProcessWindowEvent(ok);
    return;
  }
  event.Skip();
}
