// Adding entries: outcomes, and that only an added entry changes anything.

#include <gtest/gtest.h>

#include <string>

#include "tm_fixture.h"

namespace {

class AddEntryTest : public TmFixture {
 protected:
  struct Snapshot {
    int32_t count;
    uint32_t indexOffset;
    Bytes keys;
    Bytes file;
    bool operator==(const Snapshot& o) const {
      return count == o.count && indexOffset == o.indexOffset && keys == o.keys &&
             file == o.file;
    }
  };

  Snapshot Take() {
    std::fflush(nullptr);
    return Snapshot{store_.EntryCount(), store_.IndexOffset(),
                    Bytes(store_.Keys().data(), store_.Keys().data() + store_.IndexSize()),
                    ReadBytes(path_)};
  }
};

struct Stored {
  std::string source, target, type, id;
};

struct OutcomeCase {
  const char* name;
  Stored stored;
  Stored added;
  int32_t x;
  AddOutcome outcome;
};

TEST_F(AddEntryTest, Outcomes) {
  const OutcomeCase cases[] = {
      {"same source, target and type", {"Open the file", "Ouvrir", "menu", "1"},
       {"Open the file", "Ouvrir", "menu", "1"}, -1, AddOutcome::kAlreadyPresent},
      {"only id and position differ", {"Open the file", "Ouvrir", "menu", "1"},
       {"Open the file", "Ouvrir", "menu", "2"}, 5, AddOutcome::kAlreadyPresent},
      {"other type", {"Open the file", "Ouvrir", "menu", ""},
       {"Open the file", "Ouvrir", "button", ""}, -1, AddOutcome::kAdded},
      {"type added", {"Open the file", "Ouvrir", "", ""},
       {"Open the file", "Ouvrir", "menu", ""}, -1, AddOutcome::kAdded},
      {"target differs in case", {"Open the file", "Ouvrir", "", ""},
       {"Open the file", "ouvrir", "", ""}, -1, AddOutcome::kAdded},
      {"source differs in case", {"Open the file", "Ouvrir", "", ""},
       {"open the file", "Ouvrir", "", ""}, -1, AddOutcome::kAdded},
      {"source differs in blanks", {"Open the file", "Ouvrir", "", ""},
       {"Open  the file", "Ouvrir", "", ""}, -1, AddOutcome::kAdded},
      {"source differs in punctuation", {"Open the file", "Ouvrir", "", ""},
       {"Open the file!", "Ouvrir", "", ""}, -1, AddOutcome::kAdded},
      {"source without words", {"Open", "Ouvrir", "", ""},
       {"12, 34 ...", "Ouvrir", "", ""}, -1, AddOutcome::kEmpty},
      {"empty source", {"Open", "Ouvrir", "", ""}, {"", "Ouvrir", "", ""}, -1,
       AddOutcome::kEmpty},
      {"only the source given", {"Open", "Ouvrir", "", ""}, {"Close", "", "", ""}, -1,
       AddOutcome::kAdded},
      {"5120-byte texts", {"Open", "Ouvrir", "", ""},
       {std::string(5120, 'a'), std::string(5120, 'b'), std::string(5120, 'c'),
        std::string(5120, 'd')}, -1, AddOutcome::kAdded},
      {"5121-byte source", {"Open", "Ouvrir", "", ""},
       {std::string(5121, 'a'), "t", "", ""}, -1, AddOutcome::kError},
      {"5121-byte target", {"Open", "Ouvrir", "", ""},
       {"Close", std::string(5121, 'b'), "", ""}, -1, AddOutcome::kError},
      {"5121-byte type", {"Open", "Ouvrir", "", ""},
       {"Close", "Fermer", std::string(5121, 'c'), ""}, -1, AddOutcome::kError},
      {"5121-byte id", {"Open", "Ouvrir", "", ""},
       {"Close", "Fermer", "", std::string(5121, 'd')}, -1, AddOutcome::kError},
  };
  for (const OutcomeCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove(path_.c_str());
    ASSERT_TRUE(store_.Open(path_.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
    ASSERT_EQ(store_.AddEntry(c.stored.source.c_str(), c.stored.target.c_str(),
                              c.stored.type.c_str(), c.stored.id.c_str(), -1, -1, -1, -1),
              AddOutcome::kAdded);
    const Snapshot before = Take();
    EXPECT_EQ(store_.AddEntry(c.added.source.c_str(), c.added.target.c_str(),
                              c.added.type.c_str(), c.added.id.c_str(), c.x, 1, 2, 3),
              c.outcome);
    if (c.outcome != AddOutcome::kAdded) {
      EXPECT_TRUE(Take() == before);
    }
  }
}

TEST_F(AddEntryTest, AddedEntryGoesWhereTheIndexBegan) {
  const uint32_t offset = store_.IndexOffset();
  ASSERT_EQ(store_.AddEntry("Open the file", "Ouvrir", "menu", "ID_OPEN", 1, 2, 3, 4),
            AddOutcome::kAdded);
  EXPECT_EQ(store_.EntryCount(), 1);
  EXPECT_EQ(store_.IndexOffset(), offset + 24 + 13 + 6 + 4 + 7);
  TmEntry entry;
  ASSERT_TRUE(store_.ReadEntry(entry, static_cast<int32_t>(offset)));
  EXPECT_EQ(entry.source, "Open the file");
  EXPECT_EQ(entry.id, "ID_OPEN");
  EXPECT_EQ(entry.cy, 4);
  int32_t last = -1;
  for (int32_t o = store_.FirstKey(); o != -1; o = store_.NextKey()) last = o;
  EXPECT_EQ(last, static_cast<int32_t>(offset));
}

// An import adds many entries before it saves once; a repeated line must
// still be found.
TEST_F(AddEntryTest, RepeatBeforeAnySaveIsAlreadyPresent) {
  ASSERT_EQ(Add("Open the file", "Ouvrir"), AddOutcome::kAdded);
  ASSERT_EQ(Add("Close", "Fermer"), AddOutcome::kAdded);
  EXPECT_EQ(Add("Open the file", "Ouvrir"), AddOutcome::kAlreadyPresent);
  ASSERT_TRUE(store_.SaveIndex());
  Reopen();
  EXPECT_EQ(Add("Close", "Fermer"), AddOutcome::kAlreadyPresent);
  EXPECT_EQ(Add("Close", "Fermer", "button"), AddOutcome::kAdded);
  EXPECT_EQ(store_.EntryCount(), 3);
}

// Several stored entries share the new source; any one of them that also
// has the target and type makes the new entry a duplicate.
TEST_F(AddEntryTest, EveryEntryWithTheSameSourceIsConsidered) {
  ASSERT_EQ(Add("Open", "A"), AddOutcome::kAdded);
  ASSERT_EQ(Add("Open", "B"), AddOutcome::kAdded);
  ASSERT_EQ(Add("Open", "C"), AddOutcome::kAdded);
  EXPECT_EQ(Add("Open", "A"), AddOutcome::kAlreadyPresent);
  EXPECT_EQ(Add("Open", "B"), AddOutcome::kAlreadyPresent);
  EXPECT_EQ(Add("Open", "C"), AddOutcome::kAlreadyPresent);
  EXPECT_EQ(Add("Open", "D"), AddOutcome::kAdded);
}

TEST_F(AddEntryTest, ClosedStoreRefuses) {
  store_.Close();
  EXPECT_EQ(Add("Open"), AddOutcome::kError);
}

}  // namespace
