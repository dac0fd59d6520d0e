#include "program_fixture.h"

#include <stdlib.h>

#include <fstream>

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/menu.h>

#include "first_view_size.h"
#include "gui_test_support.h"
#include "resource_ids.h"

FakeDocument::FakeDocument() {
  for (int command : {ID_FILE_ADD_ENTRY, ID_FILE_IMPORT_ENTRIES,
                      ID_FILE_EXPORT_OPENTAG, ID_FILE_EXPORT_TMX}) {
    Bind(wxEVT_UPDATE_UI,
         [this](wxUpdateUIEvent& event) { event.Enable(tm_open); },
         WxCommandId(command));
    Bind(wxEVT_MENU,
         [this](wxCommandEvent& event) {
           commands.push_back(CommandFromWxId(event.GetId()));
         },
         WxCommandId(command));
  }
}

bool FakeDocument::OnNewDocument() {
  ++new_calls;
  return true;
}

bool FakeDocument::OnOpenDocument(const wxString& path) {
  open_requests.push_back(path);
  tm_open = refused.count(path) == 0;
  return tm_open;
}

void ProgramFixture::SetUp() {
  char pattern[] = "/tmp/tarvenna-gui-XXXXXX";
  ASSERT_NE(nullptr, mkdtemp(pattern));
  temp_dir_ = pattern;
  // The program keeps its settings in $XDG_CONFIG_HOME/Tarvenna.conf.
  setenv("XDG_CONFIG_HOME", (temp_dir_ + "/config").c_str(), 1);
  g_cxFirstView = -1;
  g_cyFirstView = -1;
}

void ProgramFixture::TearDown() {
  StopProgram();
  App().UseStandardDocument();
  App().SetCommandLineTm(wxString());
  g_cxFirstView = -1;
  g_cyFirstView = -1;
  wxFileName::Rmdir(temp_dir_, wxPATH_RMDIR_RECURSIVE);
}

void ProgramFixture::UseFakeDocument() {
  App().SetDocumentFactory([] { return std::make_unique<FakeDocument>(); });
  App().SetViewFactory(nullptr);
}

bool ProgramFixture::StartProgram(const wxString& tm) {
  App().SetCommandLineTm(tm);
  started_ = App().InitInstance();
  PumpEvents();
  return started_;
}

void ProgramFixture::StopProgram() {
  if (CMainFrame* frame = App().GetMainFrame()) {
    frame->Destroy();
    PumpUntil([this] { return App().GetMainFrame() == nullptr; });
  }
  if (started_) App().ExitInstance();
  started_ = false;
  PumpEvents();
}

CTarvennaApp& ProgramFixture::App() const { return wxGetApp(); }

CMainFrame* ProgramFixture::Frame() const { return App().GetMainFrame(); }

FakeDocument* ProgramFixture::Document() const {
  return dynamic_cast<FakeDocument*>(App().GetDocument());
}

bool ProgramFixture::IsMenuItemEnabled(int command) const {
  Frame()->DoMenuUpdates();
  return Frame()->GetMenuBar()->IsEnabled(WxCommandId(command));
}

bool ProgramFixture::IsMenuItemChecked(int command) const {
  Frame()->DoMenuUpdates();
  return Frame()->GetMenuBar()->IsChecked(WxCommandId(command));
}

void ProgramFixture::ChooseCommand(int command) const {
  wxCommandEvent event(wxEVT_MENU, WxCommandId(command));
  event.SetEventObject(Frame());
  Frame()->ProcessWindowEvent(event);
  PumpEvents();
}

std::string ProgramFixture::TempPath(const std::string& name) const {
  return temp_dir_ + "/" + name;
}

void ProgramFixture::WriteFile(const std::string& path,
                               const std::string& bytes) const {
  std::ofstream(path, std::ios::binary) << bytes;
}

void StartedProgramTest::SetUp() {
  ProgramFixture::SetUp();
  ASSERT_TRUE(StartProgram());
}
