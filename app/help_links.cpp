#include "help_links.h"

#include <cstdio>

#include <wx/defs.h>

#include "platform/message_box.h"
#include "platform/process_launcher.h"
#include "platform/system_error.h"
#include "resource_ids.h"

#ifdef _WIN32
#include <wx/msw/wrapwin.h>  // windows.h as wx wants it included
#else
#include <errno.h>
#include <sys/utsname.h>
#endif

#ifndef TARVENNA_HOME_PAGE
#define TARVENNA_HOME_PAGE "https://tarvenna.invalid/"
#endif

namespace {

#ifndef _WIN32
// "6.1.0-13-amd64" gives 6 in the low byte and 1 in the next.
uint32_t KernelVersion() {
  struct utsname names;
  if (uname(&names) != 0) return 0;
  unsigned major = 0;
  unsigned minor = 0;
  std::sscanf(names.release, "%u.%u", &major, &minor);
  return (major & 0xFF) | ((minor & 0xFF) << 8);
}
#endif

}  // namespace

uint16_t ClassifyWindowsVersion(uint32_t version) {
  if ((version & 0x80000000u) == 0) return kOsWindowsNt;
  return (version & 0xFF) < 4 ? kOsWin32s : kOsWindows9x;
}

uint16_t GetOsPlatform(uint32_t* version) {
#ifdef _WIN32
#ifdef _MSC_VER
#pragma warning(push)
#pragma warning(disable : 4996)  // GetVersion is deprecated, and still tells
#endif
  const uint32_t value = GetVersion();
#ifdef _MSC_VER
#pragma warning(pop)
#endif
  if (version) *version = value;
  return ClassifyWindowsVersion(value);
#else
  if (version) *version = KernelVersion();
#ifdef __APPLE__
  return kOsMacOs;
#else
  return kOsUnixDesktop;
#endif
#endif
}

std::string WindowsShellCommand(uint16_t platform, const char* address) {
  const std::string quoted = std::string("\"") + address + "\"";
  return platform == kOsWindowsNt ? "cmd /C " + quoted : "start " + quoted;
}

std::vector<std::string> DesktopOpenerArguments(uint16_t platform,
                                                const char* address) {
  return {platform == kOsMacOs ? "open" : "xdg-open", address};
}

bool OpenWebPage(const char* address) {
  const uint16_t platform = GetOsPlatform(nullptr);
#ifdef _WIN32
  const unsigned long error =
      StartHiddenProcess(WindowsShellCommand(platform, address));
  if (error != 0) {
    SetLastError(error);
    ReportSystemError(0);
  }
#else
  const int error =
      StartDetachedProcess(DesktopOpenerArguments(platform, address));
  if (error != 0) {
    errno = error;
    ReportSystemError(0);
  }
#endif
  return error == 0;
}

void ReportSystemError(unsigned long code) {
  if (code == 0) code = LastSystemError();
  AppMessageBox(SystemErrorText(code), wxOK | wxICON_WARNING);
}

const char* WebAddressForCommand(int command) {
  switch (command) {
    case ID_HELP_MAKER_SITE:
      return TARVENNA_HOME_PAGE;
    case ID_HELP_MAGAZINE_SITE:
      return "https://multilingual.com/";
    case ID_HELP_OPENTAG_SPEC:
      return "http://www.opentag.com/";
    case ID_HELP_TMX_SPEC:
      return "https://www.gala-global.org/tmx-14b";
    default:
      return nullptr;
  }
}
