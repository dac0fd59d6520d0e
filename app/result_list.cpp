#include "result_list.h"

#include <wx/dc.h>
#include <wx/settings.h>
#include <wx/tokenzr.h>

namespace {

constexpr int kTabStopDialogUnits = 32;
constexpr int kMargin = 2;

}  // namespace

CResultList::CResultList(wxWindow* parent, wxWindowID id, const wxPoint& position,
                         const wxSize& size, SourceTextFn source_text)
    : wxVListBox(parent, id, position, size, wxBORDER_SUNKEN | wxVSCROLL | wxWANTS_CHARS),
      source_text_(std::move(source_text)) {
  SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX));
}

void CResultList::RemoveAll() {
  lines_.clear();
  SetItemCount(0);
}

void CResultList::AddLine(int percent, int32_t offset) {
  lines_.push_back(Line{percent, offset});
}

void CResultList::ShowAddedLines() {
  const int selection = GetSelection();
  SetItemCount(lines_.size());
  if (selection != wxNOT_FOUND) SetSelection(selection);
  Refresh();
}

wxString CResultList::GetLineText(size_t line) const {
  return wxString::Format("%d%%\t", lines_[line].percent) +
         source_text_(lines_[line].offset);
}

void CResultList::OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const {
  dc.SetTextForeground(wxSystemSettings::GetColour(
      IsSelected(n) ? wxSYS_COLOUR_HIGHLIGHTTEXT : wxSYS_COLOUR_LISTBOXTEXT));
  const int tab = ConvertDialogToPixels(wxSize(kTabStopDialogUnits, 0)).x;
  // Each piece after a tab starts at the next tab stop past the text before.
  // A line break in a source text would draw over the next line.
  wxString text = GetLineText(n);
  for (wxString::iterator c = text.begin(); c != text.end(); ++c) {
    if (*c < ' ' && *c != '\t') *c = ' ';
  }
  int x = 0;
  wxStringTokenizer pieces(text, "\t", wxTOKEN_RET_EMPTY_ALL);
  bool first = true;
  while (pieces.HasMoreTokens()) {
    const wxString piece = pieces.GetNextToken();
    if (!first) x = (x / tab + 1) * tab;
    first = false;
    dc.DrawText(piece, rect.x + kMargin + x, rect.y + 1);
    x += dc.GetTextExtent(piece).x;
  }
}

wxCoord CResultList::OnMeasureItem(size_t) const {
  return GetCharHeight() + 2;
}
