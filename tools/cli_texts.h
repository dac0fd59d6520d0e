// The texts tarvenna-tm prints. Those shared with the desktop program are
// word for word the same, so that both report a case alike.

#ifndef TARVENNA_TOOLS_CLI_TEXTS_H_
#define TARVENNA_TOOLS_CLI_TEXTS_H_

namespace cli_text {

constexpr char kTmInUse[] =
    "The TM file is in use by another program.\nClose it there, or wait until "
    "that program has finished with it, and try again.";
constexpr char kAddError[] = "Error adding the new entry.";
constexpr char kAlreadyPresent[] = "This entry exists already.";
constexpr char kEmptyEntry[] = "Empty entry.";
constexpr char kImportFailed[] = "Could not add entries from the file '%s'.";
constexpr char kCannotOpenTm[] =
    "Could not open or create the TM file.\nYou may have specified an "
    "existing read-only file or you may not have write permission in the "
    "specified folder.";
constexpr char kImportSummary[] =
    "The file '%s' has been processed. %d records read:\n   added = %d\n"
    "   empty = %d\n   already in the TM = %d\n   with error = %d.";
constexpr char kTooManyCharacters[] = "Please enter no more than %d characters.";
constexpr char kIntegerBetween[] = "Please enter an integer between %d and %d.";
constexpr char kFileExists[] =
    "The file '%s' already exists.\nUse --force to replace it with a new TM.";
constexpr char kCannotReplace[] = "Could not delete the file '%s'.";
constexpr char kCannotSave[] =
    "Could not save the TM file. The disk may be full or the file read-only; "
    "the TM keeps the entries of its last save.";
constexpr char kExportFailed[] = "Could not export the TM to the file '%s'.";
constexpr char kExportOverTm[] =
    "The file '%s' is the TM itself; choose another file for the export.";

}  // namespace cli_text

#endif  // TARVENNA_TOOLS_CLI_TEXTS_H_
