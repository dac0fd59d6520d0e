// Shortens a file path for a menu, keeping what tells files apart: the file
// name and the folders nearest to it, with "..." for the folders left out.

#ifndef TARVENNA_APP_PATH_ABBREVIATION_H_
#define TARVENNA_APP_PATH_ABBREVIATION_H_

#include <wx/string.h>

// `path` itself when it has at most `max_chars` characters. Otherwise the
// root, "...", and as many of the last folders as fit before the file name
// (/home/.../tms/sample.vrx); failing that the file name alone, and a file
// name that is too long by itself is cut and ends in "...". The result never
// has more than `max_chars` characters (`max_chars` of 4 or more).
wxString AbbreviatePath(const wxString& path, size_t max_chars);

#endif  // TARVENNA_APP_PATH_ABBREVIATION_H_
