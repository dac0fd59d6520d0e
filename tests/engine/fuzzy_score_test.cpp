// Fuzzy scoring: the word matching rule, the float arithmetic of scores and
// thresholds, and FindMatches over a TM.

#include <gtest/gtest.h>

#include <string>

#include "fuzzy_score.h"
#include "source_key.h"
#include "tm_fixture.h"

namespace {

constexpr float kSixSevenths = 0.857142865657806396484375f;
constexpr float kTwoThirds = 0.666666686534881591796875f;

struct ScoreCase {
  const char* query;
  const char* stored;
  bool concordance;
  int32_t common;
  bool inOrder;
  int32_t queryWords;
  int32_t recordWords;
  float score;
};

const ScoreCase kScoreCases[] = {
    {"Open the file", "Open the file", false, 3, true, 3, 3, 1.0f},
    {"open the file", "Open the file", false, 3, true, 3, 3, 0.99f},
    {"Save As", "Save as...", true, 2, true, 2, 2, 0.99f},
    {"the file open", "Open the file", false, 3, false, 3, 3, 0.98f},
    {"Open the file now", "Open the file", false, 3, true, 4, 3, kSixSevenths},
    {"Open the file now", "Open the file", true, 3, true, 4, 3, 0.75f},
    {"Open file", "Open the file", false, 2, false, 2, 3, 0.8f},
    {"Open file", "Open the file", true, 2, false, 2, 3, 0.98f},
    {"file menu", "Open the file menu", true, 2, false, 2, 4, 0.98f},
    {"Close the window", "Close the file", false, 2, true, 3, 3, kTwoThirds},
    {"b a a", "a b", false, 3, false, 3, 2, 0.98f},
    {"a a", "a", false, 1, true, 2, 1, kTwoThirds},
    {"a a", "a a", false, 2, true, 2, 2, 1.0f},
    {"a b a", "a b", false, 2, true, 3, 2, 0.8f},
    {"a b c", "b c", false, 2, true, 3, 2, 0.8f},
    {"b c", "a b c", false, 2, false, 2, 3, 0.8f},
    // Nothing in common.
    {"window", "Open the file", false, 0, true, 1, 3, 0.0f},
};

TEST(MatchWordsTest, CommonWordsAndOrder) {
  for (const ScoreCase& c : kScoreCases) {
    SourceKey query(c.query);
    SourceKey stored(c.stored);
    const auto queryWords = query.Words();
    const auto storedWords = stored.Words();
    ASSERT_EQ(static_cast<int32_t>(queryWords.size()), c.queryWords) << c.query;
    ASSERT_EQ(static_cast<int32_t>(storedWords.size()), c.recordWords) << c.stored;
    WordMatch match = MatchWords(queryWords, storedWords);
    EXPECT_EQ(match.common, c.common) << c.query << " / " << c.stored;
    EXPECT_EQ(match.inOrder, c.inOrder) << c.query << " / " << c.stored;
  }
}

class FindMatchesTest : public TmFixture {};

TEST_F(FindMatchesTest, ScoresAreExactFloats) {
  for (const ScoreCase& c : kScoreCases) {
    TmStore store;
    std::string path = dir_.File("score.vrx");
    std::remove(path.c_str());
    ASSERT_TRUE(store.Open(path.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
    ASSERT_EQ(store.AddEntry(c.stored, "x", "", "", -1, -1, -1, -1), AddOutcome::kAdded);
    TmMatchList list;
    ASSERT_EQ(store.FindMatches(c.query, 0, c.concordance, list), 1) << c.query;
    EXPECT_EQ(list.front().score, c.score) << c.query << " / " << c.stored;
    EXPECT_EQ(list.front().keyWordCount, c.recordWords);
    EXPECT_EQ(list.front().entryOffset, 82);
  }
}

TEST(ScoreArithmeticTest, MarkDownsAreTheFloatsNearestTheHundredths) {
  EXPECT_EQ(MarkDownPerfectScore(true, true), 1.0f);
  EXPECT_EQ(MarkDownPerfectScore(true, false), 1.0f);
  EXPECT_EQ(MarkDownPerfectScore(false, true), 0.9900000095367431640625f);
  EXPECT_EQ(MarkDownPerfectScore(false, false), 0.980000019073486328125f);
}

TEST(ScoreArithmeticTest, ThresholdIsTheFloatNearestThePercent) {
  EXPECT_EQ(ThresholdScore(100), 1.0f);
  EXPECT_EQ(ThresholdScore(75), 0.75f);
  for (int32_t percent = 0; percent <= 1000; ++percent) {
    ASSERT_EQ(ThresholdScore(percent), static_cast<float>(percent / 100.0)) << percent;
  }
}

TEST(ScoreArithmeticTest, PercentIsTruncated) {
  const struct {
    float score;
    int32_t percent;
  } cases[] = {
      {1.0f, 100}, {0.99f, 99}, {0.98f, 98}, {0.75f, 75},
      {kSixSevenths, 85}, {0.7f, 69}, {0.01f, 0}, {0.0f, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ScorePercent(c.score), c.percent) << c.score;
}

TEST_F(FindMatchesTest, ThresholdIsInclusive) {
  AddNew("Open the file");
  TmMatchList list;
  EXPECT_EQ(store_.FindMatches("Open the file now", 75, true, list), 1);
  EXPECT_EQ(store_.FindMatches("Open the file now", 76, true, list), 0);
  EXPECT_EQ(list.size(), 1u);
}

TEST_F(FindMatchesTest, Threshold100FindsOnlyByteIdenticalSources) {
  const int32_t exact = AddNew("Open the file");
  AddNew("open the file");
  AddNew("Open  the file");
  AddNew("Open the file.");
  const int32_t again = AddNew("Open the file", "other target");
  TmMatchList list;
  ASSERT_EQ(store_.FindMatches("Open the file", 100, false, list), 2);
  EXPECT_EQ(list.front().entryOffset, exact);
  EXPECT_EQ(list.back().entryOffset, again);
}

TEST_F(FindMatchesTest, HitsAreAppendedInKeyIndexOrderBehindExistingOnes) {
  const int32_t first = AddNew("save the file");
  AddNew("print the page");
  const int32_t third = AddNew("save a file");
  TmMatchList list;
  list.push_back(TmMatch{0.5f, 12345, 7});
  ASSERT_EQ(store_.FindMatches("save file", 50, false, list), 2);
  ASSERT_EQ(list.size(), 3u);
  auto it = list.begin();
  EXPECT_EQ((it++)->entryOffset, 12345);
  EXPECT_EQ((it++)->entryOffset, first);
  EXPECT_EQ(it->entryOffset, third);
}

TEST_F(FindMatchesTest, ThresholdZeroAcceptsRecordsWithoutCommonWords) {
  AddNew("alpha");
  AddNew("beta");
  TmMatchList list;
  EXPECT_EQ(store_.FindMatches("gamma", 0, false, list), 2);
  EXPECT_EQ(store_.FindMatches("gamma", 101, false, list), 0);
  EXPECT_EQ(store_.FindMatches("alpha", 101, false, list), 0);
}

TEST_F(FindMatchesTest, NothingToFindGivesNoHits) {
  TmMatchList list;
  EXPECT_EQ(store_.FindMatches("Open", 0, false, list), 0);  // empty TM
  AddNew("Open");
  EXPECT_EQ(store_.FindMatches("123 ...", 0, false, list), 0);
  EXPECT_EQ(store_.FindMatches("", 0, true, list), 0);
  store_.Close();
  EXPECT_EQ(store_.FindMatches("Open", 0, false, list), 0);
  EXPECT_TRUE(list.empty());
}

// A word score of 1 whose entry cannot be read scores 0.
TEST_F(FindMatchesTest, UnreadablePerfectMatchScoresZero) {
  AddNew("Open the file");
  ASSERT_TRUE(store_.SaveIndex());
  store_.Close();
  Bytes bytes = ReadBytes(path_);
  bytes[82] = 0xFF;  // source length 0x??FF: more than any readable text
  bytes[83] = 0xFF;
  WriteBytes(path_, bytes);
  Reopen();
  TmMatchList list;
  EXPECT_EQ(store_.FindMatches("Open the file", 1, false, list), 0);
  EXPECT_EQ(store_.FindMatches("Open the file", 0, false, list), 1);
  EXPECT_EQ(list.front().score, 0.0f);
}

}  // namespace
