// A long operation as the user sees it. The main window is repainted first,
// so that a dialog that has just closed leaves no trace on it while the work
// runs; then the wait cursor and a status-bar text show until the operation
// object goes out of scope, when the status bar says "Ready" again.
//
//   {
//     CLongOperation busy(frame, IDS_EXPORTING_TMX);
//     store.ExportTmx(..., busy.ProgressCallback());
//   }
//
// Work that reports its progress keeps the window alive: the count joins the
// status text, and the window repaints, while its input stays shut off so
// that nothing else can use the TM meanwhile.

#ifndef TARVENNA_APP_PLATFORM_LONG_OPERATION_H_
#define TARVENNA_APP_PLATFORM_LONG_OPERATION_H_

#include <cstdint>
#include <functional>
#include <memory>

#include <wx/string.h>

class wxFrame;
class wxWindowDisabler;

class CLongOperation {
 public:
  CLongOperation(wxFrame* frame, int status_text_id);
  ~CLongOperation();

  CLongOperation(const CLongOperation&) = delete;
  CLongOperation& operator=(const CLongOperation&) = delete;

  // Shows that `done` lines or entries are done, and lets the window repaint.
  void Progress(int32_t done);
  std::function<void(int32_t)> ProgressCallback();

 private:
  wxFrame* frame_;
  wxString text_;
  std::unique_ptr<wxWindowDisabler> input_off_;
};

#endif  // TARVENNA_APP_PLATFORM_LONG_OPERATION_H_
