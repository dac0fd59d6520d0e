#include "tm_engine.h"

#include <cstring>

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

  bool isNew = false;
  if (!FileExists(path)) {
    if (readOnly || !CreateEmptyFile(path)) return false;
    isNew = true;
  }
  file_ = std::fopen(path, readOnly ? "rb" : "r+b");
  if (file_ == nullptr) return false;
  path_ = path;

  bool opened = isNew ? CreateEmpty(sourceLocale, targetLocale, encoding)
                      : LoadExisting(sourceLocale, targetLocale);
  if (!opened) Close();
  return opened;
}

bool TmEngine::CreateEmpty(const char* sourceLocale, const char* targetLocale,
                           const char* encoding) {
  header_.entryCount = 0;
  header_.indexOffset = kTmHeaderSize;
  SetHeaderStrings(sourceLocale, targetLocale, encoding);
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

  // A negative count, or an index that would begin inside the header or
  // reach past the end of the file, belongs to a damaged file; refusing it up front also avoids
  // allocating whatever size a damaged header claims.
  const long length = FileLength(file_);
  if (length < 0 || header.entryCount < 0 ||
      header.indexOffset < kTmHeaderSize ||
      (header.indexSize > 0 &&
       static_cast<uint64_t>(header.indexOffset) + header.indexSize >
           static_cast<uint64_t>(length))) {
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
  duplicates_.Build(keys_);
  return true;
}

void TmEngine::SetHeaderStrings(const char* sourceLocale,
                                const char* targetLocale,
                                const char* encoding) {
  if (sourceLocale) header_.sourceLocale = sourceLocale;
  if (targetLocale) header_.targetLocale = targetLocale;
  if (encoding) header_.encodingName = encoding;
}

bool TmEngine::SaveIndex() {
  if (file_ == nullptr || readOnly_) return false;
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
  // Hand the bytes to the system now rather than at close, so that a saved
  // TM survives the program ending abnormally.
  return std::fflush(file_) == 0;
}

void TmEngine::Close() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  header_.entryCount = 0;
  keys_.Clear();
  duplicates_.Clear();
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
