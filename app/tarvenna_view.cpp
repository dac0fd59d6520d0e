#include "tarvenna_view.h"

#include <algorithm>
#include <cstdlib>

#include <wx/checkbox.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "main_frame.h"
#include "platform/cp1252.h"
#include "platform/resource_strings.h"
#include "platform/resource_templates.h"
#include "result_list.h"
#include "resource_ids.h"
#include "first_view_size.h"
#include "source_key.h"
#include "tarvenna_doc.h"
#include "up_down_control.h"

namespace {

constexpr int kLowestThreshold = 1;
constexpr int kHighestThreshold = 100;
constexpr int kArrowsWidthDlu = 11;
// Hits listed at once by a query; the rest follow while the program idles,
// so that a query with hundreds of thousands of hits keeps the window alive.
constexpr size_t kHitsListedAtOnce = 1000;
constexpr size_t kHitsListedPerIdle = 20000;

template <typename T>
T* Control(wxWindow* form, int id) {
  return dynamic_cast<T*>(form->FindWindow(id));
}

// "%d Entry" for 0 and 1, "%d Entries" from 2 on; the same for matches.
wxString CountText(int count, int one_id, int many_id) {
  return wxString::Format(LoadResourceString(count > 1 ? many_id : one_id), count);
}

// The text of a source key as the key pane shows it: each word followed by
// one blank.
wxString KeyText(const std::string& source) {
  uint8_t* key = nullptr;
  uint32_t length = 0;
  if (!BuildSourceKey(source.c_str(), &key, &length)) {
    return LoadResourceString(IDS_KEY_ERROR);
  }
  if (length == 0) return LoadResourceString(IDS_KEY_EMPTY);
  for (uint32_t i = 4; i + 1 < length; ++i) {
    if (key[i] == 0) key[i] = ' ';
  }
  const std::string words(reinterpret_cast<const char*>(key + 4));
  std::free(key);
  return Cp1252ToWx(words);
}

}  // namespace

CTarvennaView::CTarvennaView(CMainFrame* frame, CTarvennaDoc* document)
    : CViewBase(document), frame_(frame) {
  LoadFormTemplate(this, frame, IDD_QUERY_FORM);
  AttachControls();
  frame->SetView(this);

  Bind(wxEVT_SIZE, &CTarvennaView::OnSize, this);
  Bind(wxEVT_BUTTON, &CTarvennaView::OnQueryButton, this, IDC_QUERY);
  Bind(wxEVT_LISTBOX, &CTarvennaView::OnResultSelected, this, IDC_RESULTS);
  Bind(wxEVT_CHECKBOX, &CTarvennaView::OnConcordanceClicked, this, IDC_CONCORDANCE);
  threshold_->Bind(wxEVT_KILL_FOCUS, &CTarvennaView::OnKillfocusThreshold, this);
  Bind(wxEVT_CHAR_HOOK, &CTarvennaView::OnCharHook, this);
  Bind(wxEVT_IDLE, &CTarvennaView::OnIdle, this);
  for (int command : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO}) {
    Bind(wxEVT_UPDATE_UI, &CTarvennaView::OnUpdateEditCommand, this,
         WxCommandId(command));
    Bind(wxEVT_MENU, &CTarvennaView::OnEditCommand, this, WxCommandId(command));
  }
}

void CTarvennaView::AttachControls() {
  query_ = Control<wxTextCtrl>(this, IDC_QUERY_TEXT);
  threshold_ = Control<wxTextCtrl>(this, IDC_THRESHOLD);
  concordance_ = Control<wxCheckBox>(this, IDC_CONCORDANCE);
  entry_count_ = Control<wxStaticText>(this, IDC_ENTRY_COUNT);
  match_count_ = Control<wxStaticText>(this, IDC_MATCH_COUNT);
  source_key_ = Control<wxTextCtrl>(this, IDC_SOURCE_KEY);
  source_text_ = Control<wxTextCtrl>(this, IDC_SOURCE);
  target_text_ = Control<wxTextCtrl>(this, IDC_TARGET);
  logo_ = Control<wxStaticBitmap>(this, IDC_LOGO);

  threshold_arrows_ = new CUpDownControl(
      this, IDC_THRESHOLD_SPIN, threshold_,
      ConvertDialogToPixels(wxSize(kArrowsWidthDlu, 0)).x);

  // The template holds a place for the list, which takes it over.
  // (XRC names the place after the control it holds, "1002_container".)
  wxWindow* place = FindWindow(wxString::Format("%d_container", IDC_RESULTS));
  results_ = new CResultList(
      this, IDC_RESULTS, place->GetPosition(), place->GetSize(),
      [this](int32_t offset) {
        TmEntry entry;
        TmStore* store = Store();
        return store && store->ReadEntry(entry, offset) ? Cp1252ToWx(entry.source)
                                                        : wxString();
      });
  results_->MoveAfterInTabOrder(place);
  place->Destroy();
}

