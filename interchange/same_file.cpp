#include "same_file.h"

#include <filesystem>
#include <system_error>

bool IsSameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}
