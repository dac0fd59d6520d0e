// The command line of tarvenna-tm: a command, its positional arguments and
// its options.

#ifndef TARVENNA_TOOLS_CLI_ARGUMENTS_H_
#define TARVENNA_TOOLS_CLI_ARGUMENTS_H_

#include <map>
#include <set>
#include <string>
#include <vector>

struct CliArguments {
  std::string command;
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;  // "--id" -> "ID_OPEN"
  std::set<std::string> flags;                 // "--force"

  bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
  const std::string* Option(const std::string& name) const {
    auto it = options.find(name);
    return it == options.end() ? nullptr : &it->second;
  }
};

// What a command accepts.
struct CliGrammar {
  size_t positionalCount;
  std::set<std::string> valueOptions;  // options followed by a value
  std::set<std::string> flagOptions;   // options standing alone
};

// Splits argv[first..] by `grammar`. Options may come anywhere, as
// "--name value" or "--name=value"; "--" ends the options. False, with a
// reason in `error`, for an unknown option, a missing value or the wrong
// number of positional arguments.
bool ParseCliArguments(int argc, char** argv, int first,
                       const CliGrammar& grammar, CliArguments& arguments,
                       std::string& error);

#endif  // TARVENNA_TOOLS_CLI_ARGUMENTS_H_
