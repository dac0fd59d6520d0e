// The main window as the user meets it: title, menus, accelerators,
// toolbar, status bar, the commands' states, and the minimum window size.

#include <fstream>
#include <iterator>
#include <vector>

#include <wx/filefn.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "about_box.h"
#include "first_view_size.h"
#include "gui_test_support.h"
#include "long_operation.h"
#include "program_fixture.h"
#include "resource_ids.h"

namespace {

TEST_F(StartedProgramTest, StartsWithNoTmInTheTitleAndReadyInTheStatusBar) {
  ASSERT_NE(nullptr, Frame());
  EXPECT_TRUE(Frame()->IsShown());
  EXPECT_EQ("Tarvenna - <No Active TM>", Frame()->GetTitle());
  wxStatusBar* status = Frame()->GetStatusBar();
  ASSERT_NE(nullptr, status);
  EXPECT_EQ(WxCommandId(ID_VIEW_STATUS_BAR), status->GetId());
  ASSERT_EQ(4, status->GetFieldsCount());
  EXPECT_EQ("Ready", status->GetStatusText(0));
  // The message pane takes the room the indicators leave.
  EXPECT_EQ(-1, status->GetStatusWidth(0));
  for (int pane = 1; pane < 4; ++pane) {
    EXPECT_GT(status->GetStatusWidth(pane), 0) << pane;
  }
}

TEST_F(StartedProgramTest, CapsLockShowsCapInItsPaneWhileItIsOn) {
  wxStatusBar* status = Frame()->GetStatusBar();
  EXPECT_EQ("", status->GetStatusText(1));
  PressKey(Frame(), WXK_CAPITAL);
  EXPECT_TRUE(PumpUntil([status] { return status->GetStatusText(1) == "CAP"; }));
  PressKey(Frame(), WXK_CAPITAL);
  EXPECT_TRUE(PumpUntil([status] { return status->GetStatusText(1).empty(); }));
}

// One line of a menu: its command (0 for a separator) and text.
struct MenuLine {
  int command;
  const char* text;
};

void ExpectMenu(wxMenu* menu, const std::vector<MenuLine>& expected) {
  ASSERT_EQ(expected.size(), menu->GetMenuItemCount());
  for (size_t i = 0; i < expected.size(); ++i) {
    wxMenuItem* item = menu->FindItemByPosition(i);
    if (expected[i].command == 0) {
      EXPECT_TRUE(item->IsSeparator()) << "line " << i;
      continue;
    }
    EXPECT_EQ(WxCommandId(expected[i].command), item->GetId()) << "line " << i;
    EXPECT_EQ(wxString::FromUTF8(expected[i].text), item->GetItemLabel())
        << "line " << i;
  }
}

TEST_F(StartedProgramTest, MenusHoldEveryCommandWithItsTextAndKeys) {
  wxMenuBar* bar = Frame()->GetMenuBar();
  ASSERT_EQ(4u, bar->GetMenuCount());
  EXPECT_EQ("&File", bar->GetMenuLabel(0));
  EXPECT_EQ("&Edit", bar->GetMenuLabel(1));
  EXPECT_EQ("&View", bar->GetMenuLabel(2));
  EXPECT_EQ("&Help", bar->GetMenuLabel(3));
  ExpectMenu(bar->GetMenu(0), {{57600, "&New\tCtrl+N"},
                               {57601, "&Open...\tCtrl+O"},
                               {0, ""},
                               {32772, "&Add An Entry..."},
                               {32776, "&Import Entries From Text File..."},
                               {0, ""},
                               {57604, "&Export To OpenTag..."},
                               {32774, "Export To &TMX..."},
                               {0, ""},
                               {57616, "Recent TM"},
                               {0, ""},
                               {57665, "E&xit"}});
  ExpectMenu(bar->GetMenu(1), {{57643, "&Undo\tCtrl+Z"},
                               {0, ""},
                               {57635, "Cu&t\tCtrl+X"},
                               {57634, "&Copy\tCtrl+C"},
                               {57637, "&Paste\tCtrl+V"}});
  ExpectMenu(bar->GetMenu(2), {{59392, "&Toolbar"}, {59393, "&Status Bar"}});
  ExpectMenu(bar->GetMenu(3),
             {{32782, "&ORVEL Vavovazuriv"},
              {32783, "&Multilingual Computing && Technology"},
              {0, ""},
              {32784, "&OpenTag Format Specifications"},
              {32785, "&TMX Format Specifications"},
              {0, ""},
              {57664, "&About Tarvenna..."}});
}

TEST_F(StartedProgramTest, MenuItemsShowTheirPromptInTheStatusBar) {
  struct Case {
    int command;
    const char* prompt;
  };
  const Case cases[] = {
      {ID_FILE_NEW, "Creates a new TM"},
      {ID_FILE_IMPORT_ENTRIES, "Adds entries from a tab-delimited file"},
      {ID_FILE_MRU_FILE1, "Opens this TM"},
      {ID_APP_EXIT, "Quits the application"},
      {ID_EDIT_PASTE, "Inserts Clipboard contents at the insertion point"},
      {ID_VIEW_STATUS_BAR, "Shows or hides the status bar"},
      {ID_HELP_MAGAZINE_SITE,
       "Goes to the Multilingual Computing & Technology Web site"},
      {ID_APP_ABOUT, "Displays application information"},
  };
  wxMenuBar* bar = Frame()->GetMenuBar();
  for (const Case& c : cases) {
    EXPECT_EQ(c.prompt, bar->GetHelpString(WxCommandId(c.command)));
    wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, WxCommandId(c.command));
    highlight.SetEventObject(Frame());
    Frame()->ProcessWindowEvent(highlight);
    EXPECT_EQ(c.prompt, Frame()->GetStatusBar()->GetStatusText(0));
  }
  wxMenuEvent close(wxEVT_MENU_CLOSE, wxID_ANY, bar->GetMenu(0));
  close.SetEventObject(Frame());
  Frame()->ProcessWindowEvent(close);
  EXPECT_EQ("Ready", Frame()->GetStatusBar()->GetStatusText(0));
}

