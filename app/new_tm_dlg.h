// The New TM dialog (template 131): the locale pair and the file of a new TM.
// After OK the caller reads the three fields.

#ifndef TARVENNA_APP_NEW_TM_DLG_H_
#define TARVENNA_APP_NEW_TM_DLG_H_

#include <string>

#include <wx/string.h>

#include "platform/template_dialog.h"

class CNewTmDlg : public CTemplateDialog {
 public:
  explicit CNewTmDlg(wxWindow* parent = nullptr);

  // Locales as windows-1252 bytes, as the TM header stores them.
  std::string m_sourceLocale = "EN-US";
  std::string m_targetLocale = "FR-FR";
  wxString m_tmPath;

  // The path the dialog proposes: Untitled.vrx at the top of the system
  // drive on Windows, in the home folder elsewhere.
  static wxString DefaultTmPath();

 protected:
  void DoDataExchange(CDataExchange& dx) override;

 private:
  void OnLocaleChanged(wxCommandEvent& event);
  void OnBrowse(wxCommandEvent& event);
};

#endif  // TARVENNA_APP_NEW_TM_DLG_H_
