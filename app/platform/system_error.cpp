#include "system_error.h"

#ifdef _WIN32

#include <wx/msw/wrapwin.h>  // windows.h as wx wants it included

unsigned long LastSystemError() { return GetLastError(); }

wxString SystemErrorText(unsigned long code) {
  char* buffer = nullptr;
  FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM,
                 nullptr, code, LANG_USER_DEFAULT,
                 reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
  wxString text;
  if (buffer) {
    text = wxString(buffer, wxConvLocal);
    LocalFree(buffer);
  }
  return text;
}

#else

#include <errno.h>

#include <cstring>

unsigned long LastSystemError() { return static_cast<unsigned long>(errno); }

wxString SystemErrorText(unsigned long code) {
  // strerror's text is in the user's locale, as the system shows it.
  return wxString(std::strerror(static_cast<int>(code)), wxConvLibc);
}

#endif
