// The string table, read by number, and the few ways the program takes its
// texts apart or fills them in.

#ifndef TARVENNA_APP_PLATFORM_RESOURCE_STRINGS_H_
#define TARVENNA_APP_PLATFORM_RESOURCE_STRINGS_H_

#include <initializer_list>

#include <wx/string.h>

#include "resource_ids.h"

// String `id` of the string table; empty when there is none.
wxString LoadResourceString(int id);

// A command's string holds the status-bar prompt, a line feed and the
// tooltip; a command without a tooltip has the prompt alone.
wxString LoadCommandPrompt(int command);
wxString LoadCommandTooltip(int command);

// One part of document string 128.
wxString LoadDocString(DocStringIndex index);

// String `id` with %1, %2, ... replaced by the arguments in order.
wxString FormatResourceString(int id, std::initializer_list<wxString> args);

// A file-dialog filter of the string table ("Name|*.ext|...||") in the form
// wx takes ("Name|*.ext|..."), without the closing bars.
wxString FileDialogWildcard(int filter_id);

#endif  // TARVENNA_APP_PLATFORM_RESOURCE_STRINGS_H_
