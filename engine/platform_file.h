// The few file operations the C runtime lacks: making data durable, cutting
// a file short and locking it against other writers. POSIX and Windows.

#ifndef TARVENNA_ENGINE_PLATFORM_FILE_H_
#define TARVENNA_ENGINE_PLATFORM_FILE_H_

#include <cstdint>
#include <cstdio>
#include <string>

// Flushes the stream and asks the system to put its data on the disk.
bool SyncFile(std::FILE* file);

// Makes a file's creation or deletion in `path`'s folder durable. Where the
// system has no such call, true.
bool SyncFolderOf(const std::string& path);

// Cuts the file to `length` bytes.
bool TruncateFile(std::FILE* file, uint32_t length);

enum class LockResult { kLocked, kHeldByAnother, kFailed };

// Takes an exclusive advisory lock on the open file, without waiting. The
// lock goes with the stream: closing it releases the lock.
LockResult LockExclusive(std::FILE* file);

#endif  // TARVENNA_ENGINE_PLATFORM_FILE_H_
