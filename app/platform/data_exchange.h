// Moves values between a dialog's controls and the members of its class, in
// both directions, and checks them on the way out of the dialog.
//
// A dialog lists its fields once, in DoDataExchange, each exchange followed
// by its checks:
//
//   dx.Text(IDC_SOURCE_LOCALE, source_locale_);
//   dx.MaxChars(source_locale_, 5);
//   dx.Int(IDC_X, x_);
//   dx.MinMaxInt(x_, -999, 9999);
//
// When the dialog opens, the exchange fills the controls (and a MaxChars
// limits what can be typed). When the user presses OK, it reads them back
// and stops at the first value that fails its check: the user sees why in a
// message box, and the focus goes to that field with its text selected, so
// the dialog stays open for a correction.

#ifndef TARVENNA_APP_PLATFORM_DATA_EXCHANGE_H_
#define TARVENNA_APP_PLATFORM_DATA_EXCHANGE_H_

#include <string>

#include <wx/string.h>

class wxTextCtrl;
class wxWindow;

class CDataExchange {
 public:
  CDataExchange(wxWindow* dialog, bool save_and_validate);

  bool IsSaving() const { return saving_; }
  bool Failed() const { return failed_; }

  // A text field. TM texts are held as windows-1252 bytes; paths and other
  // texts that never reach a TM as wxString.
  void Text(int control_id, std::string& value);
  void Text(int control_id, wxString& value);

  // An integer field: an optional sign and digits, blanks around them
  // allowed. Values beyond int's range are kept at its limits, so that the
  // range check that follows names the allowed range.
  void Int(int control_id, int& value);

  // Checks of the field exchanged just before.
  void MaxChars(const std::string& value, int max_chars);
  void MaxChars(const wxString& value, int max_chars);
  void MinMaxInt(int value, int min_value, int max_value);

 private:
  // The text control `control_id`, which becomes the last control.
  wxTextCtrl* TextControl(int control_id);
  wxTextCtrl* LastControl() const;
  void Fail(const wxString& message);
  void LimitOrCheckLength(size_t length, int max_chars);

  wxWindow* dialog_;
  bool saving_;
  bool failed_ = false;
  int last_control_ = 0;
};

#endif  // TARVENNA_APP_PLATFORM_DATA_EXCHANGE_H_
