// The application: start-up and shut-down, the user's settings with the
// recent-file list, the main window, the command line, New and Open, and the
// commands that belong to no window (About, the Help pages, Exit).
//
// The application keeps one document and one view for the whole run and
// hands the document every New and Open; after each New and each successful
// Open the view gets its initial update. The TM document and the query view
// are the standard ones; SetDocumentFactory and SetViewFactory plug in
// others (tests do). Without a document there is nothing to open a TM with,
// and New and Open leave the window as it is.

#ifndef TARVENNA_APP_TARVENNA_APP_H_
#define TARVENNA_APP_TARVENNA_APP_H_

#include <functional>
#include <memory>

#include <wx/app.h>

#include "document_base.h"

class CMainFrame;
class CRecentFileList;

class CTarvennaApp : public wxApp {
 public:
  using DocumentFactory = std::function<std::unique_ptr<CDocumentBase>()>;
  // Makes the view in the main window, for the document; null for none.
  using ViewFactory = std::function<wxWindow*(CMainFrame*, CDocumentBase*)>;

  CTarvennaApp();
  ~CTarvennaApp() override;

  // wxApp: OnInit reads the command line and runs InitInstance; OnExit runs
  // ExitInstance.
  bool OnInit() override;
  int OnExit() override;
  void OnInitCmdLine(wxCmdLineParser& parser) override;
  bool OnCmdLineParsed(wxCmdLineParser& parser) override;

  // Start-up: settings and recent-file list, the document, the main window
  // and the command line's TM. False ends the program (the main window could
  // not be made, or the TM on the command line did not open).
  bool InitInstance();
  // Shut-down: keeps the recent-file list and lets the settings go.
  void ExitInstance();

  // The TM given on the command line; empty for none.
  void SetCommandLineTm(const wxString& path) { command_line_tm_ = path; }
  void SetDocumentFactory(DocumentFactory factory);
  void SetViewFactory(ViewFactory factory);
  // The TM document and the query view.
  void UseStandardDocument();

  CMainFrame* GetMainFrame() const { return frame_; }
  CDocumentBase* GetDocument() const { return document_.get(); }
  CRecentFileList* GetRecentFileList() const { return recent_files_.get(); }

  // New: the document gets its default title, then runs its New.
  bool NewDocument();
  // Open of the TM at `path`; opening the TM already open only brings the
  // window to the front.
  bool OpenDocumentFile(const wxString& path);

  void AddToRecentFileList(const wxString& path);
  void UpdateFrameTitle();

 private:
  void OnFileNew(wxCommandEvent& event);
  void OnFileOpen(wxCommandEvent& event);
  void OnFileSave(wxCommandEvent& event);
  void OnOpenRecentFile(wxCommandEvent& event);
  void OnUpdateRecentFile(wxUpdateUIEvent& event);
  void OnAppAbout(wxCommandEvent& event);
  void OnAppExit(wxCommandEvent& event);
  void OnHelpLink(wxCommandEvent& event);

  bool ProcessShellCommand();
  void UpdateRecentFileMenu();

  wxString command_line_tm_;
  DocumentFactory document_factory_;
  ViewFactory view_factory_;
  std::unique_ptr<CDocumentBase> document_;
  std::unique_ptr<CRecentFileList> recent_files_;
  CMainFrame* frame_ = nullptr;
};

wxDECLARE_APP(CTarvennaApp);

#endif  // TARVENNA_APP_TARVENNA_APP_H_