TmStore* CTarvennaView::Store() const {
  auto* document = static_cast<CTarvennaDoc*>(GetDocument());
  return document ? &document->GetStore() : nullptr;
}

void CTarvennaView::OnInitialUpdate() {
  TmStore* store = Store();
  threshold_arrows_->SetRange(kLowestThreshold, kHighestThreshold);
  threshold_arrows_->SetPos(store ? store->Threshold() : 75);
  concordance_->SetValue(store && store->Concordance());
  OnUpdate();
  frame_->Layout();
  const bool first = !initialised_;
  initialised_ = true;

  // The window fits the form again, shrinking only: a window larger than
  // the form returns to it, a smaller one stays as it is.
  const wxSize form = frame_->ConvertDialogToPixels(
      wxSize(kQueryFormWidthDlu, kQueryFormHeightDlu));
  const wxSize now = frame_->GetClientSize();
  const wxSize fitted(std::min(now.x, form.x), std::min(now.y, form.y));
  if (fitted != now) frame_->SetClientSize(fitted);
  // The size the view is at now is where its fields' stretching starts,
  // and the least the window may shrink to.
  if (first && last_width_ == 0) {
    last_width_ = g_cxFirstView = fitted.x;
    last_height_ = g_cyFirstView = fitted.y;
  }
}

void CTarvennaView::OnUpdate() {
  TmStore* store = Store();
  entry_count_->SetLabel(
      CountText(store ? store->EntryCount() : 0, IDS_ONE_ENTRY, IDS_ENTRIES));
  OnQuery();
}

void CTarvennaView::OnQuery() {
  TmStore* store = Store();
  if (!store) return;
  const std::string text = WxToCp1252(query_->GetValue());
  ApplyTypedThreshold();
  store->SetThreshold(threshold_arrows_->GetPos());
  store->SetConcordance(concordance_->GetValue());
  const int32_t hits = store->Query(text.c_str());
  match_count_->SetLabel(CountText(hits, IDS_ONE_MATCH, IDS_MATCHES));

  results_->RemoveAll();
  TmEntry entry;
  int32_t offset = -1;
  const int32_t percent = store->FirstResult(entry, &offset);
  listing_ = percent != 0;
  if (listing_) {
    results_->AddLine(percent, offset);
    ListMoreHits(kHitsListedAtOnce - 1);
  }
  if (results_->GetLineCount() > 0) results_->SetSelection(0);
  results_->SetFocus();
  OnSelchangeResults();
}

// The rest of the result walk: each hit until one reads 0 %, the end of the
// walk or an entry that cannot be read.
void CTarvennaView::ListMoreHits(size_t count) {
  TmStore* store = Store();
  TmEntry entry;
  int32_t offset = -1;
  for (size_t i = 0; listing_ && i < count; ++i) {
    const int32_t percent = store ? store->NextResult(entry, &offset) : 0;
    if (percent == 0) {
      listing_ = false;
    } else {
      results_->AddLine(percent, offset);
    }
  }
  results_->ShowAddedLines();
}

void CTarvennaView::OnIdle(wxIdleEvent& event) {
  // A long operation lets the window repaint while it works on the TM; the
  // list waits until it is done.
  if (listing_ && !wxIsBusy()) {
    ListMoreHits(kHitsListedPerIdle);
    if (listing_) event.RequestMore();
  }
  event.Skip();
}

void CTarvennaView::OnSelchangeResults() {
  TmStore* store = Store();
  const int selection = results_->GetSelection();
  TmEntry entry;
  if (selection == wxNOT_FOUND || !store ||
      !store->ReadEntry(entry, results_->GetItemData(static_cast<size_t>(selection)))) {
    ClearPanes();
    return;
  }
  source_text_->ChangeValue(Cp1252ToWx(entry.source));
  target_text_->ChangeValue(Cp1252ToWx(entry.target));
  source_key_->ChangeValue(KeyText(entry.source));
}

