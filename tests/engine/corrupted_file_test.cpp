// Damaged TM files: every truncation and a few hundred random byte changes of
// a real TM. Whatever opens must stay usable; nothing may read out of bounds
// (the sanitizer build checks that).

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tm_fixture.h"

namespace {

class CorruptedFileTest : public TmFixture {
 protected:
  void SetUp() override {
    TmFixture::SetUp();
    const char* sources[] = {"Open the file", "Save &As...", "Close the window",
                             "Print", "open the file", "x[1] {a}", "Exit"};
    int i = 0;
    for (const char* source : sources) {
      ASSERT_EQ(store_.AddEntry(source, "cible", i % 2 ? "menu" : "", "ID",
                                i, i, i, i),
                AddOutcome::kAdded);
      ++i;
    }
    ASSERT_TRUE(store_.SaveIndex());
    store_.Close();
    original_ = ReadBytes(path_);
  }

  // Opens `bytes` as a TM and, if it opens, uses it the way the program does.
  void Exercise(const Bytes& bytes) {
    WriteBytes(path_, bytes);
    TmStore store;
    if (!store.Open(path_.c_str(), false, nullptr, nullptr, nullptr)) {
      EXPECT_FALSE(store.IsOpen());
      return;
    }
    TmEntry entry;
    for (int32_t offset = store.FirstKey(); offset != -1; offset = store.NextKey()) {
      KeyRecord record;
      ASSERT_TRUE(store.CurrentKey(&record));
      record.JoinedWords();
      store.ReadEntry(entry, offset);
    }
    for (bool concordance : {false, true}) {
      store.SetConcordance(concordance);
      for (int32_t threshold : {0, 75, 100}) {
        store.SetThreshold(threshold);
        store.Query("Open the file");
        int32_t offset;
        for (int32_t p = store.FirstResult(entry, &offset); p != 0;
             p = store.NextResult(entry, &offset)) {
        }
      }
    }
    store.AddEntry("New entry", "Nouvelle", "", "", -1, -1, -1, -1);
    store.SaveIndex();
  }

  Bytes original_;
};

TEST_F(CorruptedFileTest, EveryTruncationIsSafe) {
  for (size_t length = 0; length < original_.size(); ++length) {
    SCOPED_TRACE(length);
    const Bytes cut(original_.begin(), original_.begin() + length);
    if (length < 82) {
      WriteBytes(path_, cut);
      TmStore store;
      EXPECT_FALSE(store.Open(path_.c_str(), true, nullptr, nullptr, nullptr));
    }
    Exercise(cut);
  }
}

TEST_F(CorruptedFileTest, RandomByteChangesAreSafe) {
  std::mt19937 random(82);
  for (int variant = 0; variant < 300; ++variant) {
    SCOPED_TRACE(variant);
    Bytes bytes = original_;
    const int changes = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < changes; ++i) {
      bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
    }
    Exercise(bytes);
  }
}

TEST_F(CorruptedFileTest, HeaderOffsetsPointingAnywhereAreSafe) {
  std::mt19937 random(74);
  const uint32_t interesting[] = {0, 1, 81, 82, 83, 0x7FFFFFFF, 0x80000000u,
                                  0xFFFFFFFFu, static_cast<uint32_t>(original_.size())};
  for (int variant = 0; variant < 200; ++variant) {
    SCOPED_TRACE(variant);
    Bytes bytes = original_;
    for (size_t field : {70, 74, 78}) {
      if (random() % 2) continue;
      uint32_t value = random() % 3 ? interesting[random() % 9]
                                    : static_cast<uint32_t>(random() % 400);
      for (int i = 0; i < 4; ++i) bytes[field + i] = static_cast<uint8_t>(value >> (8 * i));
    }
    Exercise(bytes);
  }
}

}  // namespace
