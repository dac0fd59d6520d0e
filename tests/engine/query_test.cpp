// The query: hit order and the walk over the hits.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tm_fixture.h"

namespace {

class QueryTest : public TmFixture {
 protected:
  // The walk's (percent, offset) pairs, until a result of 0.
  std::vector<std::pair<int32_t, int32_t>> Walk() {
    std::vector<std::pair<int32_t, int32_t>> hits;
    TmEntry entry;
    int32_t offset = -1;
    for (int32_t percent = store_.FirstResult(entry, &offset); percent != 0;
         percent = store_.NextResult(entry, &offset)) {
      hits.emplace_back(percent, offset);
    }
    return hits;
  }
};

TEST_F(QueryTest, EqualScoresComeFewerKeyWordsFirst) {
  const int32_t four = AddNew("a b c x");
  const int32_t three = AddNew("a b c");
  store_.SetConcordance(true);
  ASSERT_EQ(store_.Query("a b c d"), 2);
  EXPECT_EQ(Walk(), (std::vector<std::pair<int32_t, int32_t>>{{75, three}, {75, four}}));
}

TEST_F(QueryTest, EqualScoresAndWordCountsComeLaterEntryFirst) {
  std::vector<int32_t> hits;
  for (int i = 1; i <= 9; ++i) {
    if (i == 1 || i == 5 || i == 9) {
      // Three different sources with the same two key words, out of query order.
      hits.push_back(AddNew(std::string(i == 1 ? "a b" : i == 5 ? "A b" : "a, b")));
    } else {
      AddNew("filler " + std::string(1, static_cast<char>('c' + i)));
    }
  }
  store_.SetThreshold(90);
  ASSERT_EQ(store_.Query("b a"), 3);
  EXPECT_EQ(Walk(), (std::vector<std::pair<int32_t, int32_t>>{
                        {98, hits[2]}, {98, hits[1]}, {98, hits[0]}}));
}

TEST_F(QueryTest, BestFirstWithExactHitsOnTop) {
  const int32_t near = AddNew("Open the file now");         // 6/7 -> 85
  const int32_t exactA = AddNew("Open the file", "A");      // 100
  const int32_t caseOnly = AddNew("open the file");          // 99
  const int32_t exactB = AddNew("Open the file", "B");      // 100
  const int32_t reordered = AddNew("the file open");         // 98
  AddNew("Close the window");                                // 0: below 75
  ASSERT_EQ(store_.Query("Open the file"), 5);
  EXPECT_EQ(Walk(), (std::vector<std::pair<int32_t, int32_t>>{
                        {100, exactB}, {100, exactA}, {99, caseOnly},
                        {98, reordered}, {85, near}}));
}

TEST_F(QueryTest, ResultsCarryTheirEntries) {
  AddNew("Open the file", "Ouvrir le fichier");
  ASSERT_EQ(store_.Query("Open the file"), 1);
  TmEntry entry;
  EXPECT_EQ(store_.FirstResult(entry, nullptr), 100);
  EXPECT_EQ(entry.target, "Ouvrir le fichier");
  EXPECT_EQ(store_.NextResult(entry, nullptr), 0);
  EXPECT_EQ(store_.NextResult(entry, nullptr), 0);
  EXPECT_EQ(store_.FirstResult(entry, nullptr), 100);  // the walk restarts
}

TEST_F(QueryTest, NothingFoundLeavesTheOutputsAlone) {
  EXPECT_EQ(store_.Query("Open"), 0);  // empty TM
  AddNew("Open");
  EXPECT_EQ(store_.Query("42"), 0);    // no words
  TmEntry entry;
  entry.source = "untouched";
  int32_t offset = 7;
  EXPECT_EQ(store_.FirstResult(entry, &offset), 0);
  EXPECT_EQ(store_.NextResult(entry, &offset), 0);
  EXPECT_EQ(entry.source, "untouched");
  EXPECT_EQ(offset, 7);
}

TEST_F(QueryTest, NextResultWithoutFirstResultIsTheEnd) {
  AddNew("Open");
  AddNew("Open", "again");
  ASSERT_EQ(store_.Query("Open"), 2);
  TmEntry entry;
  EXPECT_EQ(store_.NextResult(entry, nullptr), 0);
}

TEST_F(QueryTest, SecondQueryReplacesTheHits) {
  const int32_t open = AddNew("Open");
  const int32_t close = AddNew("Close");
  ASSERT_EQ(store_.Query("Open"), 1);
  ASSERT_EQ(store_.Query("Close"), 1);
  ASSERT_EQ(store_.Matches().size(), 1u);
  EXPECT_EQ(store_.Matches().front().entryOffset, close);
  EXPECT_NE(store_.Matches().front().entryOffset, open);
}

// After the TM is closed, the hits remain but their entries cannot be read:
// the walk answers 0 yet hands out the offset.
TEST_F(QueryTest, HitsOfAClosedTmCannotBeRead) {
  const int32_t open = AddNew("Open");
  ASSERT_EQ(store_.Query("Open"), 1);
  store_.Close();
  TmEntry entry;
  int32_t offset = -1;
  EXPECT_EQ(store_.FirstResult(entry, &offset), 0);
  EXPECT_EQ(offset, open);
}

TEST_F(QueryTest, StoredSettingsDecideTheHits) {
  AddNew("Open the file");
  EXPECT_EQ(store_.Query("Open the file now please"), 1);  // 6/8
  EXPECT_EQ(store_.Query("Open the file now and then"), 0);  // 6/9
  store_.SetThreshold(80);
  EXPECT_EQ(store_.Query("Open the file now"), 1);         // 6/7
  store_.SetThreshold(86);
  EXPECT_EQ(store_.Query("Open the file now"), 0);
  store_.SetConcordance(true);
  store_.SetThreshold(100);
  EXPECT_EQ(store_.Query("file"), 0);                      // 1/1 -> 0.98
  store_.SetThreshold(98);
  EXPECT_EQ(store_.Query("file"), 1);
}

}  // namespace
