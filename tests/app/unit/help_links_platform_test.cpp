// The parts of the Help links that differ by system, checked on every
// system: how a Windows version is classified and which command opens a
// page.

#include "help_links.h"

#include <gtest/gtest.h>

#include "resource_ids.h"

namespace {

TEST(HelpLinks, WindowsVersionsAreClassifiedByTopBitAndMajorVersion) {
  struct Case {
    uint32_t version;
    uint16_t platform;
  };
  const Case cases[] = {
      {0x23F00206u, kOsWindowsNt},  // build 9200, 6.2
      {0x00000004u, kOsWindowsNt},  // NT 4 has the top bit clear too
      {0x80000003u, kOsWin32s},     // top bit set, major 3
      {0x80000004u, kOsWindows9x},  // Windows 95
      {0xC0000A04u, kOsWindows9x},  // Windows 98: 4.10
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.platform, ClassifyWindowsVersion(c.version))
        << std::hex << c.version;
  }
}

TEST(HelpLinks, TheWindowsShellGetsTheAddressInDoubleQuotes) {
  EXPECT_EQ("cmd /C \"https://example.org/a b\"",
            WindowsShellCommand(kOsWindowsNt, "https://example.org/a b"));
  EXPECT_EQ("start \"https://example.org/\"",
            WindowsShellCommand(kOsWindows9x, "https://example.org/"));
}

TEST(HelpLinks, ADesktopOpenerGetsTheAddressAsOneUntouchedArgument) {
  const char* address = "https://example.org/?q=a b&c=$(x);'\"";
  EXPECT_EQ((std::vector<std::string>{"xdg-open", address}),
            DesktopOpenerArguments(kOsUnixDesktop, address));
  EXPECT_EQ((std::vector<std::string>{"open", address}),
            DesktopOpenerArguments(kOsMacOs, address));
}

TEST(HelpLinks, EachHelpCommandHasItsOwnWebAddress) {
  std::vector<std::string> seen;
  for (int command : {ID_HELP_MAKER_SITE, ID_HELP_MAGAZINE_SITE,
                      ID_HELP_OPENTAG_SPEC, ID_HELP_TMX_SPEC}) {
    const char* address = WebAddressForCommand(command);
    ASSERT_NE(nullptr, address) << command;
    EXPECT_TRUE(std::string(address).rfind("http", 0) == 0 ||
                std::string(address).rfind("file://", 0) == 0)
        << address;
    seen.push_back(address);
  }
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen.end(), std::adjacent_find(seen.begin(), seen.end()));
  EXPECT_EQ(nullptr, WebAddressForCommand(ID_APP_ABOUT));
}

#ifndef _WIN32
TEST(HelpLinks, OnAPosixDesktopThePlatformCodeNamesTheOpener) {
  uint32_t version = 0;
  const uint16_t platform = GetOsPlatform(&version);
#ifdef __APPLE__
  EXPECT_EQ(kOsMacOs, platform);
#else
  EXPECT_EQ(kOsUnixDesktop, platform);
#endif
  EXPECT_GT(version & 0xFF, 0u) << "the kernel's major version";
}
#endif

}  // namespace
