#include "tarvenna_app.h"

#include <wx/cmdline.h>
#include <wx/filedlg.h>
#include <wx/filename.h>

#include "about_box.h"
#include "help_links.h"
#include "main_frame.h"
#include "platform/resource_strings.h"
#include "platform/resource_templates.h"
#include "platform/user_settings.h"
#include "recent_file_list.h"
#include "resource_ids.h"
#include "tarvenna_doc.h"
#include "tarvenna_view.h"

namespace {

// Where the settings live: under this vendor, then the program's name.
const char kSettingsVendor[] = "Local AppWizard-Generated Applications";
const char kRecentFileSection[] = "Recent File List";
constexpr size_t kRecentFileCount = 6;
constexpr size_t kRecentFileDisplayChars = 30;

}  // namespace

CTarvennaApp::CTarvennaApp() {
  UseStandardDocument();
  Bind(wxEVT_MENU, &CTarvennaApp::OnFileNew, this, WxCommandId(ID_FILE_NEW));
  Bind(wxEVT_MENU, &CTarvennaApp::OnFileOpen, this, WxCommandId(ID_FILE_OPEN));
  Bind(wxEVT_MENU, &CTarvennaApp::OnFileSave, this, WxCommandId(ID_FILE_SAVE));
  Bind(wxEVT_MENU, &CTarvennaApp::OnOpenRecentFile, this,
       WxCommandId(ID_FILE_MRU_FILE1),
       WxCommandId(ID_FILE_MRU_FILE1 + kRecentFileCount - 1));
  Bind(wxEVT_UPDATE_UI, &CTarvennaApp::OnUpdateRecentFile, this,
       WxCommandId(ID_FILE_MRU_FILE1),
       WxCommandId(ID_FILE_MRU_FILE1 + kRecentFileCount - 1));
  Bind(wxEVT_MENU, &CTarvennaApp::OnAppAbout, this, WxCommandId(ID_APP_ABOUT));
  Bind(wxEVT_MENU, &CTarvennaApp::OnAppExit, this, WxCommandId(ID_APP_EXIT));
  Bind(wxEVT_MENU, &CTarvennaApp::OnHelpLink, this,
       WxCommandId(ID_HELP_MAKER_SITE), WxCommandId(ID_HELP_TMX_SPEC));
}

CTarvennaApp::~CTarvennaApp() = default;

bool CTarvennaApp::OnInit() {
  if (!wxApp::OnInit()) return false;  // reads the command line
  return InitInstance();
}

int CTarvennaApp::OnExit() {
  ExitInstance();
  return wxApp::OnExit();
}

void CTarvennaApp::OnInitCmdLine(wxCmdLineParser& parser) {
  wxApp::OnInitCmdLine(parser);
  parser.AddParam("TM", wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
}

bool CTarvennaApp::OnCmdLineParsed(wxCmdLineParser& parser) {
  if (parser.GetParamCount() > 0) SetCommandLineTm(parser.GetParam(0));
  return wxApp::OnCmdLineParsed(parser);
}

void CTarvennaApp::SetDocumentFactory(DocumentFactory factory) {
  document_factory_ = std::move(factory);
}

void CTarvennaApp::SetViewFactory(ViewFactory factory) {
  view_factory_ = std::move(factory);
}

void CTarvennaApp::UseStandardDocument() {
  document_factory_ = [] { return std::make_unique<CTarvennaDoc>(); };
  view_factory_ = [](CMainFrame* frame, CDocumentBase* document) -> wxWindow* {
    auto* tm_document = dynamic_cast<CTarvennaDoc*>(document);
    return tm_document ? new CTarvennaView(frame, tm_document) : nullptr;
  };
}

bool CTarvennaApp::InitInstance() {
  SetAppName(LoadResourceString(IDS_APP_TITLE));
  SetAppDisplayName(GetAppName());
  SetVendorName(kSettingsVendor);
  LoadProgramResources();

  OpenUserSettings(kSettingsVendor, GetAppName());
  recent_files_ = std::make_unique<CRecentFileList>(
      ID_FILE_MRU_FILE1, kRecentFileCount, kRecentFileSection,
      kRecentFileDisplayChars);
  recent_files_->ReadList();

  if (document_factory_) document_ = document_factory_();

  frame_ = new CMainFrame;
  frame_->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == frame_) frame_ = nullptr;
    event.Skip();
  });
  SetTopWindow(frame_);
  frame_->SetDocumentHandler(document_.get());
  const bool created = frame_->OnCreate();
  if (created && view_factory_) view_factory_(frame_, document_.get());
  if (!created || !ProcessShellCommand()) {
    // A window without its bars cannot be used, and a TM named on the
    // command line that did not open has been explained by the document:
    // either way the program ends here.
    frame_->Destroy();
    ExitInstance();
    return false;
  }
  UpdateRecentFileMenu();
  frame_->Show();
  frame_->Update();
  return true;
}

