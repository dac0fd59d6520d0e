#include "cli_arguments.h"

bool ParseCliArguments(int argc, char** argv, int first,
                       const CliGrammar& grammar, CliArguments& arguments,
                       std::string& error) {
  bool optionsEnded = false;
  for (int i = first; i < argc; ++i) {
    std::string argument = argv[i];
    if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
      arguments.positional.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = argument;
    std::string value;
    bool hasValue = false;
    const size_t equals = argument.find('=');
    if (equals != std::string::npos) {
      name = argument.substr(0, equals);
      value = argument.substr(equals + 1);
      hasValue = true;
    }
    if (grammar.flagOptions.count(name) && !hasValue) {
      arguments.flags.insert(name);
    } else if (grammar.valueOptions.count(name)) {
      if (!hasValue) {
        if (i + 1 >= argc) {
          error = "option " + name + " needs a value";
          return false;
        }
        value = argv[++i];
      }
      arguments.options[name] = value;
    } else {
      error = "unknown option " + argument;
      return false;
    }
  }
  if (arguments.positional.size() != grammar.positionalCount) {
    error = "'" + arguments.command + "' takes " +
            std::to_string(grammar.positionalCount) + " arguments";
    return false;
  }
  return true;
}
