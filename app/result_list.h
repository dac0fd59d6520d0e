// CResultList: the hits of the last query, one line each: the percent, a
// percent sign, a tab and the source text, the text laid out at tab stops
// every 32 dialog units. Each line carries its entry's file offset.
//
// The list draws only the lines in sight and reads their source texts when
// it draws them, so a query with hundreds of thousands of hits fills it at
// once; GTK's own list box takes seconds to take such a number of lines.

#ifndef TARVENNA_APP_RESULT_LIST_H_
#define TARVENNA_APP_RESULT_LIST_H_

#include <cstdint>
#include <functional>
#include <vector>

#include <wx/vlbox.h>

class CResultList : public wxVListBox {
 public:
  // The source text of the entry at an offset; empty when it cannot be read.
  using SourceTextFn = std::function<wxString(int32_t offset)>;

  CResultList(wxWindow* parent, wxWindowID id, const wxPoint& position,
              const wxSize& size, SourceTextFn source_text);

  void RemoveAll();
  // Adds a line at the end; ShowAddedLines makes the added lines count.
  void AddLine(int percent, int32_t offset);
  void ShowAddedLines();

  size_t GetLineCount() const { return lines_.size(); }
  int32_t GetItemData(size_t line) const { return lines_[line].offset; }
  // The line as the list shows it: "87%\tHello".
  wxString GetLineText(size_t line) const;

 protected:
  void OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const override;
  wxCoord OnMeasureItem(size_t n) const override;

 private:
  struct Line {
    int percent;
    int32_t offset;
  };

  std::vector<Line> lines_;
  SourceTextFn source_text_;
};

#endif  // TARVENNA_APP_RESULT_LIST_H_
