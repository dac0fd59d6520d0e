// The Add dialog (template 130): one translation unit typed in by hand.
// After OK the caller reads the fields.

#ifndef TARVENNA_APP_ADD_ENTRY_DLG_H_
#define TARVENNA_APP_ADD_ENTRY_DLG_H_

#include <string>

#include "platform/template_dialog.h"

class wxKeyEvent;

class CAddEntryDlg : public CTemplateDialog {
 public:
  explicit CAddEntryDlg(wxWindow* parent = nullptr);

  // Texts as windows-1252 bytes, as the TM stores them.
  std::string m_source;
  std::string m_target;
  std::string m_id;
  std::string m_type;
  // Position and size of the unit's text on screen; -1 for none.
  int m_x = -1;
  int m_y = -1;
  int m_cx = -1;
  int m_cy = -1;

 protected:
  void DoDataExchange(CDataExchange& dx) override;

 private:
  void OnTextKeyDown(wxKeyEvent& event);
};

#endif  // TARVENNA_APP_ADD_ENTRY_DLG_H_
