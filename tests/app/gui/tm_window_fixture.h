// The program with its TM document and query view, as a translator uses it,
// and ways to look at what the window shows.

#ifndef TARVENNA_TESTS_APP_GUI_TM_WINDOW_FIXTURE_H_
#define TARVENNA_TESTS_APP_GUI_TM_WINDOW_FIXTURE_H_

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include "gui_test_support.h"
#include "new_tm_dlg.h"
#include "program_fixture.h"
#include "tarvenna_doc.h"
#include "tarvenna_view.h"

// Answers a modal dialog of class T with whatever `answer` does to it.
template <class T>
class ExpectDialog : public wxExpectModalBase<T, ExpectDialog<T>> {
 public:
  explicit ExpectDialog(std::function<int(T*)> answer) : answer_(std::move(answer)) {}

 protected:
  int OnInvoked(T* dialog) const override { return answer_(dialog); }

 private:
  std::function<int(T*)> answer_;
};

class TmWindowTest : public ProgramFixture {
 protected:
  using Entries = std::vector<std::pair<std::string, std::string>>;

  // A TM in the test's folder holding `entries` (windows-1252 texts).
  std::string MakeTm(const std::string& name, const Entries& entries);

  // Starts the program, on `tm` when one is given.
  void Start(const std::string& tm = std::string());

  CTarvennaDoc* Doc() const;
  CTarvennaView* View() const;
  wxTextCtrl* Edit(int id) const;
  wxString Label(int id) const;

  // Runs a query as the user does: text, threshold, mode, Query button.
  void RunQuery(const wxString& text, const wxString& threshold = "75",
                bool concordance = false);
  // The result list's lines, once every hit is listed.
  std::vector<wxString> Lines() const;

  // Shows the answers a New TM dialog gets.
  static ExpectDialog<CNewTmDlg> NewTmAnswer(const wxString& path,
                                                    const wxString& source = "EN-US",
                                                    const wxString& target = "FR-FR");
};

#endif  // TARVENNA_TESTS_APP_GUI_TM_WINDOW_FIXTURE_H_
