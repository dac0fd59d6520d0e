// Starting another program and letting it run on its own: the caller never
// waits for it, learns nothing of how it ends, and keeps no process or handle
// of it.

#ifndef TARVENNA_APP_PLATFORM_PROCESS_LAUNCHER_H_
#define TARVENNA_APP_PLATFORM_PROCESS_LAUNCHER_H_

#include <string>
#include <vector>

#ifdef _WIN32

// Runs `command_line` (a program and its arguments in Windows' quoting) with
// its console window hidden. Returns 0 once it has started, or the Windows
// error code of the failure.
unsigned long StartHiddenProcess(const std::string& command_line);

#else

// Runs the program argv[0], found on PATH when the name has no slash, with
// the arguments argv[1...] exactly as given: no shell sees them. The program
// runs in a session of its own, with none of the caller's files open beyond
// standard input, output and error, and is never the caller's child once this
// returns, so it leaves no zombie behind. Returns 0 once the program is
// running, or the errno value of the failure (ENOENT when no such program is
// on PATH, EACCES when it may not be run, ...).
int StartDetachedProcess(const std::vector<std::string>& argv);

#endif

#endif  // TARVENNA_APP_PLATFORM_PROCESS_LAUNCHER_H_
