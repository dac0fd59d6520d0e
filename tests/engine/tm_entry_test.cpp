// Entry records: writing, reading back, and records that cannot be read.

#include <gtest/gtest.h>

#include <cstdio>

#include "test_support.h"
#include "tm_entry.h"
#include "tm_fixture.h"

namespace {

// Appends `entry` to the TM file by hand, as a record no AddEntry would
// write, and returns its offset. The store is reopened so that it reads what
// the other stream wrote.
class EntryFileTest : public TmFixture {
 protected:
  int32_t WriteRaw(const TmEntry& entry) {
    store_.Close();
    std::FILE* file = std::fopen(path_.c_str(), "r+b");
    EXPECT_NE(file, nullptr);
    std::fseek(file, 0, SEEK_END);
    const uint32_t offset = static_cast<uint32_t>(std::ftell(file));
    uint32_t position = offset;
    EXPECT_TRUE(entry.WriteEntry(file, position));
    EXPECT_EQ(position, offset + entry.RecordLength());
    std::fclose(file);
    Reopen();
    return static_cast<int32_t>(offset);
  }
};

TEST(TmEntryTest, WriteAdvancesThePositionByTheRecordLength) {
  TmEntry entry;
  entry.source = "Hello world";
  entry.target = "Bonjour";
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  uint32_t position = 100;
  EXPECT_TRUE(entry.WriteEntry(file, position));
  EXPECT_EQ(position, 142u);
  EXPECT_EQ(std::ftell(file), 42);
  std::fclose(file);
}

TEST(TmEntryTest, FreshEntryHasNoPosition) {
  TmEntry entry;
  EXPECT_EQ(entry.x, -1);
  EXPECT_EQ(entry.y, -1);
  EXPECT_EQ(entry.cx, -1);
  EXPECT_EQ(entry.cy, -1);
  EXPECT_TRUE(entry.source.empty() && entry.target.empty() &&
              entry.type.empty() && entry.id.empty());
}

TEST_F(EntryFileTest, EntriesReadBackAsWritten) {
  TmEntry withPosition;
  withPosition.source = "Save \xE9t\xE9";
  withPosition.target = "Enregistrer";
  withPosition.type = "menu";
  withPosition.id = "ID_SAVE";
  withPosition.x = 0;
  withPosition.y = -7;
  withPosition.cx = 2147483647;
  withPosition.cy = -2147483647 - 1;
  TmEntry withoutPosition;
  withoutPosition.source = "Open";
  for (const TmEntry& written : {withPosition, withoutPosition}) {
    int32_t offset = WriteRaw(written);
    TmEntry read;
    ASSERT_TRUE(store_.ReadEntry(read, offset));
    EXPECT_EQ(read, written);
  }
}

TEST_F(EntryFileTest, TextsUpTo5120BytesCanBeRead) {
  struct Case {
    size_t length;
    int field;  // 0 source, 1 target, 2 type, 3 id
    bool readable;
  } cases[] = {
      {5120, 0, true}, {5120, 3, true}, {5121, 0, false},
      {5121, 1, false}, {5121, 2, false}, {5121, 3, false},
  };
  for (const Case& c : cases) {
    TmEntry entry;
    std::string* fields[] = {&entry.source, &entry.target, &entry.type, &entry.id};
    *fields[c.field] = std::string(c.length, 'a');
    int32_t offset = WriteRaw(entry);
    TmEntry read;
    EXPECT_EQ(store_.ReadEntry(read, offset), c.readable)
        << c.length << " bytes in field " << c.field;
    if (c.readable) {
      EXPECT_EQ(read, entry);
    }
  }
}

TEST_F(EntryFileTest, TextEndsAtItsFirstZeroByte) {
  TmEntry entry;
  entry.source = std::string("Open\0file", 9);
  entry.target = "Ouvrir";
  TmEntry read;
  ASSERT_TRUE(store_.ReadEntry(read, WriteRaw(entry)));
  EXPECT_EQ(read.source, "Open");
  EXPECT_EQ(read.target, "Ouvrir");
}

TEST_F(EntryFileTest, RecordCutShortByTheEndOfTheFileIsNotRead) {
  TmEntry entry;
  entry.source = "Open the file";
  entry.target = "Ouvrir le fichier";
  entry.type = "menu";
  const int32_t offset = WriteRaw(entry);
  store_.Close();
  const Bytes whole = ReadBytes(path_);
  const size_t end = static_cast<size_t>(offset) + entry.RecordLength();
  ASSERT_EQ(whole.size(), end);
  for (size_t length = static_cast<size_t>(offset); length < end; ++length) {
    WriteBytes(path_, Bytes(whole.begin(), whole.begin() + length));
    ASSERT_TRUE(store_.Open(path_.c_str(), true, nullptr, nullptr, nullptr));
    TmEntry read;
    EXPECT_FALSE(store_.ReadEntry(read, offset)) << "file cut at " << length;
  }
}

TEST_F(TmFixture, EntriesCannotBeReadWithoutAnOpenTmOrAtABadOffset) {
  const int32_t offset = AddNew("Open");
  ASSERT_TRUE(store_.SaveIndex());
  TmEntry entry;
  EXPECT_TRUE(store_.ReadEntry(entry, offset));
  EXPECT_FALSE(store_.ReadEntry(entry, -1));
  EXPECT_FALSE(store_.ReadEntry(entry, 1 << 30));
  store_.Close();
  EXPECT_FALSE(store_.ReadEntry(entry, offset));
}

}  // namespace
