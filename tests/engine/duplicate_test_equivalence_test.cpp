// The duplicate test of AddEntry uses a hash of key words instead of a pass
// over the whole KeyIndex. Its outcome must be the one the straightforward
// test gives: every entry that scores 100 % for the new source, read back and
// compared on target and type.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tm_fixture.h"

namespace {

// The straightforward outcome, computed before the entry is added.
AddOutcome ReferenceOutcome(TmStore& store, const std::string& source,
                            const std::string& target, const std::string& type) {
  SourceKey key(source.c_str());
  if (key.empty()) return AddOutcome::kEmpty;
  TmMatchList hits;
  store.FindMatches(source.c_str(), 100, false, hits);
  for (const TmMatch& hit : hits) {
    TmEntry entry;
    if (store.ReadEntry(entry, hit.entryOffset) && entry.target == target &&
        entry.type == type) {
      return AddOutcome::kAlreadyPresent;
    }
  }
  return AddOutcome::kAdded;
}

// Sources drawn from few words with case, spacing and punctuation variants,
// so that equal keys with unequal sources are frequent.
std::string RandomText(std::mt19937& random) {
  static const char* const kWords[] = {"open", "Open", "OPEN", "file", "the",
                                       "a",    "b",    "x]",   "caf\xE9", "12"};
  static const char* const kGaps[] = {" ", "  ", ", ", "&", "\t", "-"};
  std::string text;
  const int words = static_cast<int>(random() % 4);
  for (int i = 0; i < words; ++i) {
    if (i > 0) text += kGaps[random() % 6];
    text += kWords[random() % 10];
  }
  if (random() % 5 == 0) text += ".";
  return text;
}

TEST_F(TmFixture, DuplicateTestAgreesWithFindMatchesOnRandomTms) {
  std::mt19937 random(20261211);
  static const char* const kTargets[] = {"", "A", "a", "B"};
  static const char* const kTypes[] = {"", "menu", "Menu"};
  int outcomes[5] = {};
  for (int tm = 0; tm < 20; ++tm) {
    std::remove(path_.c_str());
    ASSERT_TRUE(store_.Open(path_.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
    for (int i = 0; i < 150; ++i) {
      const std::string source = RandomText(random);
      const std::string target = kTargets[random() % 4];
      const std::string type = kTypes[random() % 3];
      const AddOutcome expected = ReferenceOutcome(store_, source, target, type);
      ASSERT_EQ(Add(source, target, type, std::to_string(i)), expected)
          << "TM " << tm << ", entry " << i << ": '" << source << "'";
      ++outcomes[static_cast<int>(expected)];
      // Reopening rebuilds the hash from the file's index.
      if (random() % 40 == 0) {
        ASSERT_TRUE(store_.SaveIndex());
        Reopen();
      }
    }
  }
  // The random TMs must have exercised every outcome but the error.
  EXPECT_GT(outcomes[2], 100);
  EXPECT_GT(outcomes[3], 20);
  EXPECT_GT(outcomes[4], 30);
}

}  // namespace
