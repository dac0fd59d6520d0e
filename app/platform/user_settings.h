// The user's settings of this program, kept between runs: on Windows under
// the registry key HKEY_CURRENT_USER\Software\<vendor>\<application>,
// elsewhere in the file <application>.conf of the user's configuration folder
// ($XDG_CONFIG_HOME, ~/.config by default). A section groups the entries.

#ifndef TARVENNA_APP_PLATFORM_USER_SETTINGS_H_
#define TARVENNA_APP_PLATFORM_USER_SETTINGS_H_

#include <wx/string.h>

void OpenUserSettings(const wxString& vendor, const wxString& application);

// Writes what is pending and lets the store go.
void CloseUserSettings();

// Empty when the entry does not exist or no store is open.
wxString ReadUserSetting(const wxString& section, const wxString& entry);
void WriteUserSetting(const wxString& section, const wxString& entry,
                      const wxString& value);
void DeleteUserSetting(const wxString& section, const wxString& entry);

// Makes what was written so far survive a crash.
void FlushUserSettings();

#endif  // TARVENNA_APP_PLATFORM_USER_SETTINGS_H_
