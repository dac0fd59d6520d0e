// tarvenna-tm: the TM engine on the command line, for people who script
// their TMs. Texts on the command line and on the terminal are UTF-8; the
// TM holds windows-1252. Files imported and exported are taken as bytes.

#include <cstdio>
#include <cstring>
#include <string>

#include "cli_arguments.h"
#include "cli_commands.h"

namespace {

constexpr char kUsage[] =
    "Usage: tarvenna-tm COMMAND ARGUMENTS\n"
    "\n"
    "  new TM SOURCE-LOCALE TARGET-LOCALE [--force]\n"
    "      Create an empty TM; --force replaces an existing file.\n"
    "  info TM\n"
    "      Show the locales, the encoding and the number of entries.\n"
    "  add TM SOURCE TARGET [--id ID] [--type TYPE] [--pos X,Y,CX,CY]\n"
    "      Add one entry.\n"
    "  import TM FILE\n"
    "      Add the entries of a tab-delimited file, one per line:\n"
    "      Source<TAB>Target[<TAB>ID[<TAB>Type]]\n"
    "  query TM TEXT [--threshold N] [--concordance]\n"
    "      List the entries that match TEXT, best first: percent, source and\n"
    "      target separated by TABs. N is 1 to 100, 75 by default.\n"
    "  export-opentag TM OUT\n"
    "      Write the TM as an OpenTag 1.2 document.\n"
    "  export-tmx TM OUT\n"
    "      Write the TM as a TMX 1.1 document.\n"
    "\n"
    "Exit status: 0 done, 1 failed, 2 usage error.\n";

struct Command {
  const char* name;
  CliGrammar grammar;
  int (*run)(const CliArguments&);
};

const Command kCommands[] = {
    {"new", {3, {}, {"--force"}}, RunNew},
    {"info", {1, {}, {}}, RunInfo},
    {"add", {3, {"--id", "--type", "--pos"}, {}}, RunAdd},
    {"import", {2, {}, {}}, RunImport},
    {"query", {2, {"--threshold"}, {"--concordance"}}, RunQuery},
    {"export-opentag", {2, {}, {}}, RunExportOpenTag},
    {"export-tmx", {2, {}, {}}, RunExportTmx},
};

int UsageError(const std::string& reason) {
  if (!reason.empty()) std::fprintf(stderr, "tarvenna-tm: %s\n\n", reason.c_str());
  std::fputs(kUsage, stderr);
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return UsageError("");
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    std::fputs(kUsage, stdout);
    return kExitOk;
  }
  for (const Command& command : kCommands) {
    if (name != command.name) continue;
    for (int i = 2; i < argc; ++i) {
      if (std::strcmp(argv[i], "--help") == 0) {
        std::fputs(kUsage, stdout);
        return kExitOk;
      }
      if (std::strcmp(argv[i], "--") == 0) break;
    }
    CliArguments arguments;
    arguments.command = name;
    std::string error;
    if (!ParseCliArguments(argc, argv, 2, command.grammar, arguments, error)) {
      return UsageError(error);
    }
    return command.run(arguments);
  }
  return UsageError("unknown command '" + name + "'");
}
