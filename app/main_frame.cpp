#include "main_frame.h"

#include <vector>

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "first_view_size.h"
#include "platform/resource_strings.h"
#include "platform/resource_templates.h"
#include "resource_ids.h"
#include "resource_tables.h"

namespace {

// The keyboard indicators of the status bar, after its message pane.
struct KeyIndicator {
  int string_id;
  wxKeyCode key;
};
constexpr KeyIndicator kKeyIndicators[] = {
    {ID_INDICATOR_CAPS, WXK_CAPITAL},
    {ID_INDICATOR_NUM, WXK_NUMLOCK},
    {ID_INDICATOR_SCRL, WXK_SCROLL},
};
constexpr int kIndicatorCount = 3;

// Commands carried out by the document (the TM commands) or the view (the
// Edit commands and pane switching). Until one of them takes a command, it
// stays disabled, so that nothing offers to act on a TM or a field that
// isn't there.
constexpr int kTargetedCommands[] = {
    ID_FILE_ADD_ENTRY, ID_FILE_IMPORT_ENTRIES, ID_FILE_EXPORT_OPENTAG,
    ID_FILE_EXPORT_TMX, ID_EDIT_UNDO,          ID_EDIT_CUT,
    ID_EDIT_COPY,      ID_EDIT_PASTE,          ID_NEXT_PANE,
    ID_PREV_PANE,
};

// The program's name comes first, then the document's title: the name is
// what the user looks for among the windows.
wxString FrameTitle(const wxString& document_title) {
  return LoadDocString(kDocWindowTitle) + " - " + document_title;
}

}  // namespace

CMainFrame::CMainFrame()
    : wxFrame(nullptr, wxID_ANY, FrameTitle(LoadDocString(kDocName))) {
  SetIcon(LoadIconResource(IDR_MAINFRAME));

  Bind(wxEVT_MENU, &CMainFrame::OnToggleBar, this,
       WxCommandId(ID_VIEW_TOOLBAR));
  Bind(wxEVT_MENU, &CMainFrame::OnToggleBar, this,
       WxCommandId(ID_VIEW_STATUS_BAR));
  Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateToggleBar, this,
       WxCommandId(ID_VIEW_TOOLBAR));
  Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateToggleBar, this,
       WxCommandId(ID_VIEW_STATUS_BAR));
  for (int command : kTargetedCommands) {
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateCommandWithoutTarget, this,
         WxCommandId(command));
  }
  Bind(wxEVT_IDLE, &CMainFrame::OnIdle, this);
}

bool CMainFrame::OnCreate() {
  if (!CreateMenus() || !CreateToolbarFromResource() ||
      !CreateStatusBarWithIndicators()) {
    return false;
  }
  InstallAccelerators();
  // Start at the size of the query form, which the view will fill.
  SetClientSize(ConvertDialogToPixels(
      wxSize(kQueryFormWidthDlu, kQueryFormHeightDlu)));
  return true;
}

bool CMainFrame::CreateMenus() {
  auto* menu_bar = new wxMenuBar;
  wxMenu* menu = nullptr;
  for (size_t i = 0; i < kMainMenuLines; ++i) {
    const MenuResourceLine& line = kMainMenu[i];
    switch (line.kind) {
      case MenuResourceLine::kPopup:
        menu = new wxMenu;
        menu_bar->Append(menu, wxString::FromUTF8(line.text));
        break;
      case MenuResourceLine::kSeparator:
        menu->AppendSeparator();
        break;
      case MenuResourceLine::kItem: {
        const wxItemKind kind = (line.flags & MenuResourceLine::kCheckable)
                                    ? wxITEM_CHECK
                                    : wxITEM_NORMAL;
        wxMenuItem* item =
            menu->Append(WxCommandId(line.command),
                         wxString::FromUTF8(line.text),
                         LoadCommandPrompt(line.command), kind);
        if (line.flags & MenuResourceLine::kGrayed) item->Enable(false);
        break;
      }
    }
  }
  SetMenuBar(menu_bar);
  return menu_bar->GetMenuCount() > 0;
}

bool CMainFrame::CreateToolbarFromResource() {
  const wxBitmap images = LoadBitmapResource(IDR_MAINFRAME);
  if (!images.IsOk()) return false;
  wxToolBar* toolbar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT,
                                     WxCommandId(ID_VIEW_TOOLBAR));
  if (!toolbar) return false;
  toolbar->SetToolBitmapSize(wxSize(kToolbarImageSize, kToolbarImageSize));
  int image = 0;
  for (size_t i = 0; i < kMainToolbarItems; ++i) {
    const int command = kMainToolbar[i];
    if (command == ID_SEPARATOR) {
      toolbar->AddSeparator();
      continue;
    }
    const wxRect cell(image * kToolbarImageSize, 0, kToolbarImageSize,
                      kToolbarImageSize);
    if (cell.GetRight() >= images.GetWidth()) return false;
    ++image;
    wxToolBarToolBase* tool = toolbar->AddTool(
        WxCommandId(command), LoadCommandTooltip(command),
        images.GetSubBitmap(cell), LoadCommandTooltip(command));
    tool->SetLongHelp(LoadCommandPrompt(command));
  }
  return toolbar->Realize();
}

