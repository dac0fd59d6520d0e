// The About box (template 100): the product's name, the maker's notice,
// icon and logo.

#ifndef TARVENNA_APP_ABOUT_BOX_H_
#define TARVENNA_APP_ABOUT_BOX_H_

#include "platform/template_dialog.h"

class CAboutBox : public CTemplateDialog {
 public:
  explicit CAboutBox(wxWindow* parent = nullptr);
};

#endif  // TARVENNA_APP_ABOUT_BOX_H_
