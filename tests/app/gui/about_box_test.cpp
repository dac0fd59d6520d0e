// The About box: its texts, the icon and logo pictures, and OK.

#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "about_box.h"
#include "gui_test_support.h"
#include "program_fixture.h"

namespace {

TEST_F(StartedProgramTest, AboutBoxNamesTheProductAndShowsIconAndLogo) {
  CAboutBox about;
  std::vector<wxString> labels;
  std::vector<wxSize> pictures;
  const int result = RunModalDriven(about, [&] {
    wxWindowList pending(about.GetChildren());
    while (!pending.empty()) {
      wxWindow* window = pending.front();
      pending.pop_front();
      for (wxWindow* child : window->GetChildren()) pending.push_back(child);
      if (auto* label = dynamic_cast<wxStaticText*>(window)) {
        labels.push_back(label->GetLabel());
      } else if (auto* picture = dynamic_cast<wxStaticBitmap*>(window)) {
        pictures.push_back(picture->GetBitmap().GetSize());
      }
    }
    EXPECT_EQ(wxID_OK, FocusedId()) << "OK is the only control to focus";
    ClickButton(&about, wxID_OK);
  });
  EXPECT_EQ(wxID_OK, result);
  EXPECT_EQ("About Tarvenna", about.GetTitle());
  ASSERT_EQ(2u, labels.size());
  EXPECT_EQ("Tarvenna TM Demo", labels[0]);
  EXPECT_TRUE(labels[1].Contains("2026")) << labels[1];
  EXPECT_TRUE(labels[1].Contains("ORVEL Vavovazuriv")) << labels[1];
  EXPECT_EQ((std::vector<wxSize>{wxSize(32, 32), wxSize(54, 25)}), pictures);
}

}  // namespace
