// The TM file (.vrx): layout, limits and the 82-byte header.
//
// A TM file holds, in this order:
//
//   offset 0              TmHeader, 82 bytes
//   offset 82             entry records, back to back, no gaps
//   header.index_offset   the KeyIndex, header.index_size bytes, to the end
//
// TmHeader (all integers little-endian):
//   0   8  magic "zqVRX100", no terminator
//   8   6  source locale  } text copied from the start of a zero-filled
//   14  6  target locale  } field; a text as long as the field has no
//   20 50  encoding name  } terminator, a longer one loses its tail
//   70  4  entry count, signed
//   74  4  index offset, unsigned; 82 in an empty TM
//   78  4  index size, unsigned; 0 in an empty TM
//
// Entry record (one TmEntry), 24 + L1 + L2 + L3 + L4 bytes:
//   u16 L1, source bytes; u16 L2, target bytes; u16 L3, type bytes;
//   u16 L4, id bytes; then x, y, cx, cy as signed 32-bit (-1: no position).
//   Texts carry no terminator. A text longer than kMaxTextLength can be
//   written but is refused when read.
//
// KeyIndex: one KeyRecord per entry in the order the entries were added:
//   u32 entry offset, then each key word followed by one NUL, then one more
//   NUL. Words are never empty, so the only NUL pair ends the record.
//
// Entry offsets stay below 2^31: they travel through the engine as int32_t,
// with -1 meaning "none". The file only ever grows; a new entry record is
// written where the old KeyIndex began, and SaveIndex then writes the header
// and the whole KeyIndex behind the last record.

#ifndef TARVENNA_ENGINE_TM_FORMAT_H_
#define TARVENNA_ENGINE_TM_FORMAT_H_

#include <cstdint>
#include <string>

constexpr char kTmMagic[8] = {'z', 'q', 'V', 'R', 'X', '1', '0', '0'};
constexpr uint32_t kTmHeaderSize = 82;
constexpr uint32_t kLocaleFieldSize = 6;
constexpr uint32_t kEncodingFieldSize = 50;

// The longest text an entry record may hold and still be read back.
constexpr uint32_t kMaxTextLength = 5120;

// The highest byte position a TM file may reach.
constexpr uint32_t kMaxFileOffset = 0x7FFFFFFF;

// The header's values. The strings have no length limit in memory; the field
// widths apply only when the header is encoded.
struct TmHeader {
  std::string sourceLocale;
  std::string targetLocale;
  std::string encodingName;
  int32_t entryCount = 0;
  uint32_t indexOffset = kTmHeaderSize;
  uint32_t indexSize = 0;
};

// Writes the 82 header bytes, magic included.
void EncodeTmHeader(const TmHeader& header, uint8_t out[kTmHeaderSize]);

// Reads the 82 header bytes; false when the magic is not "zqVRX100".
bool DecodeTmHeader(const uint8_t in[kTmHeaderSize], TmHeader* header);

#endif  // TARVENNA_ENGINE_TM_FORMAT_H_
