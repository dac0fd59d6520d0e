// A TM to export, and the exported files read back.

#ifndef TARVENNA_TESTS_INTERCHANGE_EXPORT_FIXTURE_H_
#define TARVENNA_TESTS_INTERCHANGE_EXPORT_FIXTURE_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/tm_fixture.h"
#include "test_support.h"

class ExportFixture : public TmFixture {
 protected:
  void AddFull(const std::string& source, const std::string& target,
               const std::string& type, const std::string& id, int32_t x = -1,
               int32_t y = -1, int32_t cx = -1, int32_t cy = -1) {
    ASSERT_EQ(store_.AddEntry(source.c_str(), target.c_str(), type.c_str(),
                              id.c_str(), x, y, cx, cy),
              AddOutcome::kAdded)
        << source;
  }

  std::string OpenTag(bool withKeys = true) {
    const std::string out = dir_.File("out.otf");
    EXPECT_TRUE(store_.ExportOpenTag(out.c_str(), "Tarvenna", withKeys));
    const Bytes bytes = ReadBytes(out);
    return std::string(bytes.begin(), bytes.end());
  }

  // The TMX document after its byte-order mark, as UTF-16 code units.
  std::u16string Tmx(bool withKeys = true) {
    const std::string out = dir_.File("out.tmx");
    EXPECT_TRUE(store_.ExportTmx(out.c_str(), "Tarvenna", "1.00", withKeys));
    const Bytes bytes = ReadBytes(out);
    EXPECT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_EQ(bytes.size() % 2, 0u);
    std::u16string units;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
      units += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    }
    return units;
  }

  // Puts the TM at `name` in the scratch folder, made the working folder, so
  // that its path in the documents is exactly `name`.
  void MoveTmTo(const std::string& name) {
    store_.Close();
    std::filesystem::current_path(std::filesystem::path(dir_.File("")));
    std::remove(name.c_str());
    ASSERT_TRUE(store_.Open(name.c_str(), false, "EN-US", "FR-FR", "windows-1252"));
  }

  void TearDown() override {
    std::filesystem::current_path(std::filesystem::temp_directory_path());
  }
};

inline std::u16string Widen(const std::string& ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

#endif  // TARVENNA_TESTS_INTERCHANGE_EXPORT_FIXTURE_H_
