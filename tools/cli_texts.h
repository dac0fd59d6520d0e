// The texts tarvenna-tm prints. Those it shares with the desktop program come
// from the program's string table, so that both report a case in the same
// words; the few of its own are here.

#ifndef TARVENNA_TOOLS_CLI_TEXTS_H_
#define TARVENNA_TOOLS_CLI_TEXTS_H_

#include <initializer_list>
#include <string>

namespace cli_text {

// String `id` of the string table (a printf format where it takes values).
const char* Shared(int id);

// String `id` with %1, %2, ... replaced by the arguments in order.
std::string WithArguments(int id, std::initializer_list<std::string> arguments);

constexpr char kFileExists[] =
    "The file '%s' already exists.\nUse --force to replace it with a new TM.";
constexpr char kCannotReplace[] = "Could not delete the file '%s'.";

}  // namespace cli_text

#endif  // TARVENNA_TOOLS_CLI_TEXTS_H_
