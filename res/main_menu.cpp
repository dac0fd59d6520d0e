// Menu 128, the main frame's menu bar.

#include <iterator>

#include "resource_ids.h"
#include "resource_tables.h"

namespace {
using L = MenuResourceLine;
}  // namespace

const MenuResourceLine kMainMenu[] = {
    {L::kPopup, 0, "&File", L::kNone},
    {L::kItem, ID_FILE_NEW, "&New\tCtrl+N", L::kNone},
    {L::kItem, ID_FILE_OPEN, "&Open...\tCtrl+O", L::kNone},
    {L::kSeparator, 0, nullptr, L::kNone},
    {L::kItem, ID_FILE_ADD_ENTRY, "&Add An Entry...", L::kNone},
    {L::kItem, ID_FILE_IMPORT_ENTRIES, "&Import Entries From Text File...",
     L::kNone},
    {L::kSeparator, 0, nullptr, L::kNone},
    {L::kItem, ID_FILE_EXPORT_OPENTAG, "&Export To OpenTag...", L::kNone},
    {L::kItem, ID_FILE_EXPORT_TMX, "Export To &TMX...", L::kNone},
    {L::kSeparator, 0, nullptr, L::kNone},
    // Stands where the recent-file list goes while the list is empty.
    {L::kItem, ID_FILE_MRU_FILE1, "Recent TM", L::kGrayed},
    {L::kSeparator, 0, nullptr, L::kNone},
    {L::kItem, ID_APP_EXIT, "E&xit", L::kNone},

    {L::kPopup, 0, "&Edit", L::kNone},
    {L::kItem, ID_EDIT_UNDO, "&Undo\tCtrl+Z", L::kNone},
    {L::kSeparator, 0, nullptr, L::kNone},
    {L::kItem, ID_EDIT_CUT, "Cu&t\tCtrl+X", L::kNone},
    {L::kItem, ID_EDIT_COPY, "&Copy\tCtrl+C", L::kNone},
    {L::kItem, ID_EDIT_PASTE, "&Paste\tCtrl+V", L::kNone},

    {L::kPopup, 0, "&View", L::kNone},
    {L::kItem, ID_VIEW_TOOLBAR, "&Toolbar", L::kCheckable},
    {L::kItem, ID_VIEW_STATUS_BAR, "&Status Bar", L::kCheckable},

    {L::kPopup, 0, "&Help", L::kNone},
    {L::kItem, ID_HELP_MAKER_SITE, "&ORVEL Vavovazuriv", L::kNone},
    {L::kItem, ID_HELP_MAGAZINE_SITE, "&Multilingual Computing && Technology",
     L::kNone},
    {L::kSeparator, 0, nullptr, L::kNone},
    {L::kItem, ID_HELP_OPENTAG_SPEC, "&OpenTag Format Specifications",
     L::kNone},
    {L::kItem, ID_HELP_TMX_SPEC, "&TMX Format Specifications", L::kNone},
    {L::kSeparator, 0, nullptr, L::kNone},
    {L::kItem, ID_APP_ABOUT, "&About Tarvenna...", L::kNone},
};

const std::size_t kMainMenuLines = std::size(kMainMenu);