TEST_F(StartedProgramTest, AtStartUpOnlyTheCommandsThatNeedNoTmAreEnabled) {
  struct Case {
    int command;
    bool enabled;
  };
  const Case cases[] = {
      {ID_FILE_NEW, true},
      {ID_FILE_OPEN, true},
      {ID_FILE_ADD_ENTRY, false},
      {ID_FILE_IMPORT_ENTRIES, false},
      {ID_FILE_EXPORT_OPENTAG, false},
      {ID_FILE_EXPORT_TMX, false},
      {ID_FILE_MRU_FILE1, false},  // "Recent TM" while the list is empty
      {ID_APP_EXIT, true},
      // Nothing to edit without the query view's fields.
      {ID_EDIT_UNDO, false},
      {ID_EDIT_CUT, false},
      {ID_EDIT_COPY, false},
      {ID_EDIT_PASTE, false},
      {ID_VIEW_TOOLBAR, true},
      {ID_VIEW_STATUS_BAR, true},
      {ID_HELP_MAKER_SITE, true},
      {ID_HELP_MAGAZINE_SITE, true},
      {ID_HELP_OPENTAG_SPEC, true},
      {ID_HELP_TMX_SPEC, true},
      {ID_APP_ABOUT, true},
  };
  Frame()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
  wxToolBar* toolbar = Frame()->GetToolBar();
  for (const Case& c : cases) {
    EXPECT_EQ(c.enabled, IsMenuItemEnabled(c.command)) << c.command;
    if (toolbar->FindById(WxCommandId(c.command))) {
      EXPECT_EQ(c.enabled, toolbar->GetToolEnabled(WxCommandId(c.command)))
          << "button " << c.command;
    }
  }
  EXPECT_TRUE(IsMenuItemChecked(ID_VIEW_TOOLBAR));
  EXPECT_TRUE(IsMenuItemChecked(ID_VIEW_STATUS_BAR));
}

