// Message boxes of the program: a text from the string table or a text made
// from one, in a box titled with the program's name over the main window.
// Failures are shown with wxICON_WARNING, results and explanations with
// wxICON_INFORMATION; questions use wxYES_NO.

#ifndef TARVENNA_APP_PLATFORM_MESSAGE_BOX_H_
#define TARVENNA_APP_PLATFORM_MESSAGE_BOX_H_

#include <wx/defs.h>
#include <wx/string.h>

// Shows the box and returns the button pressed: wxID_OK, wxID_YES or wxID_NO.
int AppMessageBox(const wxString& text, long style);
int AppMessageBox(int string_id, long style);

#endif  // TARVENNA_APP_PLATFORM_MESSAGE_BOX_H_
