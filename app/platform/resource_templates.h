// The compiled-in dialog templates and pictures (res/tarvenna.xrc), by
// resource number.

#ifndef TARVENNA_APP_PLATFORM_RESOURCE_TEMPLATES_H_
#define TARVENNA_APP_PLATFORM_RESOURCE_TEMPLATES_H_

#include <wx/bitmap.h>
#include <wx/icon.h>

class wxDialog;
class wxPanel;
class wxWindow;

// Makes the templates and pictures available; once per run is enough, more
// calls do nothing.
void LoadProgramResources();

// Creates `dialog` from dialog template `template_id`. False when there is
// no such template.
bool LoadDialogTemplate(wxDialog* dialog, wxWindow* parent, int template_id);

// Creates `panel` from a child-window template (the query form).
bool LoadFormTemplate(wxPanel* panel, wxWindow* parent, int template_id);

wxBitmap LoadBitmapResource(int id);
wxIcon LoadIconResource(int id);

#endif  // TARVENNA_APP_PLATFORM_RESOURCE_TEMPLATES_H_
