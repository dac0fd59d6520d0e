// Toolbar 128: its buttons in order, each taking the next image of
// bitmap 128 (pictures/toolbar_128.png).

#include <iterator>

#include "resource_ids.h"
#include "resource_tables.h"

const int kMainToolbar[] = {
    ID_FILE_NEW,  ID_FILE_OPEN, ID_SEPARATOR,  ID_FILE_EXPORT_OPENTAG,
    ID_FILE_EXPORT_TMX, ID_SEPARATOR, ID_EDIT_UNDO, ID_EDIT_CUT,
    ID_EDIT_COPY, ID_EDIT_PASTE,
};

const std::size_t kMainToolbarItems = std::size(kMainToolbar);
