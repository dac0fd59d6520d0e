#include "user_settings.h"

#include <wx/config.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

namespace {

wxString EntryPath(const wxString& section, const wxString& entry) {
  return "/" + section + "/" + entry;
}

}  // namespace

void OpenUserSettings(const wxString& vendor, const wxString& application) {
  // Settings belong in ~/.config on a desktop that follows the XDG rules,
  // not in a dot file in the home folder.
  wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
#ifndef _WIN32
  // A new account may not have that folder yet, and the settings file
  // cannot be written without it.
  const wxString folder = wxStandardPaths::Get().GetUserConfigDir();
  if (!wxFileName::DirExists(folder)) {
    wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  }
#endif
  delete wxConfigBase::Set(new wxConfig(application, vendor, wxEmptyString,
                                        wxEmptyString,
                                        wxCONFIG_USE_LOCAL_FILE));
}

void CloseUserSettings() {
  wxConfigBase* config = wxConfigBase::Set(nullptr);
  if (config) config->Flush();
  delete config;
}

wxString ReadUserSetting(const wxString& section, const wxString& entry) {
  wxConfigBase* config = wxConfigBase::Get(false);
  return config ? config->Read(EntryPath(section, entry), wxString())
                : wxString();
}

void WriteUserSetting(const wxString& section, const wxString& entry,
                      const wxString& value) {
  if (wxConfigBase* config = wxConfigBase::Get(false)) {
    config->Write(EntryPath(section, entry), value);
  }
}

void DeleteUserSetting(const wxString& section, const wxString& entry) {
  if (wxConfigBase* config = wxConfigBase::Get(false)) {
    config->DeleteEntry(EntryPath(section, entry), false);
  }
}

void FlushUserSettings() {
  if (wxConfigBase* config = wxConfigBase::Get(false)) config->Flush();
}