void CTarvennaView::ClearPanes() {
  source_key_->ChangeValue(wxString());
  source_text_->ChangeValue(wxString());
  target_text_->ChangeValue(wxString());
}

void CTarvennaView::OnQueryButton(wxCommandEvent&) { OnQuery(); }

void CTarvennaView::OnResultSelected(wxCommandEvent&) { OnSelchangeResults(); }

void CTarvennaView::OnConcordanceClicked(wxCommandEvent&) { OnQuery(); }

void CTarvennaView::OnKillfocusThreshold(wxFocusEvent& event) {
  event.Skip();
  if (!threshold_->IsModified()) return;
  ApplyTypedThreshold();
  // Let the focus move on before the query, which takes it to the list.
  CallAfter([this] { OnQuery(); });
}

void CTarvennaView::ApplyTypedThreshold() {
  if (!threshold_->IsModified()) return;
  // Read as atoi reads: leading blanks and a sign, then digits up to the
  // first other character; no digits at all give 0.
  const long typed = std::strtol(threshold_->GetValue().ToStdString().c_str(),
                                 nullptr, 10);
  threshold_arrows_->SetPos(static_cast<int>(
      std::clamp<long>(typed, kLowestThreshold, kHighestThreshold)));
}

void CTarvennaView::OnCharHook(wxKeyEvent& event) {
  // Enter anywhere in the form presses the form's default button, Query.
  const int key = event.GetKeyCode();
  if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) &&
      event.GetModifiers() == wxMOD_NONE) {
    OnQuery();
    return;
  }
  event.Skip();
}

void CTarvennaView::OnSize(wxSizeEvent& event) {
  event.Skip();
  if (!query_ || !initialised_) return;
  const int cx = event.GetSize().x;
  const int cy = event.GetSize().y;
  if (last_width_ == 0) {
    last_width_ = g_cxFirstView = cx;
    last_height_ = g_cyFirstView = cy;
    return;
  }
  if (cx == 0 && cy == 0) return;  // minimised
  const int dx = cx - last_width_;
  const int dy = cy - last_height_;
  last_width_ = cx;
  last_height_ = cy;
  StretchControls(dx, dy);
}

// The query field, the three panes and the list widen with the window, the
// list also lengthens, and the logo keeps to the right edge.
void CTarvennaView::StretchControls(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  auto grow = [](wxWindow* control, int width, int height) {
    const wxSize size = control->GetSize();
    control->SetSize(size.x + width, size.y + height);
  };
  grow(query_, dx, 0);
  logo_->Move(logo_->GetPosition() + wxPoint(dx, 0));
  grow(source_key_, dx, 0);
  grow(source_text_, dx, 0);
  grow(target_text_, dx, 0);
  grow(results_, dx, dy);
}

bool CTarvennaView::IsEditControl(wxWindow* window) {
  return window != nullptr && dynamic_cast<wxTextCtrl*>(window) != nullptr;
}

void CTarvennaView::OnUpdateEditCommand(wxUpdateUIEvent& event) {
  wxWindow* focus = FindFocus();
  if (!IsEditControl(focus)) {
    event.Enable(false);
    return;
  }
  auto* edit = static_cast<wxTextCtrl*>(focus);
  switch (CommandFromWxId(event.GetId())) {
    case ID_EDIT_COPY: event.Enable(edit->CanCopy()); break;
    case ID_EDIT_CUT: event.Enable(edit->IsEditable() && edit->CanCut()); break;
    case ID_EDIT_PASTE: event.Enable(edit->IsEditable() && edit->CanPaste()); break;
    case ID_EDIT_UNDO: event.Enable(edit->CanUndo()); break;
    default: event.Enable(false);
  }
}

void CTarvennaView::OnEditCommand(wxCommandEvent& event) {
  wxWindow* focus = FindFocus();
  if (!IsEditControl(focus)) return;
  auto* edit = static_cast<wxTextCtrl*>(focus);
  switch (CommandFromWxId(event.GetId())) {
    case ID_EDIT_COPY: edit->Copy(); break;
    case ID_EDIT_CUT: edit->Cut(); break;
    case ID_EDIT_PASTE: edit->Paste(); break;
    case ID_EDIT_UNDO: edit->Undo(); break;
    default: break;
  }
}
