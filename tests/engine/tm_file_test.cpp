// The TM file on disk, and opening, saving and closing it.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "test_support.h"
#include "tm_fixture.h"
#include "tm_store.h"

namespace {

Bytes EmptyEnUsFrCaHeader() {
  Bytes bytes = ToBytes("zqVRX100");
  for (const std::string& field : {std::string("EN-US"), std::string("FR-CA")}) {
    Bytes text = ToBytes(field);
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(0);
  }
  Bytes encoding = ToBytes("windows-1252");
  bytes.insert(bytes.end(), encoding.begin(), encoding.end());
  bytes.resize(bytes.size() + 38, 0);
  AppendU32(bytes, 0);
  AppendU32(bytes, 82);
  AppendU32(bytes, 0);
  return bytes;
}

// A saved EN-US to FR-FR TM holding "Open", closed again.
void CreateTmWithOneEntry(const std::string& path) {
  TmStore creator;
  ASSERT_TRUE(creator.Open(path.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
  ASSERT_EQ(creator.AddEntry("Open", "Ouvrir", "", "", -1, -1, -1, -1), AddOutcome::kAdded);
  ASSERT_TRUE(creator.SaveIndex());
}

TEST(TmFileTest, NewTmIsTheHeaderAlone) {
  ScratchDir dir;
  std::string path = dir.File("new.vrx");
  TmStore store;
  ASSERT_TRUE(store.Open(path.c_str(), false, "EN-US", "FR-CA", "windows-1252"));
  EXPECT_EQ(store.EntryCount(), 0);
  EXPECT_EQ(store.IndexOffset(), 82u);
  EXPECT_EQ(store.IndexSize(), 0u);
  EXPECT_EQ(ReadBytes(path), EmptyEnUsFrCaHeader());
}

TEST(TmFileTest, OneEntryMakesTheFile141BytesLong) {
  ScratchDir dir;
  std::string path = dir.File("one.vrx");
  TmStore store;
  ASSERT_TRUE(store.Open(path.c_str(), false, "EN-US", "FR-CA", "windows-1252"));
  ASSERT_EQ(store.AddEntry("Hello world", "Bonjour", "", "", -1, -1, -1, -1),
            AddOutcome::kAdded);
  ASSERT_TRUE(store.SaveIndex());

  Bytes expected = EmptyEnUsFrCaHeader();
  expected[70] = 1;    // entry count
  expected[74] = 124;  // index offset
  expected[78] = 17;   // index size
  const uint8_t record[] = {11, 0, 'H', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r',
                            'l', 'd', 7, 0, 'B', 'o', 'n', 'j', 'o', 'u', 'r',
                            0, 0, 0, 0};
  expected.insert(expected.end(), std::begin(record), std::end(record));
  expected.resize(expected.size() + 16, 0xFF);  // x, y, cx, cy = -1
  const uint8_t key[] = {0x52, 0, 0, 0, 'h', 'e', 'l', 'l', 'o', 0,
                         'w',  'o', 'r', 'l', 'd', 0, 0};
  expected.insert(expected.end(), std::begin(key), std::end(key));
  ASSERT_EQ(expected.size(), 141u);
  EXPECT_EQ(ReadBytes(path), expected);
}

TEST(TmFileTest, LocaleFieldsKeepSixCharactersAndCutLongerOnes) {
  ScratchDir dir;
  std::string path = dir.File("locales.vrx");
  TmStore store;
  ASSERT_TRUE(store.Open(path.c_str(), false, "ABCDEF", "GHIJKLM", "utf-8"));
  ASSERT_TRUE(store.Open(path.c_str(), false, nullptr, nullptr, nullptr));
  EXPECT_EQ(store.SourceLocale(), "ABCDEF");
  EXPECT_EQ(store.TargetLocale(), "GHIJKL");
  EXPECT_EQ(store.EncodingName(), "utf-8");
}

TEST(TmFileTest, ReopenRestoresCountOffsetsAndIndex) {
  ScratchDir dir;
  std::string path = dir.File("reopen.vrx");
  TmStore store;
  ASSERT_TRUE(store.Open(path.c_str(), false, "EN-US", "DE-DE", "windows-1252"));
  for (const char* source : {"Open the file", "Save the file", "Close"}) {
    ASSERT_EQ(store.AddEntry(source, "x", "menu", "", 1, 2, 3, 4),
              AddOutcome::kAdded);
  }
  ASSERT_TRUE(store.SaveIndex());
  const int32_t count = store.EntryCount();
  const uint32_t offset = store.IndexOffset();
  const Bytes keys(store.Keys().data(), store.Keys().data() + store.IndexSize());
  store.Close();
  EXPECT_FALSE(store.IsOpen());
  EXPECT_EQ(store.EntryCount(), 0);

  ASSERT_TRUE(store.Open(path.c_str(), false, nullptr, nullptr, nullptr));
  EXPECT_EQ(store.EntryCount(), count);
  EXPECT_EQ(store.IndexOffset(), offset);
  EXPECT_EQ(Bytes(store.Keys().data(), store.Keys().data() + store.IndexSize()),
            keys);
  EXPECT_EQ(ReadBytes(path).size(), offset + keys.size());
  EXPECT_EQ(store.SourceLocale(), "EN-US");
  EXPECT_EQ(store.TargetLocale(), "DE-DE");
}

TEST(TmFileTest, MissingFileIsCreatedOnlyForWriting) {
  ScratchDir dir;
  std::string path = dir.File("missing.vrx");
  TmStore store;
  EXPECT_FALSE(store.Open(path.c_str(), true, "EN-US", "FR-FR", "windows-1252"));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(store.IsOpen());
}

// Locales given to Open must equal the stored ones exactly; null accepts any.
TEST(TmFileTest, LocalesAreComparedExactly) {
  ScratchDir dir;
  std::string path = dir.File("locales.vrx");
  {
    TmStore creator;
    ASSERT_TRUE(creator.Open(path.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
  }
  struct Case {
    const char* source;
    const char* target;
    bool opens;
  } cases[] = {
      {nullptr, nullptr, true},  {"EN-US", "FR-FR", true},
      {"EN-US", nullptr, true},  {nullptr, "FR-FR", true},
      {"en-us", "FR-FR", false}, {"EN-US", "FR-CA", false},
      {"EN-U", "FR-FR", false},  {"EN-US ", nullptr, false},
  };
  for (const Case& c : cases) {
    TmStore store;
    EXPECT_EQ(store.Open(path.c_str(), false, c.source, c.target, nullptr), c.opens)
        << (c.source ? c.source : "null") << " " << (c.target ? c.target : "null");
    EXPECT_EQ(store.IsOpen(), c.opens);
  }
}

TEST(TmFileTest, FilesThatAreNotTmsDoNotOpen) {
  ScratchDir dir;
  Bytes good = EmptyEnUsFrCaHeader();
  Bytes lowerMagic = good;
  lowerMagic[0] = 'Z';
  Bytes otherVersion = good;
  otherVersion[7] = '1';
  struct Case {
    const char* name;
    Bytes bytes;
  } cases[] = {
      {"empty", {}},
      {"magic only", ToBytes("zqVRX100")},
      {"cut inside the header", Bytes(good.begin(), good.begin() + 81)},
      {"magic in other case", lowerMagic},
      {"other magic", otherVersion},
      {"text", ToBytes("Source\tTarget\n")},
  };
  for (const Case& c : cases) {
    std::string path = dir.File("not-a-tm.vrx");
    WriteBytes(path, c.bytes);
    TmStore store;
    EXPECT_FALSE(store.Open(path.c_str(), false, nullptr, nullptr, nullptr)) << c.name;
    EXPECT_FALSE(store.IsOpen()) << c.name;
    EXPECT_EQ(ReadBytes(path), c.bytes) << c.name << ": the file must stay as it was";
  }
}

TEST(TmFileTest, FailedOpenClosesTheTmOpenBefore) {
  ScratchDir dir;
  std::string path = dir.File("a.vrx");
  std::string bad = dir.File("bad.vrx");
  WriteBytes(bad, ToBytes("not a tm"));
  TmStore store;
  ASSERT_TRUE(store.Open(path.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
  ASSERT_EQ(store.AddEntry("Open", "Ouvrir", "", "", -1, -1, -1, -1), AddOutcome::kAdded);
  EXPECT_FALSE(store.Open(bad.c_str(), false, nullptr, nullptr, nullptr));
  EXPECT_FALSE(store.IsOpen());
  EXPECT_EQ(store.EntryCount(), 0);
  EXPECT_EQ(store.IndexSize(), 0u);
  EXPECT_EQ(store.FirstKey(), -1);
}

TEST(TmFileTest, ReadOnlyStoreNeverWrites) {
  ScratchDir dir;
  std::string path = dir.File("ro.vrx");
  CreateTmWithOneEntry(path);
  const Bytes before = ReadBytes(path);
  TmStore store;
  ASSERT_TRUE(store.Open(path.c_str(), true, nullptr, nullptr, nullptr));
  EXPECT_TRUE(store.IsReadOnly());
  EXPECT_EQ(store.EntryCount(), 1);
  EXPECT_FALSE(store.SaveIndex());
  EXPECT_EQ(store.AddEntry("Close", "Fermer", "", "", -1, -1, -1, -1),
            AddOutcome::kError);
  EXPECT_EQ(store.EntryCount(), 1);
  EXPECT_EQ(store.IndexSize(), before.size() - store.IndexOffset());
  store.Close();
  EXPECT_EQ(ReadBytes(path), before);
}

TEST(TmFileTest, FileWithoutWritePermissionDoesNotOpenForWriting) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write to any file";
  ScratchDir dir;
  std::string path = dir.File("locked.vrx");
  {
    TmStore creator;
    ASSERT_TRUE(creator.Open(path.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
  }
  chmod(path.c_str(), 0444);
  TmStore store;
  EXPECT_FALSE(store.Open(path.c_str(), false, nullptr, nullptr, nullptr));
  EXPECT_TRUE(store.Open(path.c_str(), true, nullptr, nullptr, nullptr));
}

TEST(TmFileTest, HeaderStringsOnlyChangeWhenGiven) {
  TmStore store;
  store.SetHeaderStrings("EN-US", "FR-FR", "windows-1252");
  store.SetHeaderStrings(nullptr, "DE-DE", nullptr);
  EXPECT_EQ(store.SourceLocale(), "EN-US");
  EXPECT_EQ(store.TargetLocale(), "DE-DE");
  EXPECT_EQ(store.EncodingName(), "windows-1252");
}

TEST(TmFileTest, CloseOnClosedStoreChangesNothing) {
  TmStore store;
  store.Close();
  EXPECT_FALSE(store.IsOpen());
  EXPECT_EQ(store.EntryCount(), 0);
  EXPECT_EQ(store.Threshold(), 75);
  EXPECT_FALSE(store.Concordance());
}

// Entries added but not saved are in the file, not in its header; a save
// makes them part of the TM. Meanwhile another store cannot tell which state
// the file is in, and finds the TM in use.
TEST(TmFileTest, UnsavedEntriesAreNotPartOfTheTmUntilSaved) {
  ScratchDir dir;
  std::string path = dir.File("unsaved.vrx");
  TmStore store;
  ASSERT_TRUE(store.Open(path.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
  ASSERT_EQ(store.AddEntry("Open", "Ouvrir", "", "", -1, -1, -1, -1), AddOutcome::kAdded);
  ASSERT_TRUE(store.SaveIndex());
  {
    TmStore reader;
    ASSERT_TRUE(reader.Open(path.c_str(), true, nullptr, nullptr, nullptr));
    EXPECT_EQ(reader.EntryCount(), 1);
  }
  ASSERT_EQ(store.AddEntry("Close", "Fermer", "", "", -1, -1, -1, -1), AddOutcome::kAdded);
  EXPECT_TRUE(store.HasUnsavedChanges());
  {
    TmStore reader;
    EXPECT_FALSE(reader.Open(path.c_str(), true, nullptr, nullptr, nullptr));
    EXPECT_TRUE(reader.InUseByAnother());
  }
  ASSERT_TRUE(store.SaveIndex());
  EXPECT_FALSE(store.HasUnsavedChanges());
  TmStore reader;
  ASSERT_TRUE(reader.Open(path.c_str(), true, nullptr, nullptr, nullptr));
  EXPECT_EQ(reader.EntryCount(), 2);
}

// Header values no TM the engine writes can hold: refused at Open, before
// anything is allocated or written. A count at its limit still opens, but
// takes no further entry.
TEST(TmFileTest, ImpossibleHeaderValues) {
  ScratchDir dir;
  std::string path = dir.File("header.vrx");
  CreateTmWithOneEntry(path);
  const Bytes good = ReadBytes(path);
  struct Field {
    size_t offset;
    uint32_t value;
  };
  struct Case {
    const char* name;
    std::vector<Field> fields;
    bool opens;
  } cases[] = {
      {"negative count", {{70, 0xFFFFFFFFu}}, false},
      {"index inside the header", {{74, 40}}, false},
      {"index past the end", {{74, static_cast<uint32_t>(good.size())}}, false},
      {"empty index past the end", {{74, 1u << 30}, {78, 0}}, false},
      {"index size past the end", {{78, 0x7FFFFFFFu}}, false},
      {"index size of 4 GB", {{78, 0xFFFFFFFFu}}, false},
      {"largest count", {{70, 0x7FFFFFFFu}}, true},
  };
  for (const Case& c : cases) {
    Bytes bytes = good;
    for (const Field& field : c.fields) {
      for (int i = 0; i < 4; ++i) {
        bytes[field.offset + i] = static_cast<uint8_t>(field.value >> (8 * i));
      }
    }
    WriteBytes(path, bytes);
    TmStore store;
    ASSERT_EQ(store.Open(path.c_str(), false, nullptr, nullptr, nullptr), c.opens) << c.name;
    if (c.opens) {
      EXPECT_EQ(store.AddEntry("Close", "Fermer", "", "", -1, -1, -1, -1),
                AddOutcome::kError);
    }
  }
}

}  // namespace
