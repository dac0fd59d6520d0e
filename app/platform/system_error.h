// The operating system's own text for an error number: errno values on
// POSIX, Windows error codes (GetLastError) on Windows.

#ifndef TARVENNA_APP_PLATFORM_SYSTEM_ERROR_H_
#define TARVENNA_APP_PLATFORM_SYSTEM_ERROR_H_

#include <wx/string.h>

// The calling thread's last error: errno, or GetLastError() on Windows.
unsigned long LastSystemError();

// Empty when the system has no text for the code.
wxString SystemErrorText(unsigned long code);

#endif  // TARVENNA_APP_PLATFORM_SYSTEM_ERROR_H_
