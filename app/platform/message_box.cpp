#include "message_box.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "resource_strings.h"

int AppMessageBox(const wxString& text, long style) {
  // A box shown in the middle of a long operation waits for the user, who
  // should see the usual pointer over it.
  wxBusyCursorSuspender pointer;
  wxWindow* parent = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
  wxMessageDialog box(parent, text, LoadResourceString(IDS_APP_TITLE), style);
  return box.ShowModal();
}

int AppMessageBox(int string_id, long style) {
  return AppMessageBox(LoadResourceString(string_id), style);
}