bool CMainFrame::CreateStatusBarWithIndicators() {
  wxStatusBar* status_bar = CreateStatusBar(
      1 + kIndicatorCount, wxSTB_DEFAULT_STYLE, WxCommandId(ID_VIEW_STATUS_BAR));
  if (!status_bar) return false;
  // The message pane takes the room the indicators leave; each indicator is
  // as wide as its text.
  int widths[1 + kIndicatorCount] = {-1};
  for (int i = 0; i < kIndicatorCount; ++i) {
    const wxString text = LoadResourceString(kKeyIndicators[i].string_id);
    widths[1 + i] = status_bar->GetTextExtent(text).x + 16;
  }
  status_bar->SetStatusWidths(1 + kIndicatorCount, widths);
  SetMessageText(IDS_IDLE_MESSAGE);
  return true;
}

void CMainFrame::InstallAccelerators() {
  std::vector<wxAcceleratorEntry> entries;
  for (size_t i = 0; i < kMainAcceleratorCount; ++i) {
    const AcceleratorResource& accel = kMainAccelerators[i];
    entries.emplace_back(accel.modifiers, accel.key,
                         WxCommandId(accel.command));
  }
  SetAcceleratorTable(
      wxAcceleratorTable(static_cast<int>(entries.size()), entries.data()));
}

void CMainFrame::SetDocumentTitle(const wxString& document_title) {
  SetTitle(FrameTitle(document_title));
}

void CMainFrame::SetMessageText(int string_id) {
  if (GetStatusBar()) SetStatusText(LoadResourceString(string_id), 0);
}

wxMenu* CMainFrame::GetFileMenu() const {
  return GetMenuBar() ? GetMenuBar()->GetMenu(0) : nullptr;
}

void CMainFrame::SetView(wxWindow* view) {
  view_ = view;
  Layout();
}

void CMainFrame::SetDocumentHandler(wxEvtHandler* document) {
  document_ = document;
}

bool CMainFrame::TryBefore(wxEvent& event) {
  const wxEventType type = event.GetEventType();
  if (type == wxEVT_MENU || type == wxEVT_UPDATE_UI) {
    if (view_ && view_->GetEventHandler()->ProcessEventLocally(event)) {
      return true;
    }
    if (document_ && document_->ProcessEventLocally(event)) return true;
  }
  return wxFrame::TryBefore(event);
}

void CMainFrame::OnToggleBar(wxCommandEvent& event) {
  wxWindow* bar = event.GetId() == WxCommandId(ID_VIEW_TOOLBAR)
                      ? static_cast<wxWindow*>(GetToolBar())
                      : static_cast<wxWindow*>(GetStatusBar());
  if (!bar) return;
  bar->Show(!bar->IsShown());
  SendSizeEvent();
}

void CMainFrame::OnUpdateToggleBar(wxUpdateUIEvent& event) {
  const wxWindow* bar = event.GetId() == WxCommandId(ID_VIEW_TOOLBAR)
                            ? static_cast<wxWindow*>(GetToolBar())
                            : static_cast<wxWindow*>(GetStatusBar());
  event.Check(bar && bar->IsShown());
}

void CMainFrame::OnUpdateCommandWithoutTarget(wxUpdateUIEvent& event) {
  event.Enable(false);
}

void CMainFrame::OnIdle(wxIdleEvent& event) {
  UpdateKeyIndicators();
  OnGetMinMaxInfo();
  event.Skip();
}

void CMainFrame::UpdateKeyIndicators() {
  wxStatusBar* status_bar = GetStatusBar();
  if (!status_bar) return;
  for (int i = 0; i < kIndicatorCount; ++i) {
    const wxString text = wxGetKeyState(kKeyIndicators[i].key)
                              ? LoadResourceString(kKeyIndicators[i].string_id)
                              : wxString();
    if (status_bar->GetStatusText(1 + i) != text) {
      status_bar->SetStatusText(text, 1 + i);
    }
  }
}

// The window may not become smaller than the size at which the view first
// recorded its size: its client area then held the view exactly, so the
// window's size follows from that and from what menu, bars and borders take
// now. Until the view has recorded it, there is no such limit.
void CMainFrame::OnGetMinMaxInfo() {
  if (g_cxFirstView < 0 || g_cyFirstView < 0) return;
  const wxSize minimum =
      ClientToWindowSize(wxSize(g_cxFirstView, g_cyFirstView));
  if (GetMinSize() != minimum) SetMinSize(minimum);
}
