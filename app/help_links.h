// The Help menu's web pages. Each command hands its address to the system's
// own opener, which shows the page in the user's browser; the program neither
// waits for it nor learns whether the page opened.

#ifndef TARVENNA_APP_HELP_LINKS_H_
#define TARVENNA_APP_HELP_LINKS_H_

#include <cstdint>
#include <string>
#include <vector>

// Which system runs the program, as far as opening a page goes.
enum OsPlatform : uint16_t {
  kOsWindowsNt = 1,    // cmd /C "address"
  kOsWin32s = 2,       // start "address"
  kOsWindows9x = 3,    // start "address"
  kOsUnixDesktop = 4,  // xdg-open address
  kOsMacOs = 5,        // open address
};

// Starts the opener with `address`. When it cannot be started, the system's
// text for the error is shown in one message box and the result is false.
bool OpenWebPage(const char* address);

// The platform code of the running system. `version`, when not null,
// receives the system's version value: GetVersion()'s on Windows; elsewhere
// the kernel release, major number in the low byte and minor in the next.
uint16_t GetOsPlatform(uint32_t* version);

// Shows the system's text for error `code` in a message box with an OK
// button; 0 stands for the calling thread's last error.
void ReportSystemError(unsigned long code);

// The platform code of a Windows version value as GetVersion() returns it:
// top bit clear for the NT family; set for Win32s (major version below 4)
// and the Windows 95 family.
uint16_t ClassifyWindowsVersion(uint32_t version);

// The command line that opens `address` through the Windows shell.
std::string WindowsShellCommand(uint16_t platform, const char* address);

// The program and arguments that open `address` on a POSIX desktop: the
// address is one argument, as it is, for no shell ever reads it.
std::vector<std::string> DesktopOpenerArguments(uint16_t platform,
                                                const char* address);

// The address a Help command opens, or null for another command.
const char* WebAddressForCommand(int command);

#endif  // TARVENNA_APP_HELP_LINKS_H_
