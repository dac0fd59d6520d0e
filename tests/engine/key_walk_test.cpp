// The walk over the KeyIndex, on sound and on damaged indexes.

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "tm_fixture.h"

namespace {

class KeyWalkTest : public TmFixture {
 protected:
  std::vector<int32_t> Walk() {
    std::vector<int32_t> offsets;
    for (int32_t offset = store_.FirstKey(); offset != -1; offset = store_.NextKey()) {
      offsets.push_back(offset);
      if (offsets.size() > 1000) break;
    }
    return offsets;
  }

  // Saves, closes, lets `damage` change the file's bytes and reopens it.
  template <typename Damage>
  void DamageFile(Damage damage) {
    ASSERT_TRUE(store_.SaveIndex());
    store_.Close();
    Bytes bytes = ReadBytes(path_);
    damage(bytes);
    WriteBytes(path_, bytes);
    Reopen();
  }
};

TEST_F(KeyWalkTest, EmptyTmHasNoFirstKey) {
  EXPECT_EQ(store_.FirstKey(), -1);
  EXPECT_EQ(store_.NextKey(), -1);
  KeyRecord record;
  EXPECT_FALSE(store_.CurrentKey(&record));
}

TEST_F(KeyWalkTest, OneEntry) {
  AddNew("Open");
  EXPECT_EQ(store_.FirstKey(), 82);
  EXPECT_EQ(store_.NextKey(), -1);
}

TEST_F(KeyWalkTest, EntriesComeInTheOrderTheyWereAdded) {
  const int32_t a = AddNew("Open the file");
  const int32_t b = AddNew("Save the file as");
  const int32_t c = AddNew("Close");
  EXPECT_EQ(store_.FirstKey(), a);
  EXPECT_EQ(store_.NextKey(), b);
  EXPECT_EQ(store_.NextKey(), c);
  EXPECT_EQ(store_.NextKey(), -1);
  EXPECT_EQ(store_.NextKey(), -1);
  EXPECT_EQ(store_.FirstKey(), a);  // a new walk starts over
}

TEST_F(KeyWalkTest, CurrentKeyHoldsTheWordsOfTheEntryWalkedTo) {
  AddNew("Open the file");
  AddNew("Save &As...");
  std::vector<std::string> words;
  for (int32_t offset = store_.FirstKey(); offset != -1; offset = store_.NextKey()) {
    KeyRecord record;
    ASSERT_TRUE(store_.CurrentKey(&record));
    EXPECT_EQ(record.entryOffset, offset);
    words.push_back(record.JoinedWords());
  }
  EXPECT_EQ(words, (std::vector<std::string>{"open the file", "save as"}));
}

TEST_F(KeyWalkTest, CutLastRecordIsNeverReached) {
  const int32_t a = AddNew("Open the file");
  const int32_t b = AddNew("Save");
  AddNew("Close");
  DamageFile([](Bytes& bytes) {
    bytes[78] -= 1;  // index size: the last record loses its closing NUL
    bytes.pop_back();
  });
  EXPECT_EQ(Walk(), (std::vector<int32_t>{a, b}));
  TmMatchList list;
  EXPECT_EQ(store_.FindMatches("Close", 0, false, list), 2);
}

// Found by fuzzing: an entry added behind a cut record was read as that
// record's continuation, and no walk or query ever found it again.
TEST_F(KeyWalkTest, EntryAddedAfterACutRecordIsReached) {
  for (size_t cut : {1, 4, 6}) {  // inside the offset, at its end, in a word
    SCOPED_TRACE(cut);
    store_.Close();
    std::remove(path_.c_str());
    ASSERT_TRUE(store_.Open(path_.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
    const int32_t a = AddNew("Open the file");
    AddNew("Close the window");
    DamageFile([cut](Bytes& bytes) {
      bytes[78] -= static_cast<uint8_t>(cut);  // index size
      bytes.resize(bytes.size() - cut);
    });
    const int32_t c = AddNew("Print");
    ASSERT_TRUE(store_.SaveIndex());
    Reopen();
    EXPECT_EQ(Walk(), (std::vector<int32_t>{a, c}));
    TmMatchList list;
    ASSERT_EQ(store_.FindMatches("Print", 100, false, list), 1);
    EXPECT_EQ(list.front().entryOffset, c);
  }
}

// Whatever bytes a damaged index holds, the walk and the scan stay inside it.
TEST_F(KeyWalkTest, IndexWithoutRecordEndsYieldsNothing) {
  AddNew("Open the file");
  AddNew("Save");
  DamageFile([this](Bytes& bytes) {
    for (size_t i = store_.IndexOffset(); i < bytes.size(); ++i) bytes[i] = 'z';
  });
  EXPECT_EQ(store_.FirstKey(), -1);
  TmMatchList list;
  EXPECT_EQ(store_.FindMatches("zzzz", 0, false, list), 0);
}

TEST_F(KeyWalkTest, IndexTooShortForAnOffsetYieldsNothing) {
  AddNew("a");
  DamageFile([](Bytes& bytes) {
    bytes[78] = 3;  // index size 3
    bytes.resize(bytes.size() - 4);
  });
  EXPECT_EQ(store_.IndexSize(), 0u);  // the cut record is dropped at open
  EXPECT_EQ(store_.FirstKey(), -1);
  TmMatchList list;
  EXPECT_EQ(store_.FindMatches("a", 0, false, list), 0);
}

// A record with no words (never built, but a damaged file may hold one) is
// walked and scored 0.
TEST_F(KeyWalkTest, RecordWithoutWordsScoresZero) {
  const int32_t a = AddNew("Open");
  DamageFile([](Bytes& bytes) {
    bytes.insert(bytes.end(), {82, 0, 0, 0, 0});
    bytes[78] += 5;
  });
  EXPECT_EQ(Walk(), (std::vector<int32_t>{a, 82}));
  TmMatchList list;
  ASSERT_EQ(store_.FindMatches("Close", 0, false, list), 2);
  EXPECT_EQ(list.back().keyWordCount, 0);
  EXPECT_EQ(list.back().score, 0.0f);
}

}  // namespace
