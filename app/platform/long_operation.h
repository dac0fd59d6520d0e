// A long operation as the user sees it. The main window is repainted first,
// so that a dialog that has just closed leaves no trace on it while the work
// runs; then the wait cursor and a status-bar text show until the operation
// object goes out of scope, when the status bar says "Ready" again.
//
//   {
//     CLongOperation busy(frame, IDS_EXPORTING_TMX);
//     store.ExportTmx(...);
//   }

#ifndef TARVENNA_APP_PLATFORM_LONG_OPERATION_H_
#define TARVENNA_APP_PLATFORM_LONG_OPERATION_H_

class wxFrame;

class CLongOperation {
 public:
  CLongOperation(wxFrame* frame, int status_text_id);
  ~CLongOperation();

  CLongOperation(const CLongOperation&) = delete;
  CLongOperation& operator=(const CLongOperation&) = delete;

 private:
  wxFrame* frame_;
};

#endif  // TARVENNA_APP_PLATFORM_LONG_OPERATION_H_
