#include "template_dialog.h"

#include <wx/debug.h>

#include "resource_templates.h"

CTemplateDialog::CTemplateDialog(wxWindow* parent, int template_id) {
  const bool loaded = LoadDialogTemplate(this, parent, template_id);
  wxASSERT_MSG(loaded, wxString::Format("no dialog template %d", template_id));
  (void)loaded;
}

bool CTemplateDialog::TransferDataToWindow() {
  CDataExchange dx(this, false);
  DoDataExchange(dx);
  return !dx.Failed();
}

bool CTemplateDialog::TransferDataFromWindow() {
  CDataExchange dx(this, true);
  DoDataExchange(dx);
  return !dx.Failed();
}

void CTemplateDialog::DoDataExchange(CDataExchange&) {}
