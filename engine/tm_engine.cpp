#include "tm_engine.h"

#include <cstring>

#include "platform_file.h"
#include "rollback_journal.h"

namespace {

bool FileExists(const char* path) {
  std::FILE* probe = std::fopen(path, "rb");
  if (probe == nullptr) return false;
  std::fclose(probe);
  return true;
}

bool CreateEmptyFile(const char* path) {
  std::FILE* created = std::fopen(path, "wb");
  if (created == nullptr) return false;
  return std::fclose(created) == 0;
}

bool SeekTo(std::FILE* file, uint32_t offset) {
  return offset <= kMaxFileOffset &&
         std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0;
}

// The file's length, or -1 when it cannot be told.
long FileLength(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  return std::ftell(file);
}

}  // namespace

TmEngine::~TmEngine() { Close(); }

bool TmEngine::Open(const char* path, bool readOnly, const char* sourceLocale,
                    const char* targetLocale, const char* encoding) {
  Close();
  readOnly_ = readOnly;
  inUseByAnother_ = false;

  bool isNew = false;
  if (!FileExists(path)) {
    if (readOnly || !CreateEmptyFile(path)) return false;
    isNew = true;
  }
  file_ = std::fopen(path, readOnly ? "rb" : "r+b");
  if (file_ == nullptr) return false;
  path_ = path;

  bool opened = (readOnly || LockForWriting());
  if (opened && isNew) {
    // A journal left beside a file since deleted belongs to that file.
    opened = (!JournalExists(path_) || DeleteJournal(path_)) &&
             CreateEmpty(sourceLocale, targetLocale, encoding);
  } else if (opened) {
    opened = RecoverFromJournal() && LoadExisting(sourceLocale, targetLocale);
  }
  if (!opened) Close();
  return opened;
}

bool TmEngine::LockForWriting() {
  // A file system without locks still lets the TM be used.
  if (LockExclusive(file_) != LockResult::kHeldByAnother) return true;
  inUseByAnother_ = true;
  return false;
}

// A journal beside the TM is the trace of a change that never completed.
// A writer holds the lock and may restore the TM itself; a reader needs a
// stream of its own, and finds the TM in use when a writer holds the lock,
// since that writer's change may still complete.
bool TmEngine::RecoverFromJournal() {
  if (!JournalExists(path_)) return true;
  if (!readOnly_) return RollBackFromJournal(file_, path_) != Recovery::kFailed;
  std::FILE* writer = std::fopen(path_.c_str(), "r+b");
  if (writer == nullptr) return false;
  const LockResult lock = LockExclusive(writer);
  inUseByAnother_ = lock == LockResult::kHeldByAnother;
  const bool recovered =
      !inUseByAnother_ && RollBackFromJournal(writer, path_) != Recovery::kFailed;
  std::fclose(writer);
  return recovered;
}

// Before the first write over the TM as last saved, its journal.
// From then on the file may differ from its last save, even if the write
// that follows fails, so the next SaveIndex writes everything again.
bool TmEngine::BeginChange() {
  if (journalWritten_) return true;
  journalWritten_ = WriteJournal(file_, path_, savedIndexOffset_);
  if (journalWritten_) unsaved_ = true;
  return journalWritten_;
}

bool TmEngine::CreateEmpty(const char* sourceLocale, const char* targetLocale,
                           const char* encoding) {
  header_.entryCount = 0;
  header_.indexOffset = kTmHeaderSize;
  savedIndexOffset_ = kTmHeaderSize;
  SetHeaderStrings(sourceLocale, targetLocale, encoding);
  unsaved_ = true;
  return SaveIndex();
}

