// The main window: menu 128, the flat toolbar, the status bar with its
// message pane and keyboard indicators, accelerator table 128, and a title
// made of the program's name and the document's title. Its client area is
// left to the query view.

#ifndef TARVENNA_APP_MAIN_FRAME_H_
#define TARVENNA_APP_MAIN_FRAME_H_

#include <wx/frame.h>

class wxMenu;

class CMainFrame : public wxFrame {
 public:
  CMainFrame();

  // Makes the menu, toolbar, status bar and accelerators, right after the
  // window. False when one of them cannot be made; the program cannot start
  // then.
  bool OnCreate();

  // "Tarvenna - <document title>".
  void SetDocumentTitle(const wxString& document_title);

  // Shows string `string_id` in the status bar's message pane.
  void SetMessageText(int string_id);

  wxMenu* GetFileMenu() const;

  // The query view fills the client area. Menu and toolbar commands go to
  // the view first, then to the document, and only then to the frame and
  // the application, so each command is carried out by what it acts on.
  void SetView(wxWindow* view);
  void SetDocumentHandler(wxEvtHandler* document);

 protected:
  bool TryBefore(wxEvent& event) override;

 private:
  bool CreateMenus();
  bool CreateToolbarFromResource();
  bool CreateStatusBarWithIndicators();
  void InstallAccelerators();

  void OnToggleBar(wxCommandEvent& event);
  void OnUpdateToggleBar(wxUpdateUIEvent& event);
  void OnUpdateCommandWithoutTarget(wxUpdateUIEvent& event);
  void OnIdle(wxIdleEvent& event);

  void UpdateKeyIndicators();
  // Keeps the window's minimum size in step with the view's first size.
  void OnGetMinMaxInfo();

  wxWindow* view_ = nullptr;
  wxEvtHandler* document_ = nullptr;
};

#endif  // TARVENNA_APP_MAIN_FRAME_H_
