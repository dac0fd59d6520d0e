#include "process_launcher.h"

#ifdef _WIN32

#include <windows.h>

unsigned long StartHiddenProcess(const std::string& command_line) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process = {};
  // CreateProcessA may write into the command line, so it gets a copy.
  std::string writable = command_line;
  if (!CreateProcessA(nullptr, &writable[0], nullptr, nullptr, FALSE,
                      NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                      &process)) {
    return GetLastError();
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

#else  // POSIX

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         access(path.c_str(), X_OK) == 0;
}

// Finds the program as execvp would, but here in the caller, before any
// fork: the child of a program with threads may only make the simplest
// system calls, and a PATH search is not among them.
int FindProgram(const std::string& name, std::string& path) {
  if (name.empty()) return ENOENT;
  if (name.find('/') != std::string::npos) {
    path = name;
    if (IsExecutableFile(path)) return 0;
    return access(path.c_str(), F_OK) == 0 ? EACCES : ENOENT;
  }
  const char* search = std::getenv("PATH");
  const std::string dirs = search ? search : "/usr/local/bin:/usr/bin:/bin";
  int failure = ENOENT;
  std::string::size_type start = 0;
  while (start <= dirs.size()) {
    std::string::size_type end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const std::string dir = dirs.substr(start, end - start);
    const std::string candidate = (dir.empty() ? "." : dir) + "/" + name;
    if (IsExecutableFile(candidate)) {
      path = candidate;
      return 0;
    }
    if (access(candidate.c_str(), F_OK) == 0) failure = EACCES;
    start = end + 1;
  }
  return failure;
}

void ReportToParent(int pipe_fd, int error) {
  ssize_t written;
  do {
    written = write(pipe_fd, &error, sizeof error);
  } while (written < 0 && errno == EINTR);
}

// Closes every file descriptor from 3 up except `keep`, so that the program
// inherits none of ours (X connection, open TM files, sockets).
void CloseInheritedFiles(int keep) {
#if defined(__linux__) && defined(SYS_close_range)
  bool closed = true;
  if (keep > 3) {
    closed = syscall(SYS_close_range, 3u, static_cast<unsigned>(keep - 1),
                     0u) == 0;
  }
  if (closed && syscall(SYS_close_range, static_cast<unsigned>(keep + 1), ~0u,
                        0u) == 0) {
    return;
  }
#endif
  long limit = sysconf(_SC_OPEN_MAX);
  if (limit < 0 || limit > 65536) limit = 65536;
  for (int fd = 3; fd < limit; ++fd) {
    if (fd != keep) close(fd);
  }
}

void ResetSignals() {
  struct sigaction default_action = {};
  default_action.sa_handler = SIG_DFL;
  for (int sig = 1; sig < NSIG; ++sig) sigaction(sig, &default_action, nullptr);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
}

// Runs in the first child: forks the program's process and exits at once, so
// that the program is adopted by init instead of staying our child. Failures
// travel back through `error_pipe`, which closes by itself once the program
// is running (it is close-on-exec).
[[noreturn]] void RunIntermediateChild(const char* program, char* const argv[],
                                       int error_pipe) {
  const pid_t grandchild = fork();
  if (grandchild < 0) {
    ReportToParent(error_pipe, errno);
    _exit(1);
  }
  if (grandchild > 0) _exit(0);
  setsid();
  ResetSignals();
  CloseInheritedFiles(error_pipe);
  execv(program, argv);
  ReportToParent(error_pipe, errno);
  _exit(127);
}

}  // namespace

int StartDetachedProcess(const std::vector<std::string>& argv) {
  if (argv.empty()) return EINVAL;
  std::string program;
  if (const int error = FindProgram(argv[0], program)) return error;

  // Everything the children need is made before the fork.
  std::vector<std::string> args = argv;
  std::vector<char*> arg_pointers;
  for (std::string& arg : args) arg_pointers.push_back(&arg[0]);
  arg_pointers.push_back(nullptr);

  int error_pipe[2];
  if (pipe(error_pipe) != 0) return errno;
  for (int fd : error_pipe) fcntl(fd, F_SETFD, FD_CLOEXEC);

  const pid_t child = fork();
  if (child < 0) {
    const int error = errno;
    close(error_pipe[0]);
    close(error_pipe[1]);
    return error;
  }
  if (child == 0) {
    close(error_pipe[0]);
    RunIntermediateChild(program.c_str(), arg_pointers.data(), error_pipe[1]);
  }

  close(error_pipe[1]);
  // The intermediate child exits at once; reaping it leaves no zombie.
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  // End of file without data: the program is running.
  int error = 0;
  ssize_t got;
  do {
    got = read(error_pipe[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  close(error_pipe[0]);
  return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

#endif  // _WIN32
