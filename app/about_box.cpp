#include "about_box.h"

#include "resource_ids.h"

CAboutBox::CAboutBox(wxWindow* parent) : CTemplateDialog(parent, IDD_ABOUTBOX) {}
