#include "platform_file.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#ifdef _WIN32

bool SyncFile(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return FlushFileBuffers(handle) != 0;
}

bool SyncFolderOf(const std::string&) { return true; }

bool TruncateFile(std::FILE* file, uint32_t length) {
  return std::fflush(file) == 0 && _chsize_s(_fileno(file), length) == 0;
}

LockResult LockExclusive(std::FILE* file) {
  // Windows locks are mandatory: lock one byte far beyond any TM's end, so
  // that readers of the file itself are never blocked.
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  OVERLAPPED where = {};
  where.Offset = 0xFFFFFFFE;
  where.OffsetHigh = 0x7FFFFFFF;
  if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                 1, 0, &where)) {
    return LockResult::kLocked;
  }
  return GetLastError() == ERROR_LOCK_VIOLATION ? LockResult::kHeldByAnother
                                                : LockResult::kFailed;
}

#else

bool SyncFile(std::FILE* file) {
  return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

bool SyncFolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  const std::string folder =
      slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  const int fd = open(folder.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool synced = fsync(fd) == 0;
  close(fd);
  return synced;
}

bool TruncateFile(std::FILE* file, uint32_t length) {
  return std::fflush(file) == 0 && ftruncate(fileno(file), length) == 0;
}

LockResult LockExclusive(std::FILE* file) {
  if (flock(fileno(file), LOCK_EX | LOCK_NB) == 0) return LockResult::kLocked;
  return errno == EWOULDBLOCK ? LockResult::kHeldByAnother : LockResult::kFailed;
}

#endif
