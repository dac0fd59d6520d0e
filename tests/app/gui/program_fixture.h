// Starts and stops the program inside the test process, as `tarvenna [TM]`
// would, with its settings in a fresh folder of its own for every test.

#ifndef TARVENNA_TESTS_APP_GUI_PROGRAM_FIXTURE_H_
#define TARVENNA_TESTS_APP_GUI_PROGRAM_FIXTURE_H_

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/string.h>

#include "document_base.h"
#include "main_frame.h"
#include "tarvenna_app.h"

// A stand-in for the TM document: it opens every path except the refused
// ones, and enables the TM commands while "a TM is open".
class FakeDocument : public CDocumentBase {
 public:
  FakeDocument();

  bool OnNewDocument() override;
  bool OnOpenDocument(const wxString& path) override;

  int new_calls = 0;
  std::vector<wxString> open_requests;
  std::set<wxString> refused;
  bool tm_open = false;
  std::vector<int> commands;  // TM commands received, by number
};

class ProgramFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Plugs FakeDocument in as the document class; before StartProgram.
  void UseFakeDocument();
  // Starts the program as `tarvenna [tm]`; false if start-up failed.
  bool StartProgram(const wxString& tm = wxString());
  void StopProgram();

  CTarvennaApp& App() const;
  CMainFrame* Frame() const;
  FakeDocument* Document() const;

  // The state of a command's menu item after the menus have been updated.
  bool IsMenuItemEnabled(int command) const;
  bool IsMenuItemChecked(int command) const;

  // Sends a menu command to the main window, as choosing it does.
  void ChooseCommand(int command) const;

  // A file in the test's own folder.
  std::string TempPath(const std::string& name) const;
  void WriteFile(const std::string& path, const std::string& bytes) const;

  std::string temp_dir_;
  bool started_ = false;
};

// The program started without arguments and without a document class, as
// this build ships.
class StartedProgramTest : public ProgramFixture {
 protected:
  void SetUp() override;
};

#endif  // TARVENNA_TESTS_APP_GUI_PROGRAM_FIXTURE_H_