TEST_F(StartedProgramTest, ToolbarHasTenItemsWithTooltipsAndPrompts) {
  struct Case {
    int command;  // 0 for a separator
    const char* tooltip;
    const char* prompt;
  };
  const Case cases[] = {
      {57600, "New (Ctrl+N)", "Creates a new TM"},
      {57601, "Open (Ctrl+O)", "Opens an existing TM"},
      {0, "", ""},
      {57604, "Export To OpenTag", "Exports the TM to OpenTag"},
      {32774, "Export To TMX", "Exports the TM to TMX"},
      {0, "", ""},
      {57643, "Undo (Ctrl+Z)", "Undoes the last editing action"},
      {57635, "Cut (Ctrl+X)", "Cuts the selection and moves to the Clipboard"},
      {57634, "Copy (Ctrl+C)", "Copies the selection to the Clipboard"},
      {57637, "Paste (Ctrl+V)",
       "Inserts Clipboard contents at the insertion point"},
  };
  wxToolBar* toolbar = Frame()->GetToolBar();
  ASSERT_NE(nullptr, toolbar);
  EXPECT_EQ(WxCommandId(ID_VIEW_TOOLBAR), toolbar->GetId());
  EXPECT_TRUE(toolbar->HasFlag(wxTB_FLAT));
  ASSERT_EQ(std::size(cases), toolbar->GetToolsCount());
  for (size_t i = 0; i < std::size(cases); ++i) {
    const wxToolBarToolBase* tool = toolbar->GetToolByPos(static_cast<int>(i));
    if (cases[i].command == 0) {
      EXPECT_TRUE(tool->IsSeparator()) << "item " << i;
      continue;
    }
    EXPECT_EQ(WxCommandId(cases[i].command), tool->GetId()) << "item " << i;
    EXPECT_EQ(cases[i].tooltip, tool->GetShortHelp()) << "item " << i;
    EXPECT_EQ(cases[i].prompt, tool->GetLongHelp()) << "item " << i;
    EXPECT_EQ(wxSize(16, 16), tool->GetNormalBitmap().GetSize());
  }
}

TEST_F(StartedProgramTest, RestingOnAButtonShowsItsPromptInTheStatusBar) {
  Frame()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
  wxToolBar* toolbar = Frame()->GetToolBar();
  wxStatusBar* status = Frame()->GetStatusBar();
  // wx cannot tell where GTK put a button, so the mouse moves along the
  // toolbar until it rests on the Open button.
  wxUIActionSimulator mouse;
  const int y = toolbar->GetClientSize().y / 2;
  bool found = false;
  for (int x = 2; x < toolbar->GetClientSize().x && !found; x += 4) {
    mouse.MouseMove(toolbar->ClientToScreen(wxPoint(x, y)));
    PumpEvents();
    found = status->GetStatusText(0) == "Opens an existing TM";
  }
  EXPECT_TRUE(found);
  mouse.MouseMove(Frame()->GetScreenRect().GetBottomRight() + wxPoint(50, 50));
  EXPECT_TRUE(PumpUntil([status] {
    return status->GetStatusText(0) == "Ready";
  }));
}

TEST_F(StartedProgramTest, ViewCommandsHideAndShowTheBarsAndTickTheirItems) {
  for (int command : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
    wxWindow* bar = command == ID_VIEW_TOOLBAR
                        ? static_cast<wxWindow*>(Frame()->GetToolBar())
                        : static_cast<wxWindow*>(Frame()->GetStatusBar());
    const int client_height = Frame()->GetClientSize().y;

    ChooseCommand(command);
    EXPECT_FALSE(bar->IsShown()) << command;
    EXPECT_FALSE(IsMenuItemChecked(command)) << command;
    EXPECT_TRUE(PumpUntil([&] {
      return Frame()->GetClientSize().y > client_height;
    })) << "the client area takes the bar's room";

    ChooseCommand(command);
    EXPECT_TRUE(bar->IsShown()) << command;
    EXPECT_TRUE(IsMenuItemChecked(command)) << command;
    EXPECT_TRUE(PumpUntil([&] {
      return Frame()->GetClientSize().y == client_height;
    }));
  }
}

TEST_F(StartedProgramTest, ExitClosesTheMainWindow) {
  ChooseCommand(ID_APP_EXIT);
  EXPECT_TRUE(PumpUntil([this] { return Frame() == nullptr; }));
}

TEST_F(StartedProgramTest, AboutShowsTheAboutBox) {
  wxTEST_DIALOG(ChooseCommand(ID_APP_ABOUT),
                wxExpectDismissableModal<CAboutBox>(wxID_OK));
}

TEST_F(StartedProgramTest, WindowCannotBecomeSmallerThanTheViewsFirstSize) {
  // The view recorded its first size at start-up, filling the client area.
  PumpEvents();
  const wxSize first = Frame()->GetClientSize();
  EXPECT_EQ(first, wxSize(g_cxFirstView, g_cyFirstView));

  Frame()->SetSize(Frame()->GetSize() - wxSize(100, 80));
  PumpEvents();
  EXPECT_GE(Frame()->GetClientSize().x, first.x);
  EXPECT_GE(Frame()->GetClientSize().y, first.y);

  Frame()->SetSize(Frame()->GetSize() + wxSize(100, 50));
  PumpEvents();
  EXPECT_EQ(first + wxSize(100, 50), Frame()->GetClientSize());
}

