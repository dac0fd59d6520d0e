// The string table: every text the program shows, by number.

#include <iterator>

#include "resource_ids.h"
#include "resource_tables.h"

namespace {

constexpr StringResource kStrings[] = {
    {IDR_MAINFRAME,
     "Tarvenna\n<No Active TM>\nVRXDoc\nTarvenna TM Files (*.vrx)\n.vrx\n"
     "Tarvenna.Document\nUntitled.vrx"},
    {IDS_ERROR_ADDING_ENTRY, "Error adding the new entry."},
    {IDS_ENTRY_EXISTS, "This entry exists already."},
    {IDS_EMPTY_ENTRY, "Empty entry."},
    {IDS_IMPORT_FAILED, "Could not add entries from the file '%s'."},
    {IDS_OPEN_OR_CREATE_FAILED,
     "Could not open or create the TM file.\nYou may have specified an "
     "existing read-only file or you may not have write permission in the "
     "specified folder."},
    {IDS_IMPORT_EXPLANATION,
     "This function allows you to add a list of aligned segments in the "
     "active TM.\nThe input file must be tab-delimited, with one entry per "
     "line, with at least Source and Target fields and in the following "
     "format:\n\n   Source<tab>Target[<tab>ID[<tab>Type]]<crlf>\n\nDo you "
     "want to import a file?"},
    {IDS_EXPORTING_OPENTAG, "Exporting to an OpenTag document..."},
    {IDS_EXPORTING_TMX, "Exporting to a TMX document..."},
    {IDS_IMPORTING, "Adding entries from file..."},
    {IDS_FILE_EXISTS,
     "The file '%s' already exists.\nDo you want to overwrite it?"},
    {IDS_IMPORT_DONE,
     "The file '%s' has been processed. %d records read:\n   added = %d\n   "
     "empty = %d\n   already in the TM = %d\n   with error = %d."},
    {IDS_KEY_ERROR, "<error>"},
    {IDS_KEY_EMPTY, "<empty>"},
    {IDS_ONE_MATCH, "%d Match"},
    {IDS_MATCHES, "%d Matches"},
    {IDS_OPENTAG_FILTER,
     "OpenTag Documents (*.otf)|*.otf|All files (*.*)|*.*||"},
    {IDS_OPENTAG_TITLE, "Save As OpenTag"},
    {IDS_TMX_FILTER, "TMX Files (*.tmx)|*.tmx|All files (*.*)|*.*||"},
    {IDS_TMX_TITLE, "Save As TMX"},
    {IDS_IMPORT_FILTER,
     "Tab-Delimited Files (*.tsv, *.txt)|*.tsv;*.txt|All files (*.*)|*.*||"},
    {IDS_IMPORT_TITLE, "Select The Input File"},
    {IDS_TM_FILTER, "Tarvenna TM Files (*.vrx)|*.vrx|All Files (*.*)|*.*||"},
    {IDS_BROWSE_TM_TITLE, "Create/Open TM"},
    {IDS_ONE_ENTRY, "%d Entry"},
    {IDS_ENTRIES, "%d Entries"},
    {IDS_EXPORT_OVER_TM,
     "The file '%s' is the open TM.\nAn export cannot be written over the TM "
     "it comes from; please choose another file."},
    {IDS_EXPORT_FAILED,
     "Could not export the TM to the file '%s'.\nThe disk may be full, or you "
     "may not have write permission in the specified folder."},
    {IDS_TM_IN_USE,
     "The TM file is in use by another program.\nClose it there, or wait "
     "until that program has finished with it, and try again."},
    {IDS_SAVE_FAILED,
     "Could not save the TM file.\nThe disk may be full or the file "
     "read-only; the TM keeps the entries of its last save."},
    {IDS_CANNOT_READ_FILE, "Could not open the file '%s'.\n%s"},
    {IDS_PROGRESS, "%s %d"},
    {ID_FILE_ADD_ENTRY, "Adds an entry to the TM\nAdd"},
    {ID_FILE_EXPORT_TMX, "Exports the TM to TMX\nExport To TMX"},
    {ID_FILE_IMPORT_ENTRIES,
     "Adds entries from a tab-delimited file\nAdd Entries"},
    {ID_HELP_MAKER_SITE, "Goes to the Orvel Web Site"},
    {ID_HELP_MAGAZINE_SITE,
     "Goes to the Multilingual Computing & Technology Web site"},
    {ID_HELP_OPENTAG_SPEC, "Goes to the OpenTag Web site"},
    {ID_HELP_TMX_SPEC, "Goes to the TMX Web site"},
    {IDS_APP_TITLE, "Tarvenna"},
    {IDS_IDLE_MESSAGE, "Ready"},
    {ID_FILE_NEW, "Creates a new TM\nNew (Ctrl+N)"},
    {ID_FILE_OPEN, "Opens an existing TM\nOpen (Ctrl+O)"},
    {ID_FILE_EXPORT_OPENTAG, "Exports the TM to OpenTag\nExport To OpenTag"},
    {ID_FILE_MRU_FILE1 + 0, "Opens this TM"},
    {ID_FILE_MRU_FILE1 + 1, "Opens this TM"},
    {ID_FILE_MRU_FILE1 + 2, "Opens this TM"},
    {ID_FILE_MRU_FILE1 + 3, "Opens this TM"},
    {ID_FILE_MRU_FILE1 + 4, "Opens this TM"},
    {ID_FILE_MRU_FILE1 + 5, "Opens this TM"},
    {ID_FILE_MRU_FILE1 + 6, "Opens this TM"},
    {ID_FILE_MRU_FILE1 + 7, "Opens this TM"},
    {ID_EDIT_COPY, "Copies the selection to the Clipboard\nCopy (Ctrl+C)"},
    {ID_EDIT_CUT,
     "Cuts the selection and moves to the Clipboard\nCut (Ctrl+X)"},
    {ID_EDIT_PASTE,
     "Inserts Clipboard contents at the insertion point\nPaste (Ctrl+V)"},
    {ID_EDIT_UNDO, "Undoes the last editing action\nUndo (Ctrl+Z)"},
    {ID_APP_ABOUT, "Displays application information\nAbout"},
    {ID_APP_EXIT, "Quits the application\nExit"},
    {ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
    {ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},
    {ID_INDICATOR_EXT, "EXT"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {ID_INDICATOR_OVR, "OVR"},
    {ID_VIEW_TOOLBAR, "Shows or hides the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Shows or hides the status bar\nToggle StatusBar"},
    {IDS_SC_SIZE, "Changes the window size"},
    {IDS_SC_MOVE, "Changes the window position"},
    {IDS_SC_MINIMIZE, "Reduces the window to an icon"},
    {IDS_SC_MAXIMIZE, "Enlarges the window to full size"},
    {IDS_SC_NEXT_WINDOW, "Switches to the next document window"},
    {IDS_SC_PREV_WINDOW, "Switches to the previous document window"},
    {IDS_SC_CLOSE, "Closes the application"},
    {IDS_SC_RESTORE, "Restores the window to normal size"},
    {IDS_SC_TASK_LIST, "Activates Task List"},
    {IDS_OPEN_TITLE, "Open"},
    {IDS_ALL_FILES_FILTER, "All Files (*.*)"},
    {IDP_PARSE_INT, "Please enter an integer."},
    {IDP_PARSE_INT_RANGE, "Please enter an integer between %1 and %2."},
    {IDP_PARSE_STRING_SIZE, "Please enter no more than %1 characters."},
};

// Lookups search the table by halves, so it must stay in ascending order
// without repeats; the compiler checks that.
constexpr bool IdsAscend() {
  for (std::size_t i = 1; i < std::size(kStrings); ++i) {
    if (kStrings[i - 1].id >= kStrings[i].id) return false;
  }
  return true;
}
static_assert(IdsAscend(), "string table ids must ascend without repeats");

}  // namespace

const char* FindStringResource(int id) {
  std::size_t low = 0;
  std::size_t high = std::size(kStrings);
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    if (kStrings[mid].id < id) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  if (low < std::size(kStrings) && kStrings[low].id == id) {
    return kStrings[low].text;
  }
  return nullptr;
}

const StringResource* StringTableBegin() { return std::begin(kStrings); }
const StringResource* StringTableEnd() { return std::end(kStrings); }
