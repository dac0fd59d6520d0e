#include "data_exchange.h"

#include <climits>

#include <wx/debug.h>
#include <wx/textctrl.h>
#include <wx/window.h>

#include "cp1252.h"
#include "message_box.h"
#include "resource_strings.h"

namespace {

bool IsBlank(wxUniChar ch) { return ch == ' ' || ch == '\t'; }

// Reads an optional sign and at least one digit, with blanks allowed around
// them and nothing else; a number beyond int's range becomes INT_MIN or
// INT_MAX.
bool ParseInteger(const wxString& text, int& value) {
  size_t i = 0;
  const size_t n = text.length();
  while (i < n && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  const size_t first_digit = i;
  long long magnitude = 0;
  for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (magnitude <= INT_MAX) {
      magnitude = magnitude * 10 + (text[i].GetValue() - '0');
    }
  }
  if (i == first_digit) return false;
  while (i < n && IsBlank(text[i])) ++i;
  if (i != n) return false;
  const long long signed_value = negative ? -magnitude : magnitude;
  if (signed_value < INT_MIN) {
    value = INT_MIN;
  } else if (signed_value > INT_MAX) {
    value = INT_MAX;
  } else {
    value = static_cast<int>(signed_value);
  }
  return true;
}

}  // namespace

CDataExchange::CDataExchange(wxWindow* dialog, bool save_and_validate)
    : dialog_(dialog), saving_(save_and_validate) {}

wxTextCtrl* CDataExchange::TextControl(int control_id) {
  last_control_ = control_id;
  wxTextCtrl* control = LastControl();
  wxASSERT_MSG(control, wxString::Format("no text control %d", control_id));
  return control;
}

wxTextCtrl* CDataExchange::LastControl() const {
  return dynamic_cast<wxTextCtrl*>(dialog_->FindWindow(last_control_));
}

void CDataExchange::Text(int control_id, std::string& value) {
  if (failed_) return;
  wxTextCtrl* control = TextControl(control_id);
  if (!control) return;
  if (saving_) {
    value = WxToCp1252(control->GetValue());
  } else {
    control->ChangeValue(Cp1252ToWx(value));
  }
}

void CDataExchange::Text(int control_id, wxString& value) {
  if (failed_) return;
  wxTextCtrl* control = TextControl(control_id);
  if (!control) return;
  if (saving_) {
    value = control->GetValue();
  } else {
    control->ChangeValue(value);
  }
}

void CDataExchange::Int(int control_id, int& value) {
  if (failed_) return;
  wxTextCtrl* control = TextControl(control_id);
  if (!control) return;
  if (!saving_) {
    control->ChangeValue(wxString::Format("%d", value));
  } else if (!ParseInteger(control->GetValue(), value)) {
    Fail(LoadResourceString(IDP_PARSE_INT));
  }
}

void CDataExchange::LimitOrCheckLength(size_t length, int max_chars) {
  if (failed_) return;
  if (!saving_) {
    if (wxTextCtrl* control = LastControl()) {
      control->SetMaxLength(static_cast<unsigned long>(max_chars));
    }
  } else if (length > static_cast<size_t>(max_chars)) {
    Fail(FormatResourceString(IDP_PARSE_STRING_SIZE,
                              {wxString::Format("%d", max_chars)}));
  }
}

void CDataExchange::MaxChars(const std::string& value, int max_chars) {
  LimitOrCheckLength(value.size(), max_chars);
}

void CDataExchange::MaxChars(const wxString& value, int max_chars) {
  LimitOrCheckLength(value.length(), max_chars);
}

void CDataExchange::MinMaxInt(int value, int min_value, int max_value) {
  if (failed_ || !saving_) return;
  if (value < min_value || value > max_value) {
    Fail(FormatResourceString(IDP_PARSE_INT_RANGE,
                              {wxString::Format("%d", min_value),
                               wxString::Format("%d", max_value)}));
  }
}

void CDataExchange::Fail(const wxString& message) {
  failed_ = true;
  AppMessageBox(message, wxOK | wxICON_WARNING);
  if (wxTextCtrl* control = LastControl()) {
    control->SetFocus();
    control->SelectAll();
  }
}