// Without a view nothing limits the window.
TEST_F(ProgramFixture, WithoutAViewTheWindowHasNoMinimumOfItsOwn) {
  UseFakeDocument();
  ASSERT_TRUE(StartProgram());
  PumpEvents();
  EXPECT_EQ(wxDefaultSize, Frame()->GetMinSize());
}

TEST_F(StartedProgramTest, ALongOperationShowsItsTextAndTheWaitCursorTillItEnds) {
  {
    CLongOperation busy(Frame(), IDS_EXPORTING_TMX);
    EXPECT_TRUE(wxIsBusy());
    EXPECT_EQ("Exporting to a TMX document...",
              Frame()->GetStatusBar()->GetStatusText(0));
  }
  EXPECT_FALSE(wxIsBusy());
  EXPECT_EQ("Ready", Frame()->GetStatusBar()->GetStatusText(0));
}

// Work that reports progress shows its count beside the text, and the
// window's input is off until it ends.
TEST_F(StartedProgramTest, ALongOperationShowsItsProgress) {
  {
    CLongOperation busy(Frame(), IDS_IMPORTING);
    busy.ProgressCallback()(8192);
    EXPECT_EQ("Adding entries from file... 8192", Frame()->GetStatusBar()->GetStatusText(0));
    EXPECT_FALSE(Frame()->IsEnabled());
  }
  EXPECT_TRUE(Frame()->IsEnabled());
  EXPECT_EQ("Ready", Frame()->GetStatusBar()->GetStatusText(0));
}

// A window standing in for the query view: it takes every command, so that
// the keys reach it whatever their state would be.
class CommandRecorder : public wxPanel {
 public:
  explicit CommandRecorder(wxWindow* parent) : wxPanel(parent) {
    Bind(wxEVT_MENU, [this](wxCommandEvent& event) {
      commands.push_back(CommandFromWxId(event.GetId()));
    });
    Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(true); });
  }
  std::vector<int> commands;
};

TEST_F(StartedProgramTest, AcceleratorsSendTheirCommandsOnce) {
  auto* view = new CommandRecorder(Frame());
  Frame()->SetView(view);
  PumpEvents();
  struct Case {
    int key;
    int modifiers;
    int command;
  };
  const Case cases[] = {
      {'N', wxMOD_CONTROL, ID_FILE_NEW},
      {'O', wxMOD_CONTROL, ID_FILE_OPEN},
      {'S', wxMOD_CONTROL, ID_FILE_SAVE},
      {'Z', wxMOD_CONTROL, ID_EDIT_UNDO},
      {'X', wxMOD_CONTROL, ID_EDIT_CUT},
      {'C', wxMOD_CONTROL, ID_EDIT_COPY},
      {'V', wxMOD_CONTROL, ID_EDIT_PASTE},
      {WXK_BACK, wxMOD_ALT, ID_EDIT_UNDO},
      {WXK_DELETE, wxMOD_SHIFT, ID_EDIT_CUT},
      {WXK_INSERT, wxMOD_CONTROL, ID_EDIT_COPY},
      {WXK_INSERT, wxMOD_SHIFT, ID_EDIT_PASTE},
      {WXK_F6, wxMOD_NONE, ID_NEXT_PANE},
      {WXK_F6, wxMOD_SHIFT, ID_PREV_PANE},
  };
  view->SetFocus();
  for (const Case& c : cases) {
    view->commands.clear();
    PressKey(Frame(), c.key, c.modifiers);
    EXPECT_EQ(std::vector<int>{c.command}, view->commands)
        << "key " << c.key << " with modifiers " << c.modifiers;
  }
  Frame()->SetView(nullptr);
}

class ProgramWithDocumentTest : public ProgramFixture {
 protected:
  void SetUp() override {
    ProgramFixture::SetUp();
    UseFakeDocument();
  }
};

TEST_F(ProgramWithDocumentTest, StartUpWithoutATmRunsTheDocumentsFirstNew) {
  ASSERT_TRUE(StartProgram());
  EXPECT_EQ(1, Document()->new_calls);
  EXPECT_TRUE(Document()->open_requests.empty());
  EXPECT_EQ("Tarvenna - <No Active TM>", Frame()->GetTitle());
}

