// Starting a program detached from this one, as the Help links do: the
// arguments arrive untouched, nothing of ours leaks into the program, and no
// child or descriptor of the program stays behind in ours.

#include "process_launcher.h"

#ifndef _WIN32

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

namespace {

class DetachedProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tarvenna-launch-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    dir_ = pattern;
    report_ = dir_ + "/report";
    setenv("TARVENNA_TEST_REPORT", report_.c_str(), 1);
    const char* path = std::getenv("PATH");
    saved_path_ = path ? path : "";
    setenv("PATH", dir_.c_str(), 1);
  }

  void TearDown() override {
    setenv("PATH", saved_path_.c_str(), 1);
    unsetenv("TARVENNA_TEST_REPORT");
    std::system(("rm -rf '" + dir_ + "'").c_str());
  }

  // A program in the test's folder, which is all of PATH during the test.
  void WriteProgram(const std::string& name, const std::string& text,
                    mode_t mode) {
    const std::string path = dir_ + "/" + name;
    std::ofstream(path) << text;
    chmod(path.c_str(), mode);
  }

  // A shell script that writes what it was given to the report file; it
  // writes a temporary file first, so the report appears whole. PATH holds
  // only the test's folder, so the script sets its own.
  void WriteReportingProgram(const std::string& name, const std::string& body) {
    WriteProgram(name,
                 "#!/bin/sh\nPATH=/usr/bin:/bin\n{\n" + body +
                     "\n} > \"$TARVENNA_TEST_REPORT.tmp\"\n"
                     "mv \"$TARVENNA_TEST_REPORT.tmp\" "
                     "\"$TARVENNA_TEST_REPORT\"\n",
                 0755);
  }

  // The report of the started program; the program runs on its own, so the
  // test waits for it, for at most ten seconds.
  std::string WaitForReport() const {
    for (int i = 0; i < 1000; ++i) {
      std::ifstream in(report_);
      if (in) {
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ADD_FAILURE() << "the started program wrote no report";
    return std::string();
  }

  static int OpenDescriptors() {
    int count = 0;
    if (DIR* fds = opendir("/proc/self/fd")) {
      while (readdir(fds)) ++count;
      closedir(fds);
    }
    return count;
  }

  // Processes whose parent is this test, zombies included.
  static int ChildProcesses() {
    int count = 0;
    DIR* proc = opendir("/proc");
    if (!proc) return -1;
    while (dirent* entry = readdir(proc)) {
      std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
      std::string line;
      if (!stat || !std::getline(stat, line)) continue;
      // pid (comm) state ppid ...: the name may hold blanks, so read after
      // its closing parenthesis.
      std::istringstream rest(line.substr(line.rfind(')') + 1));
      char state = 0;
      int ppid = 0;
      rest >> state >> ppid;
      if (ppid == getpid()) ++count;
    }
    closedir(proc);
    return count;
  }

  std::string dir_;
  std::string report_;
  std::string saved_path_;
};

TEST_F(DetachedProcessTest, ArgumentsArriveAsGivenWithoutAShell) {
  WriteReportingProgram(
      "opener", "printf '%s\\n' \"$#\"\nfor a; do printf '%s\\n' \"$a\"; done");
  const std::string canary = dir_ + "/shell-ran";
  const std::string address =
      "https://example.org/a b?x=1&y=$(touch " + canary + ");'\"`touch " +
      canary + "`";

  ASSERT_EQ(0, StartDetachedProcess({"opener", address}));

  EXPECT_EQ("1\n" + address + "\n", WaitForReport());
  EXPECT_NE(0, access(canary.c_str(), F_OK)) << "a shell read the address";
}

TEST_F(DetachedProcessTest, LeavesNoChildAndNoDescriptorBehind) {
  WriteReportingProgram("opener", "echo started");
  const int descriptors_before = OpenDescriptors();

  ASSERT_EQ(0, StartDetachedProcess({"opener"}));
  EXPECT_EQ(descriptors_before, OpenDescriptors());
  // The program is running or done, but in either case not our child, so
  // it can never be our zombie.
  EXPECT_EQ(0, ChildProcesses());
  EXPECT_EQ("started\n", WaitForReport());
  EXPECT_EQ(0, ChildProcesses());
}

TEST_F(DetachedProcessTest, TheProgramInheritsNoneOfOurFilesAndHasItsOwnSession) {
  const int leaky = open("/dev/null", O_RDONLY);  // no close-on-exec
  ASSERT_GE(leaky, 3);
  WriteReportingProgram(
      "opener",
      "if [ -e /proc/$$/fd/" + std::to_string(leaky) +
          " ]; then echo inherited; else echo closed; fi\n"
          "cut -d' ' -f6 /proc/$$/stat");

  ASSERT_EQ(0, StartDetachedProcess({"opener"}));
  const std::string report = WaitForReport();
  close(leaky);

  std::istringstream lines(report);
  std::string file_state;
  long session = 0;
  lines >> file_state >> session;
  EXPECT_EQ("closed", file_state);
  EXPECT_NE(getsid(0), session);
}

TEST_F(DetachedProcessTest, AProgramThatCannotRunGivesTheSystemsErrorNumber) {
  struct Case {
    const char* what;
    const char* name;
    const char* text;
    mode_t mode;
    int error;
  };
  const Case cases[] = {
      {"no such program", "missing", nullptr, 0, ENOENT},
      {"not executable", "plain", "#!/bin/sh\nexit 0\n", 0644, EACCES},
      // Known to exist and executable, so only the exec itself can fail: the
      // error travels back from the started process.
      {"not a program", "garbage", "\x7f" "ELF-but-not-really", 0755, ENOEXEC},
  };
  for (const Case& c : cases) {
    if (c.text) WriteProgram(c.name, c.text, c.mode);
    EXPECT_EQ(c.error, StartDetachedProcess({c.name, "https://example.org/"}))
        << c.what;
  }
  EXPECT_EQ(0, ChildProcesses());
}

}  // namespace

#endif  // _WIN32
