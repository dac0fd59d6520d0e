// The recent-file list: what the File menu shows after TMs have been opened,
// what the settings keep, and what choosing an entry does.

#include <wx/config.h>
#include <wx/menu.h>

#include "gui_test_support.h"
#include "program_fixture.h"
#include "resource_ids.h"

namespace {

class RecentFileListTest : public ProgramFixture {
 protected:
  void SetUp() override {
    ProgramFixture::SetUp();
    UseFakeDocument();
    ASSERT_TRUE(StartProgram());
  }

  // The File menu's recent-file lines, as shown.
  std::vector<wxString> RecentLines() const {
    std::vector<wxString> lines;
    wxMenu* file = Frame()->GetFileMenu();
    for (size_t i = 0; i < file->GetMenuItemCount(); ++i) {
      const int id = file->FindItemByPosition(i)->GetId();
      if (id >= WxCommandId(ID_FILE_MRU_FILE1) &&
          id <= WxCommandId(ID_FILE_MRU_LAST)) {
        lines.push_back(file->FindItemByPosition(i)->GetItemLabel());
      }
    }
    return lines;
  }

  // A TM in a folder deep enough that its path needs shortening.
  std::string DeepTm(int n) const {
    return TempPath("translation-memories/software/tm" + std::to_string(n) +
                    ".vrx");
  }

  static std::string Shown(int n) {
    return ".../software/tm" + std::to_string(n) + ".vrx";
  }
};

TEST_F(RecentFileListTest, AnEmptyListShowsTheGreyedRecentTmLine) {
  EXPECT_EQ(std::vector<wxString>{"Recent TM"}, RecentLines());
  EXPECT_FALSE(IsMenuItemEnabled(ID_FILE_MRU_FILE1));
}

TEST_F(RecentFileListTest, SevenOpensListTheLastSixNewestFirst) {
  for (int n = 1; n <= 7; ++n) ASSERT_TRUE(App().OpenDocumentFile(DeepTm(n)));

  EXPECT_EQ((std::vector<wxString>{
                "&1 /" + Shown(7), "&2 /" + Shown(6), "&3 /" + Shown(5),
                "&4 /" + Shown(4), "&5 /" + Shown(3), "&6 /" + Shown(2)}),
            RecentLines());
  // The list stands where "Recent TM" stood: after Export To TMX and its
  // separator, before the separator and Exit.
  wxMenu* file = Frame()->GetFileMenu();
  EXPECT_EQ(WxCommandId(ID_FILE_MRU_FILE1), file->FindItemByPosition(9)->GetId());
  EXPECT_TRUE(file->FindItemByPosition(15)->IsSeparator());
  EXPECT_EQ(WxCommandId(ID_APP_EXIT), file->FindItemByPosition(16)->GetId());
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(IsMenuItemEnabled(ID_FILE_MRU_FILE1 + i)) << i;
    EXPECT_EQ("Opens this TM", Frame()->GetMenuBar()->GetHelpString(
                                   WxCommandId(ID_FILE_MRU_FILE1 + i)));
  }

  // The settings keep the full paths as File1 to File6.
  wxConfigBase* config = wxConfigBase::Get(false);
  ASSERT_NE(nullptr, config);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(wxString(DeepTm(8 - i)),
              config->Read(wxString::Format("/Recent File List/File%d", i)));
  }
  EXPECT_FALSE(config->HasEntry("/Recent File List/File7"));
}

TEST_F(RecentFileListTest, OpeningAListedTmMovesItToTheTop) {
  for (int n = 1; n <= 3; ++n) ASSERT_TRUE(App().OpenDocumentFile(DeepTm(n)));
  ASSERT_TRUE(App().OpenDocumentFile(DeepTm(1)));
  EXPECT_EQ((std::vector<wxString>{"&1 /" + Shown(1), "&2 /" + Shown(3),
                                   "&3 /" + Shown(2)}),
            RecentLines());
}

TEST_F(RecentFileListTest, TheListSurvivesARestart) {
  for (int n = 1; n <= 2; ++n) ASSERT_TRUE(App().OpenDocumentFile(DeepTm(n)));
  StopProgram();
  ASSERT_TRUE(StartProgram());
  EXPECT_EQ((std::vector<wxString>{"&1 /" + Shown(2), "&2 /" + Shown(1)}),
            RecentLines());
}

TEST_F(RecentFileListTest, ChoosingAnEntryOpensItsTm) {
  for (int n = 1; n <= 2; ++n) ASSERT_TRUE(App().OpenDocumentFile(DeepTm(n)));
  ChooseCommand(ID_FILE_MRU_FILE1 + 1);
  EXPECT_EQ(wxString(DeepTm(1)), Document()->open_requests.back());
  EXPECT_EQ("&1 /" + Shown(1), RecentLines().front());
}

TEST_F(RecentFileListTest, AnEntryWhoseTmNoLongerOpensLeavesTheList) {
  for (int n = 1; n <= 2; ++n) ASSERT_TRUE(App().OpenDocumentFile(DeepTm(n)));
  Document()->refused.insert(DeepTm(1));
  ChooseCommand(ID_FILE_MRU_FILE1 + 1);
  EXPECT_EQ(std::vector<wxString>{"&1 /" + Shown(2)}, RecentLines());
  EXPECT_FALSE(wxConfigBase::Get(false)->HasEntry("/Recent File List/File2"));
}

TEST_F(RecentFileListTest, AnAmpersandInAFileNameShowsAsItself) {
  ASSERT_TRUE(App().OpenDocumentFile(TempPath("R&D.vrx")));
  ASSERT_EQ(1u, RecentLines().size());
  EXPECT_TRUE(RecentLines().front().EndsWith("R&&D.vrx"))
      << RecentLines().front();
}

}  // namespace