TEST_F(ProgramWithDocumentTest, ATmOnTheCommandLineOpensByItsFullPath) {
  const std::string tm = TempPath("ui-strings.vrx");
  WriteFile(tm, "");
  const wxString previous_folder = wxGetCwd();
  ASSERT_TRUE(wxSetWorkingDirectory(temp_dir_));
  const bool started = StartProgram("ui-strings.vrx");
  wxSetWorkingDirectory(previous_folder);
  ASSERT_TRUE(started);

  EXPECT_EQ(0, Document()->new_calls);
  EXPECT_EQ(std::vector<wxString>{tm}, Document()->open_requests);
  EXPECT_EQ(wxString(tm), Document()->GetPathName());
  EXPECT_EQ("Tarvenna - ui-strings.vrx", Frame()->GetTitle());
}

TEST_F(ProgramWithDocumentTest, ATmOnTheCommandLineThatDoesNotOpenEndsStartUp) {
  const std::string tm = TempPath("broken.vrx");
  App().SetDocumentFactory([tm] {
    auto document = std::make_unique<FakeDocument>();
    document->refused.insert(tm);
    return document;
  });
  EXPECT_FALSE(StartProgram(tm));
  EXPECT_TRUE(PumpUntil([this] { return Frame() == nullptr; }));
}

TEST_F(ProgramWithDocumentTest, TmCommandsFollowTheDocumentAndReachIt) {
  ASSERT_TRUE(StartProgram());
  EXPECT_FALSE(IsMenuItemEnabled(ID_FILE_EXPORT_TMX));

  Document()->tm_open = true;
  Frame()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
  for (int command : {ID_FILE_ADD_ENTRY, ID_FILE_IMPORT_ENTRIES,
                      ID_FILE_EXPORT_OPENTAG, ID_FILE_EXPORT_TMX}) {
    EXPECT_TRUE(IsMenuItemEnabled(command)) << command;
    ChooseCommand(command);
  }
  EXPECT_TRUE(Frame()->GetToolBar()->GetToolEnabled(
      WxCommandId(ID_FILE_EXPORT_TMX)));
  EXPECT_EQ((std::vector<int>{ID_FILE_ADD_ENTRY, ID_FILE_IMPORT_ENTRIES,
                              ID_FILE_EXPORT_OPENTAG, ID_FILE_EXPORT_TMX}),
            Document()->commands);
}

TEST_F(ProgramWithDocumentTest, OpeningTheOpenTmAgainOnlyBringsTheWindowUp) {
  const std::string tm = TempPath("a.vrx");
  ASSERT_TRUE(StartProgram(tm));
  EXPECT_TRUE(App().OpenDocumentFile(tm));
  EXPECT_EQ(1u, Document()->open_requests.size());
}

TEST_F(ProgramWithDocumentTest, NewGivesTheDocumentItsDefaultTitleFirst) {
  const std::string tm = TempPath("a.vrx");
  ASSERT_TRUE(StartProgram(tm));
  EXPECT_EQ("Tarvenna - a.vrx", Frame()->GetTitle());
  ChooseCommand(ID_FILE_NEW);
  EXPECT_EQ(1, Document()->new_calls);
  EXPECT_EQ("Tarvenna - <No Active TM>", Frame()->GetTitle());
}

TEST_F(ProgramWithDocumentTest, OpenOffersTmFilesAndOpensTheChosenOne) {
  ASSERT_TRUE(StartProgram());
  const std::string tm = TempPath("b.vrx");
  WriteFile(tm, "");  // unshown, GTK's dialog reports only existing files
  wxTEST_DIALOG(ChooseCommand(ID_FILE_OPEN),
                ExpectFileDialog("Open",
                                 "Tarvenna TM Files (*.vrx)|*.vrx|"
                                 "All Files (*.*)|*",
                                 wxFD_OPEN, tm));
  EXPECT_EQ(std::vector<wxString>{tm}, Document()->open_requests);
}

TEST_F(ProgramWithDocumentTest, CtrlSLeavesTheOpenTmFileAsItIs) {
  const std::string tm = TempPath("keep.vrx");
  const std::string bytes = std::string("zqVRX100") + std::string(74, '\0');
  WriteFile(tm, bytes);
  ASSERT_TRUE(StartProgram(tm));

  PressKey(Frame(), 'S', wxMOD_CONTROL);
  ChooseCommand(ID_FILE_SAVE);

  std::ifstream in(tm, std::ios::binary);
  const std::string after((std::istreambuf_iterator<char>(in)),
                          std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, after);
}

}  // namespace
