#include "resource_templates.h"

#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/xrc/xmlres.h>

#include "resource_tables.h"

namespace {

wxString ResourceName(int id) { return wxString::Format("%d", id); }

// A label of a template wraps at word boundaries to the width it was given,
// as the templates' texts were written for; wx would let it run on in one
// line past its box.
void WrapLabels(wxWindow* window) {
  for (wxWindow* child : window->GetChildren()) {
    if (auto* label = dynamic_cast<wxStaticText*>(child)) {
      const int width = label->GetSize().x;
      if (width > 0 && label->GetBestSize().x > width) label->Wrap(width);
    }
    WrapLabels(child);
  }
}

}  // namespace

void LoadProgramResources() {
  static bool loaded = false;
  if (loaded) return;
  loaded = true;
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
    wxImage::AddHandler(new wxPNGHandler);
  }
  wxXmlResource::Get()->InitAllHandlers();
  InitTarvennaXmlResources();
}

bool LoadDialogTemplate(wxDialog* dialog, wxWindow* parent, int template_id) {
  if (!wxXmlResource::Get()->LoadDialog(dialog, parent,
                                        ResourceName(template_id))) {
    return false;
  }
  WrapLabels(dialog);
  return true;
}

bool LoadFormTemplate(wxPanel* panel, wxWindow* parent, int template_id) {
  if (!wxXmlResource::Get()->LoadPanel(panel, parent,
                                       ResourceName(template_id))) {
    return false;
  }
  WrapLabels(panel);
  return true;
}

wxBitmap LoadBitmapResource(int id) {
  return wxXmlResource::Get()->LoadBitmap(ResourceName(id));
}

wxIcon LoadIconResource(int id) {
  return wxXmlResource::Get()->LoadIcon(ResourceName(id));
}
