// The Help menu's web pages: each command starts the desktop's opener with
// its address, and a failed start shows the system's reason once.

#include <errno.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "gui_test_support.h"
#include "help_links.h"
#include "program_fixture.h"
#include "resource_ids.h"

namespace {

// Puts a stand-in for xdg-open first on PATH for the test.
class HelpLinksTest : public StartedProgramTest {
 protected:
  void SetUp() override {
    StartedProgramTest::SetUp();
    bin_ = TempPath("bin");
    mkdir(bin_.c_str(), 0755);
    report_ = TempPath("opened");
    const char* path = getenv("PATH");
    saved_path_ = path ? path : "";
    setenv("PATH", (bin_ + ":" + saved_path_).c_str(), 1);
  }

  void TearDown() override {
    setenv("PATH", saved_path_.c_str(), 1);
    StartedProgramTest::TearDown();
  }

  // The stand-in writes its arguments, one a line, after their count.
  void InstallOpener(mode_t mode) {
    const std::string opener = bin_ + "/xdg-open";
    std::ofstream(opener)
        << "#!/bin/sh\n"
        << "{ printf '%s\\n' \"$#\"; for a; do printf '%s\\n' \"$a\"; done; }"
        << " > '" << report_ << ".tmp'\n"
        << "mv '" << report_ << ".tmp' '" << report_ << "'\n";
    chmod(opener.c_str(), mode);
  }

  std::string TakeReport() {
    std::string text;
    PumpUntil([&] {
      std::ifstream in(report_);
      if (!in) return false;
      std::stringstream all;
      all << in.rdbuf();
      text = all.str();
      return true;
    }, 10.0);
    std::remove(report_.c_str());
    return text;
  }

  std::string bin_;
  std::string report_;
  std::string saved_path_;
};

TEST_F(HelpLinksTest, EachHelpCommandOpensItsPageWithTheDesktopOpener) {
  InstallOpener(0755);
  struct Case {
    int command;
    const char* address;
  };
  const Case cases[] = {
      {ID_HELP_MAKER_SITE, WebAddressForCommand(ID_HELP_MAKER_SITE)},
      {ID_HELP_MAGAZINE_SITE, "https://multilingual.com/"},
      {ID_HELP_OPENTAG_SPEC, "http://www.opentag.com/"},
      {ID_HELP_TMX_SPEC, "https://www.gala-global.org/tmx-14b"},
  };
  for (const Case& c : cases) {
    ChooseCommand(c.command);
    EXPECT_EQ(std::string("1\n") + c.address + "\n", TakeReport())
        << c.command;
  }
}

TEST_F(HelpLinksTest, TheMakersPageIsTheProjectsReadme) {
  EXPECT_TRUE(wxString(WebAddressForCommand(ID_HELP_MAKER_SITE))
                  .EndsWith("/README.md"));
}

TEST_F(HelpLinksTest, AnOpenerThatCannotStartShowsTheSystemsReasonOnce) {
  struct Case {
    const char* what;
    bool installed;
    int error;
  };
  const Case cases[] = {
      {"no opener on PATH", false, ENOENT},
      {"opener not executable", true, EACCES},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::remove((bin_ + "/xdg-open").c_str());
    if (c.installed) InstallOpener(0644);
    setenv("PATH", bin_.c_str(), 1);  // nothing else to find it in
    bool started = true;
    wxTEST_DIALOG(started = OpenWebPage("https://example.org/"),
                  ExpectMessageBox(std::strerror(c.error), wxICON_WARNING));
    EXPECT_FALSE(started);
  }
}

}  // namespace
