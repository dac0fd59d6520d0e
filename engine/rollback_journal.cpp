#include "rollback_journal.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "byte_order.h"
#include "platform_file.h"
#include "tm_format.h"

namespace {

constexpr char kJournalMagic[8] = {'T', 'v', 'J', 'r', 'n', 'l', '0', '1'};
constexpr uint32_t kFixedSize = 28;  // magic, checksum, four lengths
constexpr size_t kChunk = 1 << 20;

class Checksum {
 public:
  void Add(const uint8_t* bytes, size_t length) {
    for (size_t i = 0; i < length; ++i) {
      hash_ ^= bytes[i];
      hash_ *= 16777619u;
    }
  }
  uint32_t value() const { return hash_; }

 private:
  uint32_t hash_ = 2166136261u;
};

struct JournalHead {
  uint32_t checksum = 0;
  uint32_t originalLength = 0;
  uint32_t headerLength = 0;
  uint32_t regionOffset = 0;
  uint32_t regionLength = 0;

  void Encode(uint8_t out[kFixedSize]) const {
    std::memcpy(out, kJournalMagic, 8);
    EncodeU32(out + 8, checksum);
    EncodeU32(out + 12, originalLength);
    EncodeU32(out + 16, headerLength);
    EncodeU32(out + 20, regionOffset);
    EncodeU32(out + 24, regionLength);
  }

  bool Decode(const uint8_t in[kFixedSize]) {
    if (std::memcmp(in, kJournalMagic, 8) != 0) return false;
    checksum = DecodeU32(in + 8);
    originalLength = DecodeU32(in + 12);
    headerLength = DecodeU32(in + 16);
    regionOffset = DecodeU32(in + 20);
    regionLength = DecodeU32(in + 24);
    return headerLength <= kTmHeaderSize && headerLength <= originalLength &&
           (regionLength == 0 ||
            static_cast<uint64_t>(regionOffset) + regionLength == originalLength);
  }
};

bool SeekTo(std::FILE* file, uint32_t offset) {
  return std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0;
}

// Copies `length` bytes from `from` at `offset` to the end of `to`.
bool CopyOut(std::FILE* from, uint32_t offset, uint32_t length, std::FILE* to,
             Checksum& checksum, std::vector<uint8_t>& buffer) {
  if (!SeekTo(from, offset)) return false;
  while (length > 0) {
    const size_t piece = length < kChunk ? length : kChunk;
    if (std::fread(buffer.data(), 1, piece, from) != piece ||
        std::fwrite(buffer.data(), 1, piece, to) != piece) {
      return false;
    }
    checksum.Add(buffer.data(), piece);
    length -= static_cast<uint32_t>(piece);
  }
  return true;
}

// Reads `length` journal bytes; with `tm`, writes them there at `offset`.
bool CopyBack(std::FILE* journal, uint32_t length, std::FILE* tm,
              uint32_t offset, Checksum& checksum, std::vector<uint8_t>& buffer) {
  if (tm && !SeekTo(tm, offset)) return false;
  while (length > 0) {
    const size_t piece = length < kChunk ? length : kChunk;
    if (std::fread(buffer.data(), 1, piece, journal) != piece) return false;
    if (tm && std::fwrite(buffer.data(), 1, piece, tm) != piece) return false;
    checksum.Add(buffer.data(), piece);
    length -= static_cast<uint32_t>(piece);
  }
  return true;
}

void AddHeadFields(Checksum& checksum, const JournalHead& head) {
  uint8_t bytes[kFixedSize];
  head.Encode(bytes);
  checksum.Add(bytes + 12, kFixedSize - 12);
}

// Reads the journal's saved bytes, checking them against its checksum, and
// with `tm` also writes them back into the TM.
bool Replay(std::FILE* journal, const JournalHead& head, std::FILE* tm) {
  std::vector<uint8_t> buffer(kChunk);
  Checksum checksum;
  AddHeadFields(checksum, head);
  if (!SeekTo(journal, kFixedSize) ||
      !CopyBack(journal, head.headerLength, tm, 0, checksum, buffer) ||
      !CopyBack(journal, head.regionLength, tm, head.regionOffset, checksum, buffer)) {
    return false;
  }
  return tm != nullptr || checksum.value() == head.checksum;
}

}  // namespace

std::string JournalPath(const std::string& tmPath) { return tmPath + "-journal"; }

bool JournalExists(const std::string& tmPath) {
  std::FILE* journal = std::fopen(JournalPath(tmPath).c_str(), "rb");
  if (journal == nullptr) return false;
  std::fclose(journal);
  return true;
}

bool WriteJournal(std::FILE* tm, const std::string& tmPath,
                  uint32_t savedIndexOffset) {
  if (std::fflush(tm) != 0 || std::fseek(tm, 0, SEEK_END) != 0) return false;
  const long length = std::ftell(tm);
  if (length < 0 || static_cast<uint64_t>(length) > kMaxFileOffset) return false;

  JournalHead head;
  head.originalLength = static_cast<uint32_t>(length);
  head.headerLength = std::min<uint32_t>(kTmHeaderSize, head.originalLength);
  head.regionOffset = savedIndexOffset;
  head.regionLength =
      savedIndexOffset < head.originalLength ? head.originalLength - savedIndexOffset : 0;

  const std::string path = JournalPath(tmPath);
  std::FILE* journal = std::fopen(path.c_str(), "wb");
  if (journal == nullptr) return false;
  uint8_t fixed[kFixedSize];
  head.Encode(fixed);  // the checksum is filled in once the bytes are known
  std::vector<uint8_t> buffer(kChunk);
  Checksum checksum;
  AddHeadFields(checksum, head);
  bool written =
      std::fwrite(fixed, 1, kFixedSize, journal) == kFixedSize &&
      CopyOut(tm, 0, head.headerLength, journal, checksum, buffer) &&
      CopyOut(tm, head.regionOffset, head.regionLength, journal, checksum, buffer);
  if (written) {
    head.checksum = checksum.value();
    head.Encode(fixed);
    written = SeekTo(journal, 0) &&
              std::fwrite(fixed, 1, kFixedSize, journal) == kFixedSize &&
              SyncFile(journal);
  }
  written = (std::fclose(journal) == 0) && written && SyncFolderOf(path);
  if (!written) std::remove(path.c_str());
  return written;
}

bool DeleteJournal(const std::string& tmPath) {
  const std::string path = JournalPath(tmPath);
  if (std::remove(path.c_str()) != 0) return !JournalExists(tmPath);
  return SyncFolderOf(path);
}

Recovery RollBackFromJournal(std::FILE* tm, const std::string& tmPath) {
  const std::string path = JournalPath(tmPath);
  std::FILE* journal = std::fopen(path.c_str(), "rb");
  if (journal == nullptr) return Recovery::kNothingToDo;

  uint8_t fixed[kFixedSize];
  JournalHead head;
  const bool complete = std::fread(fixed, 1, kFixedSize, journal) == kFixedSize &&
                        head.Decode(fixed) && Replay(journal, head, nullptr);
  if (!complete) {
    // The crash came while the journal was being written, before any write
    // to the TM: the TM is as last saved.
    std::fclose(journal);
    return DeleteJournal(tmPath) ? Recovery::kNothingToDo : Recovery::kFailed;
  }
  const bool restored = Replay(journal, head, tm) &&
                        TruncateFile(tm, head.originalLength) && SyncFile(tm);
  std::fclose(journal);
  if (!restored || !DeleteJournal(tmPath)) return Recovery::kFailed;
  return Recovery::kRolledBack;
}
