// The commands of tarvenna-tm. Each returns the process's exit code:
// 0 done, 1 failed (a message went to standard error), 2 usage error.

#ifndef TARVENNA_TOOLS_CLI_COMMANDS_H_
#define TARVENNA_TOOLS_CLI_COMMANDS_H_

#include "cli_arguments.h"

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int RunNew(const CliArguments& arguments);
int RunInfo(const CliArguments& arguments);
int RunAdd(const CliArguments& arguments);
int RunImport(const CliArguments& arguments);
int RunQuery(const CliArguments& arguments);
int RunExportOpenTag(const CliArguments& arguments);
int RunExportTmx(const CliArguments& arguments);

#endif  // TARVENNA_TOOLS_CLI_COMMANDS_H_
