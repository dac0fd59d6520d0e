#include "path_abbreviation.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* path;
  const char* shown;
};

TEST(AbbreviatePath, KeepsTheFileAndTheNearestFoldersWithinThirtyCharacters) {
  const Case cases[] = {
      // Short enough: unchanged, even at exactly 30 characters.
      {"/home/ana/tms/ui.vrx", "/home/ana/tms/ui.vrx"},
      {"/home/ana/projects/tm/ui12.vrx", "/home/ana/projects/tm/ui12.vrx"},
      // Folders far from the file give way first.
      {"/home/ana/projects/software/tm/ui.vrx", "/.../software/tm/ui.vrx"},
      {"/home/ana/projects/software-localisation/ui.vrx",
       "/.../ui.vrx"},
      // No folder fits: the file name alone, cut if it must be.
      {"/home/ana/translation-memory-2026.vrx",
       "translation-memory-2026.vrx"},
      {"/home/ana/an-even-longer-file-name-for-the-tm.vrx",
       "an-even-longer-file-name-fo..."},
      // A relative path has no root to keep.
      {"projects/software/localisation/tm/ui.vrx",
       ".../localisation/tm/ui.vrx"},
  };
  for (const Case& c : cases) {
    const wxString shown = AbbreviatePath(c.path, 30);
    EXPECT_EQ(wxString(c.shown), shown) << c.path;
    EXPECT_LE(shown.length(), 30u) << c.path;
  }
}

}  // namespace
