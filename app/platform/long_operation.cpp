#include "long_operation.h"

#include <wx/frame.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

#include "resource_strings.h"

namespace {

void ShowStatusText(wxFrame* frame, int string_id) {
  if (frame && frame->GetStatusBar()) {
    frame->SetStatusText(LoadResourceString(string_id), 0);
  }
}

}  // namespace

CLongOperation::CLongOperation(wxFrame* frame, int status_text_id)
    : frame_(frame) {
  if (frame_) {
    frame_->Refresh();
    frame_->Update();
  }
  wxBeginBusyCursor();
  ShowStatusText(frame_, status_text_id);
}

CLongOperation::~CLongOperation() {
  ShowStatusText(frame_, IDS_IDLE_MESSAGE);
  wxEndBusyCursor();
}
