#include "resource_strings.h"

#include <gtest/gtest.h>

#include "resource_tables.h"

namespace {

TEST(ResourceStrings, ACommandStringSplitsIntoPromptAndTooltip) {
  EXPECT_EQ("Exports the TM to TMX", LoadCommandPrompt(ID_FILE_EXPORT_TMX));
  EXPECT_EQ("Export To TMX", LoadCommandTooltip(ID_FILE_EXPORT_TMX));
  // A prompt without a tooltip keeps its ampersand and has no tooltip.
  EXPECT_EQ("Goes to the Multilingual Computing & Technology Web site",
            LoadCommandPrompt(ID_HELP_MAGAZINE_SITE));
  EXPECT_EQ("", LoadCommandTooltip(ID_HELP_MAGAZINE_SITE));
}

TEST(ResourceStrings, DocumentStringPartsAreTheTextsBetweenLineFeeds) {
  EXPECT_EQ("Tarvenna", LoadDocString(kDocWindowTitle));
  EXPECT_EQ("<No Active TM>", LoadDocString(kDocName));
  EXPECT_EQ("Tarvenna TM Files (*.vrx)", LoadDocString(kDocFilterName));
  EXPECT_EQ(".vrx", LoadDocString(kDocFilterExt));
  EXPECT_EQ("Untitled.vrx", LoadDocString(kDocRegFileTypeName));
}

TEST(ResourceStrings, NumberedPlaceholdersTakeTheirArguments) {
  EXPECT_EQ("Please enter an integer between -999 and 9999.",
            FormatResourceString(IDP_PARSE_INT_RANGE, {"-999", "9999"}));
  EXPECT_EQ("Please enter no more than 5 characters.",
            FormatResourceString(IDP_PARSE_STRING_SIZE, {"5"}));
  // A placeholder without an argument stays as it is.
  EXPECT_EQ("Please enter an integer between 1 and %2.",
            FormatResourceString(IDP_PARSE_INT_RANGE, {"1"}));
}

TEST(ResourceStrings, FiltersLoseTheirClosingBarsForTheFileDialog) {
  EXPECT_EQ("Tarvenna TM Files (*.vrx)|*.vrx|All Files (*.*)|*.*",
            FileDialogWildcard(IDS_TM_FILTER));
}

TEST(ResourceStrings, EveryCommandOfTheMenuAndToolbarHasAPrompt) {
  for (size_t i = 0; i < kMainMenuLines; ++i) {
    if (kMainMenu[i].kind == MenuResourceLine::kItem) {
      EXPECT_FALSE(LoadCommandPrompt(kMainMenu[i].command).empty())
          << kMainMenu[i].command;
    }
  }
  for (size_t i = 0; i < kMainToolbarItems; ++i) {
    if (kMainToolbar[i] == ID_SEPARATOR) continue;
    EXPECT_FALSE(LoadCommandTooltip(kMainToolbar[i]).empty())
        << kMainToolbar[i];
  }
}

}  // namespace
