// The tab-delimited import: how lines become entries, and the counts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/tm_fixture.h"

namespace {

struct Fields {
  std::string source, target, id, type;
  bool operator==(const Fields& o) const {
    return source == o.source && target == o.target && id == o.id && type == o.type;
  }
};

std::ostream& operator<<(std::ostream& out, const Fields& f) {
  return out << "{" << f.source << "|" << f.target << "|" << f.id << "|" << f.type << "}";
}

struct Counts {
  int32_t read, added, empty, present, failed;
  bool operator==(const Counts& o) const {
    return read == o.read && added == o.added && empty == o.empty &&
           present == o.present && failed == o.failed;
  }
};

std::ostream& operator<<(std::ostream& out, const Counts& c) {
  return out << c.read << " read, " << c.added << " added, " << c.empty << " empty, "
             << c.present << " present, " << c.failed << " failed";
}

class ImportTest : public TmFixture {
 protected:
  Counts Import(const std::string& content) {
    const std::string file = dir_.File("input.txt");
    WriteBytes(file, ToBytes(content));
    Counts counts{-9, -9, -9, -9, -9};
    EXPECT_TRUE(store_.ImportTabDelimited(file.c_str(), counts.read, counts.added,
                                          counts.empty, counts.present, counts.failed));
    return counts;
  }

  std::vector<Fields> Entries() {
    std::vector<Fields> entries;
    TmEntry entry;
    for (int32_t offset = store_.FirstKey(); offset != -1; offset = store_.NextKey()) {
      EXPECT_TRUE(store_.ReadEntry(entry, offset));
      EXPECT_EQ(entry.x, -1);
      EXPECT_EQ(entry.cy, -1);
      entries.push_back({entry.source, entry.target, entry.id, entry.type});
    }
    return entries;
  }
};

struct LineCase {
  const char* name;
  std::string content;
  Counts counts;
  std::vector<Fields> entries;
};

TEST_F(ImportTest, Lines) {
  const std::string longSource(3000, 'a');
  const std::string tooLong(5121, 'b');
  const LineCase cases[] = {
      {"empty file", "", {0, 0, 0, 0, 0}, {}},
      {"blank line", "\n", {1, 0, 1, 0, 0}, {}},
      {"only TABs", "\t\t\n", {1, 0, 1, 0, 0}, {}},
      {"two fields", "Open\tOuvrir\n", {1, 1, 0, 0, 0}, {{"Open", "Ouvrir", "", ""}}},
      {"four fields", "Open\tOuvrir\tID_OPEN\tmenu\n", {1, 1, 0, 0, 0},
       {{"Open", "Ouvrir", "ID_OPEN", "menu"}}},
      {"empty third field merges", "Open\tOuvrir\t\tmenu\n", {1, 1, 0, 0, 0},
       {{"Open", "Ouvrir", "menu", ""}}},
      {"leading TAB skipped", "\tOpen\tOuvrir\n", {1, 1, 0, 0, 0}, {{"Open", "Ouvrir", "", ""}}},
      {"one field", "Open\n", {1, 1, 0, 0, 0}, {{"Open", "", "", ""}}},
      {"six fields", "Open\tOuvrir\tI\tT\tx\ty\n", {1, 1, 0, 0, 0}, {{"Open", "Ouvrir", "I", "T"}}},
      {"CR LF", "Open\tOuvrir\r\nClose\tFermer\r\n", {2, 2, 0, 0, 0},
       {{"Open", "Ouvrir", "", ""}, {"Close", "Fermer", "", ""}}},
      {"lone CR and form feed", "Op\ren\tOu\fvrir\n", {1, 1, 0, 0, 0}, {{"Op?en", "Ou?vrir", "", ""}}},
      {"CR at the very end", "Open\tOuvrir\r", {1, 1, 0, 0, 0}, {{"Open", "Ouvrir?", "", ""}}},
      {"0x1A is not the end", "Op\x1A" "en\tOuvrir\nClose\tFermer\n", {2, 2, 0, 0, 0},
       {{"Op?en", "Ouvrir", "", ""}, {"Close", "Fermer", "", ""}}},
      {"NUL ends the line", std::string("Open\tOuv\0rir\tID\n", 16), {1, 1, 0, 0, 0},
       {{"Open", "Ouv", "", ""}}},
      {"last line without LF", "Open\tOuvrir\nClose\tFermer", {2, 2, 0, 0, 0},
       {{"Open", "Ouvrir", "", ""}, {"Close", "Fermer", "", ""}}},
      {"repeated line", "Open\tOuvrir\nOpen\tOuvrir\nOpen\tOuvrir\tother id\n", {3, 1, 0, 2, 0},
       {{"Open", "Ouvrir", "", ""}}},
      {"source without words", "42 !\tquarante-deux\n", {1, 0, 1, 0, 0}, {}},
      {"bytes above 0x7F pass", "caf\xE9\t\x80\xFF\n", {1, 1, 0, 0, 0}, {{"caf\xE9", "\x80\xFF", "", ""}}},
      {"long line is one line", longSource + "\tT\n", {1, 1, 0, 0, 0}, {{longSource, "T", "", ""}}},
      {"text too long for an entry", "Open\t" + tooLong + "\nClose\tFermer\n", {2, 1, 0, 0, 1},
       {{"Close", "Fermer", "", ""}}},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove(path_.c_str());
    ASSERT_TRUE(store_.Open(path_.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
    EXPECT_EQ(Import(c.content), c.counts);
    EXPECT_EQ(Entries(), c.entries);
  }
}

TEST_F(ImportTest, ImportedEntriesAreSaved) {
  Import("Open\tOuvrir\nClose\tFermer\n");
  Reopen();
  EXPECT_EQ(store_.EntryCount(), 2);
  EXPECT_EQ(Import("Close\tFermer\nPrint\tImprimer\n"), (Counts{2, 1, 0, 1, 0}));
}

TEST_F(ImportTest, MissingFileChangesNothing) {
  ASSERT_EQ(Add("Open"), AddOutcome::kAdded);
  ASSERT_TRUE(store_.SaveIndex());
  const Bytes before = ReadBytes(path_);
  Counts counts{-9, -9, -9, -9, -9};
  EXPECT_FALSE(store_.ImportTabDelimited(dir_.File("missing.txt").c_str(), counts.read,
                                         counts.added, counts.empty, counts.present,
                                         counts.failed));
  EXPECT_EQ(counts, (Counts{0, 0, 0, 0, 0}));
  EXPECT_EQ(ReadBytes(path_), before);
}

TEST_F(ImportTest, TheTmItselfIsNoImportFile) {
  ASSERT_EQ(Add("Open"), AddOutcome::kAdded);
  ASSERT_TRUE(store_.SaveIndex());
  Counts counts{};
  EXPECT_FALSE(store_.ImportTabDelimited(path_.c_str(), counts.read, counts.added,
                                         counts.empty, counts.present, counts.failed));
  EXPECT_EQ(store_.EntryCount(), 1);
}

}  // namespace
