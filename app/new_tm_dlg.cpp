#include "new_tm_dlg.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "platform/resource_strings.h"
#include "resource_ids.h"

namespace {

constexpr int kMaxLocaleChars = 5;
constexpr int kMaxPathChars = 255;
const char kTmExtension[] = "vrx";

}  // namespace

CNewTmDlg::CNewTmDlg(wxWindow* parent)
    : CTemplateDialog(parent, IDD_NEW_TM), m_tmPath(DefaultTmPath()) {
  for (int id : {IDC_SOURCE_LOCALE, IDC_TARGET_LOCALE}) {
    Bind(wxEVT_TEXT, &CNewTmDlg::OnLocaleChanged, this, id);
  }
  Bind(wxEVT_BUTTON, &CNewTmDlg::OnBrowse, this, IDC_BROWSE);
}

wxString CNewTmDlg::DefaultTmPath() {
#ifdef _WIN32
  return "C:\\Untitled.vrx";
#else
  // The root folder is not the user's to write in; the home folder is.
  return wxFileName(wxGetHomeDir(), "Untitled.vrx").GetFullPath();
#endif
}

void CNewTmDlg::DoDataExchange(CDataExchange& dx) {
  dx.Text(IDC_SOURCE_LOCALE, m_sourceLocale);
  dx.MaxChars(m_sourceLocale, kMaxLocaleChars);
  dx.Text(IDC_TARGET_LOCALE, m_targetLocale);
  dx.MaxChars(m_targetLocale, kMaxLocaleChars);
  dx.Text(IDC_TM_PATH, m_tmPath);
  dx.MaxChars(m_tmPath, kMaxPathChars);
}

// Locale codes are upper case, whatever the keyboard gives, typed or
// pasted. (wxTextEntry::ForceUpper would do this, but wxGTK 3.2.2 puts each
// typed letter before the previous ones: "en" comes out "NE".)
void CNewTmDlg::OnLocaleChanged(wxCommandEvent& event) {
  auto* edit = dynamic_cast<wxTextCtrl*>(event.GetEventObject());
  if (!edit) return;
  const wxString text = edit->GetValue();
  const wxString upper = text.Upper();
  if (upper == text) return;
  long from = 0;
  long to = 0;
  edit->GetSelection(&from, &to);
  edit->ChangeValue(upper);  // sends no event, so no loop
  edit->SetSelection(from, to);
}

void CNewTmDlg::OnBrowse(wxCommandEvent&) {
  // The file may be new or may exist: the user names the TM to create. GTK's
  // open dialog only takes existing files, so there the save dialog, which
  // takes both, asks for it.
#ifdef __WXGTK__
  const long style = wxFD_SAVE;
#else
  const long style = wxFD_OPEN;
#endif
  wxFileDialog browse(this, LoadResourceString(IDS_BROWSE_TM_TITLE),
                      wxEmptyString, wxEmptyString,
                      FileDialogWildcard(IDS_TM_FILTER), style);
  if (browse.ShowModal() != wxID_OK || browse.GetPath().empty()) return;

  wxFileName chosen(browse.GetPath());
  if (!chosen.HasExt()) chosen.SetExt(kTmExtension);
  auto* path = dynamic_cast<wxTextCtrl*>(FindWindow(IDC_TM_PATH));
  if (!path) return;
  path->ChangeValue(chosen.GetFullPath());
  path->SetFocus();
  path->SelectAll();
}
