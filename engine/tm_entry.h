// TmEntry: one translation unit, and its entry record on disk.

#ifndef TARVENNA_ENGINE_TM_ENTRY_H_
#define TARVENNA_ENGINE_TM_ENTRY_H_

#include <cstdint>
#include <cstdio>
#include <string>

// The fields come in the order of the entry record. Texts are 8-bit bytes
// with no zero byte inside; -1 in x, y, cx and cy means "no position".
struct TmEntry {
  std::string source;
  std::string target;
  std::string type;
  std::string id;
  int32_t x = -1;
  int32_t y = -1;
  int32_t cx = -1;
  int32_t cy = -1;

  // Length of the entry record these fields make: 24 plus the four text
  // lengths, each taken modulo 65,536 as the record stores it.
  uint32_t RecordLength() const;

  // Writes the entry record at the stream's current position and adds its
  // length to `position`. A text of 65,536 bytes or more keeps only its first
  // (length modulo 65,536) bytes, so the record stays self-consistent.
  // Returns false when the stream did not take every byte.
  bool WriteEntry(std::FILE* stream, uint32_t& position) const;

  // Reads an entry record at the stream's current position. False when a
  // text is longer than kMaxTextLength or the record is cut short by the end
  // of the file; the fields are then not to be used. A text ends at its
  // first zero byte, if it holds one.
  bool ReadFrom(std::FILE* stream);
};

bool operator==(const TmEntry& a, const TmEntry& b);
inline bool operator!=(const TmEntry& a, const TmEntry& b) { return !(a == b); }

#endif  // TARVENNA_ENGINE_TM_ENTRY_H_