bool TmEngine::LoadExisting(const char* sourceLocale,
                            const char* targetLocale) {
  uint8_t bytes[kTmHeaderSize];
  if (!SeekTo(file_, 0) ||
      std::fread(bytes, 1, sizeof bytes, file_) != sizeof bytes) {
    return false;
  }
  TmHeader header;
  if (!DecodeTmHeader(bytes, &header)) return false;
  if ((sourceLocale && header.sourceLocale != sourceLocale) ||
      (targetLocale && header.targetLocale != targetLocale)) {
    return false;
  }
  header_ = header;
  savedIndexOffset_ = header.indexOffset;

  // A negative count, or an index that would begin inside the header or
  // reach past the end of the file, belongs to a damaged file. Refusing it
  // up front also avoids allocating whatever size a damaged header claims,
  // and writing the next entry far beyond the end of the file.
  const long length = FileLength(file_);
  if (length < 0 || header.entryCount < 0 ||
      header.indexOffset < kTmHeaderSize ||
      static_cast<uint64_t>(header.indexOffset) + header.indexSize >
          static_cast<uint64_t>(length)) {
    return false;
  }
  if (!keys_.Reset(header.indexSize) || !SeekTo(file_, header.indexOffset)) {
    return false;
  }
  if (header.indexSize > 0 &&
      std::fread(keys_.data(), 1, header.indexSize, file_) !=
          header.indexSize) {
    return false;
  }
  // A record appended behind a cut one would be read as its continuation,
  // and the entry added would be lost to every walk and query.
  keys_.DropCutRecord();
  return true;
}

void TmEngine::SetHeaderStrings(const char* sourceLocale,
                                const char* targetLocale,
                                const char* encoding) {
  if (sourceLocale) header_.sourceLocale = sourceLocale;
  if (targetLocale) header_.targetLocale = targetLocale;
  if (encoding) header_.encodingName = encoding;
  if (file_ && (sourceLocale || targetLocale || encoding)) unsaved_ = true;
}

bool TmEngine::SaveIndex() {
  if (file_ == nullptr || readOnly_) return false;
  // The file already holds exactly what would be written.
  if (!unsaved_) return true;
  if (!BeginChange()) return false;
  TmHeader header = header_;
  header.indexSize = keys_.size();
  uint8_t bytes[kTmHeaderSize];
  EncodeTmHeader(header, bytes);

  if (!SeekTo(file_, 0) ||
      std::fwrite(bytes, 1, sizeof bytes, file_) != sizeof bytes) {
    return false;
  }
  if (!SeekTo(file_, header.indexOffset)) return false;
  if (!keys_.empty() &&
      std::fwrite(keys_.data(), 1, keys_.size(), file_) != keys_.size()) {
    return false;
  }
  // Only once the new state is on the disk may the old one be forgotten.
  if (!SyncFile(file_) || !DeleteJournal(path_)) return false;
  journalWritten_ = false;
  unsaved_ = false;
  savedIndexOffset_ = header.indexOffset;
  return true;
}

void TmEngine::Close() {
  if (file_ != nullptr) {
    // Changes never saved leave the TM as last saved; should that fail, the
    // journal stays for the next Open.
    if (journalWritten_ && !readOnly_) RollBackFromJournal(file_, path_);
    std::fclose(file_);
    file_ = nullptr;
  }
  journalWritten_ = false;
  unsaved_ = false;
  header_.entryCount = 0;
  keys_.Clear();
  duplicates_.Clear();
  duplicatesBuilt_ = false;
  words_.Clear();
  std::vector<uint32_t>().swap(candidates_);
  keyCursorValid_ = false;
}

bool TmEngine::ReadEntry(TmEntry& entry, int32_t offset) {
  if (file_ == nullptr || offset < 0 ||
      !SeekTo(file_, static_cast<uint32_t>(offset))) {
    return false;
  }
  return entry.ReadFrom(file_);
}

int32_t TmEngine::FirstKey() {
  keyCursorValid_ = false;
  KeyRecord record;
  if (header_.entryCount == 0 || !keys_.RecordAt(0, &record)) return -1;
  keyCursor_ = 0;
  keyCursorValid_ = true;
  return record.entryOffset;
}

int32_t TmEngine::NextKey() {
  KeyRecord record;
  if (header_.entryCount == 0 || !keyCursorValid_ ||
      !keys_.RecordAt(keyCursor_, &record)) {
    keyCursorValid_ = false;
    return -1;
  }
  KeyRecord next;
  if (!keys_.RecordAt(record.end, &next)) {
    keyCursorValid_ = false;
    return -1;
  }
  keyCursor_ = next.start;
  return next.entryOffset;
}

bool TmEngine::CurrentKey(KeyRecord* record) const {
  return keyCursorValid_ && keys_.RecordAt(keyCursor_, record);
}

size_t TmEngine::IndexMemoryUsage() const {
  return duplicates_.MemoryUsage() + words_.MemoryUsage();
}
