#include "scratch_files.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "rollback_journal.h"

ScratchFiles::~ScratchFiles() {
  for (const std::string& path : paths_) std::remove(path.c_str());
}

std::string ScratchFiles::Path(const std::string& name) {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (error) folder = "/tmp";
  const std::string path =
      (folder / ("tarvenna-fuzz-" + std::to_string(getpid()) + "-" + name))
          .string();
  for (const std::string& file : {path, JournalPath(path)}) {
    std::remove(file.c_str());
    paths_.push_back(file);
  }
  return path;
}

bool WriteWholeFile(const std::string& path, const uint8_t* data,
                    size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}
