// Replays the fuzz targets' seed corpus and every kept finding through the
// bodies the fuzzers run (fuzz/fuzz_bodies.h), so that each finding stays
// fixed in the normal and the sanitizer build. A body calls abort() on a
// broken rule, which fails the whole test program; the file it was given is
// printed first.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_bodies.h"
#include "test_support.h"

namespace {

struct FuzzTarget {
  const char* name;  // the folder under fuzz/corpus and fuzz/regressions
  void (*body)(const uint8_t* data, size_t size);
};

std::ostream& operator<<(std::ostream& out, const FuzzTarget& target) {
  return out << target.name;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code error;
  for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
    if (item.is_regular_file()) files.push_back(item.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

void Replay(const FuzzTarget& target, const std::string& file) {
  std::fprintf(stderr, "replaying %s\n", file.c_str());
  const Bytes bytes = ReadBytes(file);
  target.body(bytes.data(), bytes.size());
}

class FuzzReplayTest : public testing::TestWithParam<FuzzTarget> {
 protected:
  std::string Folder(const char* kind) const {
    return std::string(TARVENNA_FUZZ_DIR) + "/" + kind + "/" + GetParam().name;
  }
};

TEST_P(FuzzReplayTest, SeedCorpusPasses) {
  const std::vector<std::string> seeds = FilesIn(Folder("corpus"));
  ASSERT_FALSE(seeds.empty()) << Folder("corpus");
  for (const std::string& file : seeds) Replay(GetParam(), file);
}

TEST_P(FuzzReplayTest, KeptFindingsPass) {
  for (const std::string& file : FilesIn(Folder("regressions"))) {
    Replay(GetParam(), file);
  }
}

TEST_P(FuzzReplayTest, EmptyInputPasses) {
  const uint8_t nothing = 0;
  GetParam().body(&nothing, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FuzzReplayTest,
    testing::Values(FuzzTarget{"tm_file", FuzzTmFile},
                    FuzzTarget{"tab_import", FuzzTabImport},
                    FuzzTarget{"source_key", FuzzSourceKey},
                    FuzzTarget{"escape_xml", FuzzEscapeXml}),
    [](const testing::TestParamInfo<FuzzTarget>& info) {
      return std::string(info.param.name);
    });

}  // namespace
