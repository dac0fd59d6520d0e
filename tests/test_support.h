// Helpers shared by the test suites: a private scratch folder and whole-file
// reads and writes.

#ifndef TARVENNA_TESTS_TEST_SUPPORT_H_
#define TARVENNA_TESTS_TEST_SUPPORT_H_

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A fresh folder for one test, removed with everything in it afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    const testing::TestInfo* info =
        testing::UnitTest::GetInstance()->current_test_info();
    // The process number keeps suites run side by side (two builds, two
    // checkouts) out of each other's folders.
    std::string name = "tarvenna-" + std::to_string(getpid()) + "-";
    if (info) name += std::string(info->test_suite_name()) + "-" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  std::string File(const std::string& name) const {
    return (path_ / name).string();
  }

 private:
  std::filesystem::path path_;
};

inline Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in),
               std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ToBytes(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

inline void AppendU32(Bytes& bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

#endif  // TARVENNA_TESTS_TEST_SUPPORT_H_
