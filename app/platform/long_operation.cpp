#include "long_operation.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

#include "resource_strings.h"

namespace {

void ShowStatusText(wxFrame* frame, const wxString& text) {
  if (frame && frame->GetStatusBar()) frame->SetStatusText(text, 0);
}

}  // namespace

CLongOperation::CLongOperation(wxFrame* frame, int status_text_id)
    : frame_(frame), text_(LoadResourceString(status_text_id)) {
  if (frame_) {
    frame_->Refresh();
    frame_->Update();
  }
  wxBeginBusyCursor();
  ShowStatusText(frame_, text_);
}

CLongOperation::~CLongOperation() {
  input_off_.reset();
  ShowStatusText(frame_, LoadResourceString(IDS_IDLE_MESSAGE));
  wxEndBusyCursor();
}

void CLongOperation::Progress(int32_t done) {
  // Only work that runs long enough to report progress shuts the input off.
  if (!input_off_) input_off_ = std::make_unique<wxWindowDisabler>();
  ShowStatusText(frame_, wxString::Format(LoadResourceString(IDS_PROGRESS),
                                          text_, static_cast<int>(done)));
  if (wxTheApp) wxTheApp->Yield(true);
}

std::function<void(int32_t)> CLongOperation::ProgressCallback() {
  return [this](int32_t done) { Progress(done); };
}