void CTarvennaApp::ExitInstance() {
  if (frame_) frame_->SetDocumentHandler(nullptr);
  if (recent_files_) {
    recent_files_->WriteList();
    recent_files_.reset();
  }
  document_.reset();  // the document closes its TM as it goes
  CloseUserSettings();
}

bool CTarvennaApp::ProcessShellCommand() {
  if (command_line_tm_.empty()) return NewDocument();
  return OpenDocumentFile(command_line_tm_);
}

bool CTarvennaApp::NewDocument() {
  if (!document_) return true;
  document_->SetTitle(LoadDocString(kDocName));
  if (!document_->OnNewDocument()) return false;
  document_->InitialUpdateAllViews();
  return true;
}

bool CTarvennaApp::OpenDocumentFile(const wxString& path) {
  if (!document_) return true;  // nothing here can open a TM
  wxFileName full(path);
  full.MakeAbsolute();
  const wxString& open_path = document_->GetPathName();
  if (!open_path.empty() && full.SameAs(wxFileName(open_path))) {
    if (frame_) frame_->Raise();
    return true;
  }
  if (!document_->OnOpenDocument(full.GetFullPath())) return false;
  document_->SetPathName(full.GetFullPath());
  document_->InitialUpdateAllViews();
  return true;
}

void CTarvennaApp::AddToRecentFileList(const wxString& path) {
  if (!recent_files_) return;
  recent_files_->Add(path);
  recent_files_->WriteList();
  UpdateRecentFileMenu();
}

void CTarvennaApp::UpdateFrameTitle() {
  if (!frame_) return;
  frame_->SetDocumentTitle(document_ && !document_->GetTitle().empty()
                               ? document_->GetTitle()
                               : LoadDocString(kDocName));
}

void CTarvennaApp::UpdateRecentFileMenu() {
  if (frame_ && frame_->GetFileMenu() && recent_files_) {
    recent_files_->UpdateMenu(frame_->GetFileMenu());
  }
}

void CTarvennaApp::OnFileNew(wxCommandEvent&) { NewDocument(); }

void CTarvennaApp::OnFileOpen(wxCommandEvent&) {
  if (!document_) return;
  const wxString wildcard = LoadDocString(kDocFilterName) + "|*" +
                            LoadDocString(kDocFilterExt) + "|" +
                            LoadResourceString(IDS_ALL_FILES_FILTER) + "|" +
                            wxFileSelectorDefaultWildcardStr;
  wxFileDialog dialog(frame_, LoadResourceString(IDS_OPEN_TITLE),
                      wxEmptyString, wxEmptyString, wildcard,
                      wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (dialog.ShowModal() == wxID_OK) OpenDocumentFile(dialog.GetPath());
}

void CTarvennaApp::OnFileSave(wxCommandEvent&) {
  // Ctrl+S saves nothing, on purpose. Every TM command writes the TM file as
  // it changes it, so nothing is ever left unsaved, and the document has no
  // other content: a save through the document would write an empty file
  // over the TM.
}

void CTarvennaApp::OnOpenRecentFile(wxCommandEvent& event) {
  const int index =
      recent_files_->IndexOfCommand(CommandFromWxId(event.GetId()));
  if (index < 0) return;
  const wxString path = recent_files_->GetPath(static_cast<size_t>(index));
  if (path.empty()) return;
  if (!OpenDocumentFile(path)) {
    // A TM that no longer opens leaves the list; the document has said why.
    recent_files_->Remove(static_cast<size_t>(index));
    recent_files_->WriteList();
    UpdateRecentFileMenu();
  }
}

void CTarvennaApp::OnUpdateRecentFile(wxUpdateUIEvent& event) {
  const int index =
      recent_files_ ? recent_files_->IndexOfCommand(CommandFromWxId(event.GetId()))
                    : -1;
  event.Enable(index >= 0 &&
               static_cast<size_t>(index) < recent_files_->GetCount());
}

void CTarvennaApp::OnAppAbout(wxCommandEvent&) {
  CAboutBox about;
  about.ShowModal();
}

void CTarvennaApp::OnAppExit(wxCommandEvent&) {
  if (frame_) frame_->Close();
}

void CTarvennaApp::OnHelpLink(wxCommandEvent& event) {
  if (const char* address = WebAddressForCommand(CommandFromWxId(event.GetId()))) {
    OpenWebPage(address);
  }
}
