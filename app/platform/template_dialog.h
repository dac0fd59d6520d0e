// A modal dialog built from a dialog template of the resources, whose fields
// travel through DoDataExchange: into the controls when it opens, out of them
// (with their checks) when the user presses OK. A failed check keeps the
// dialog open.

#ifndef TARVENNA_APP_PLATFORM_TEMPLATE_DIALOG_H_
#define TARVENNA_APP_PLATFORM_TEMPLATE_DIALOG_H_

#include <wx/dialog.h>

#include "data_exchange.h"

class CTemplateDialog : public wxDialog {
 public:
  // `parent` may be null: the main window then owns the dialog while it runs.
  CTemplateDialog(wxWindow* parent, int template_id);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 protected:
  virtual void DoDataExchange(CDataExchange& dx);
};

#endif  // TARVENNA_APP_PLATFORM_TEMPLATE_DIALOG_H_
