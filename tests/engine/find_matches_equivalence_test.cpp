// FindMatches narrows the records to score through the word index; the hits
// must be exactly those of scoring every record in turn: same records, same
// float scores, same key word counts, same order.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tm_fixture.h"

namespace {

// Few words with case, punctuation and repeats, so that texts often share
// words, in and out of order, and often have equal keys.
std::string RandomText(std::mt19937& random, int maxWords) {
  static const char* const kWords[] = {"open", "Open", "file", "the", "a",
                                       "b",    "a",    "new",  "x]", "Save"};
  static const char* const kGaps[] = {" ", "  ", ", ", "&", "-", "1"};
  std::string text;
  const int words = 1 + static_cast<int>(random() % maxWords);
  for (int i = 0; i < words; ++i) {
    if (i > 0) text += kGaps[random() % 6];
    text += kWords[random() % 10];
  }
  if (random() % 4 == 0) text += "!";
  return text;
}

void ExpectSameHits(TmStore& store, const std::string& query, int32_t threshold,
                    bool concordance) {
  TmMatchList indexed, scanned;
  const int32_t n = store.FindMatches(query.c_str(), threshold, concordance, indexed);
  const int32_t m = store.FindMatchesByScan(query.c_str(), threshold, concordance, scanned);
  ASSERT_EQ(n, m) << "'" << query << "' at " << threshold << (concordance ? " conc" : "");
  auto a = indexed.begin();
  for (auto b = scanned.begin(); b != scanned.end(); ++a, ++b) {
    ASSERT_EQ(a->score, b->score) << query;
    ASSERT_EQ(a->entryOffset, b->entryOffset) << query;
    ASSERT_EQ(a->keyWordCount, b->keyWordCount) << query;
  }
}

TEST_F(TmFixture, IndexedMatchingAgreesWithScanningOnRandomTms) {
  std::mt19937 random(6);
  for (int tm = 0; tm < 1000; ++tm) {
    std::remove(path_.c_str());
    ASSERT_TRUE(store_.Open(path_.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
    const int entries = 1 + static_cast<int>(random() % 30);
    for (int round = 0; round < 3; ++round) {
      // Entries added after the index exists must be found as well.
      for (int i = 0; i < entries; ++i) {
        store_.AddEntry(RandomText(random, 6).c_str(), std::to_string(i).c_str(), "",
                        "", -1, -1, -1, -1);
      }
      for (int q = 0; q < 10; ++q) {
        const std::string query = RandomText(random, 8);
        const int32_t threshold = 1 + static_cast<int32_t>(random() % 100);
        ExpectSameHits(store_, query, threshold, random() % 2 == 0);
        if (HasFatalFailure()) return;
      }
    }
    if (tm % 50 == 0) {
      ASSERT_TRUE(store_.SaveIndex());
      Reopen();
      ExpectSameHits(store_, RandomText(random, 4), 50, false);
    }
  }
}

TEST_F(TmFixture, ThresholdsAtOrBelowZeroStillListEveryRecord) {
  AddNew("Open the file");
  AddNew("Close");
  for (int32_t threshold : {0, -5}) {
    TmMatchList hits;
    EXPECT_EQ(store_.FindMatches("Print", threshold, false, hits), 2);
  }
}

}  // namespace
