// Accelerator table 128 of the main frame.

#include <wx/accel.h>
#include <wx/defs.h>

#include <iterator>

#include "resource_ids.h"
#include "resource_tables.h"

const AcceleratorResource kMainAccelerators[] = {
    {wxACCEL_CTRL, 'N', ID_FILE_NEW},
    {wxACCEL_CTRL, 'O', ID_FILE_OPEN},
    {wxACCEL_CTRL, 'S', ID_FILE_SAVE},
    {wxACCEL_CTRL, 'Z', ID_EDIT_UNDO},
    {wxACCEL_CTRL, 'X', ID_EDIT_CUT},
    {wxACCEL_CTRL, 'C', ID_EDIT_COPY},
    {wxACCEL_CTRL, 'V', ID_EDIT_PASTE},
    {wxACCEL_ALT, WXK_BACK, ID_EDIT_UNDO},
    {wxACCEL_SHIFT, WXK_DELETE, ID_EDIT_CUT},
    {wxACCEL_CTRL, WXK_INSERT, ID_EDIT_COPY},
    {wxACCEL_SHIFT, WXK_INSERT, ID_EDIT_PASTE},
    {wxACCEL_NORMAL, WXK_F6, ID_NEXT_PANE},
    {wxACCEL_SHIFT, WXK_F6, ID_PREV_PANE},
};

const std::size_t kMainAcceleratorCount = std::size(kMainAccelerators);
