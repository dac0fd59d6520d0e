#include "path_abbreviation.h"

#include <vector>

namespace {

const wxString kEllipsis = "...";

bool IsSeparator(wxUniChar ch) {
#ifdef _WIN32
  return ch == '\\' || ch == '/';
#else
  return ch == '/';
#endif
}

// The part of `path` before its first folder: "/" on POSIX, "C:\" or
// "\\server\share\" on Windows, empty for a relative path.
size_t RootLength(const wxString& path) {
#ifdef _WIN32
  if (path.length() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    // \\server\share\ counts as the root of a network path.
    size_t separators = 0;
    for (size_t i = 2; i < path.length(); ++i) {
      if (IsSeparator(path[i]) && ++separators == 2) return i + 1;
    }
    return path.length();
  }
  if (path.length() >= 2 && path[1] == ':') {
    return path.length() >= 3 && IsSeparator(path[2]) ? 3 : 2;
  }
#endif
  return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

}  // namespace

wxString AbbreviatePath(const wxString& path, size_t max_chars) {
  if (path.length() <= max_chars) return path;

  const size_t root_length = RootLength(path);
  const wxString root = path.Left(root_length);
  // The components after the root; the last one is the file name.
  std::vector<size_t> starts;
  for (size_t i = root_length; i < path.length(); ++i) {
    if (i == root_length || IsSeparator(path[i - 1])) starts.push_back(i);
  }
  if (starts.empty()) {
    return path.Left(max_chars - kEllipsis.length()) + kEllipsis;
  }

  // Keep as many trailing components as fit behind root + "..." + separator,
  // dropping the folders farthest from the file first.
  if (starts.size() > 1) {
    const wxString separator(path[starts.back() - 1]);
    for (size_t first = 1; first < starts.size(); ++first) {
      const wxString candidate =
          root + kEllipsis + separator + path.Mid(starts[first]);
      if (candidate.length() <= max_chars) return candidate;
    }
  }

  const wxString name = path.Mid(starts.back());
  if (name.length() <= max_chars) return name;
  return name.Left(max_chars - kEllipsis.length()) + kEllipsis;
}
