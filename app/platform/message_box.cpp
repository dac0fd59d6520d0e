#include "message_box.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "resource_strings.h"

int AppMessageBox(const wxString& text, long style) {
  wxWindow* parent = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
  wxMessageDialog box(parent, text, LoadResourceString(IDS_APP_TITLE), style);
  return box.ShowModal();
}

int AppMessageBox(int string_id, long style) {
  return AppMessageBox(LoadResourceString(string_id), style);
}
