#include "tm_entry.h"

#include <cstring>

#include "byte_order.h"
#include "tm_format.h"

namespace {

void AppendText(std::string& record, const std::string& text) {
  uint16_t length = static_cast<uint16_t>(text.size());
  uint8_t prefix[2];
  EncodeU16(prefix, length);
  record.append(reinterpret_cast<const char*>(prefix), 2);
  record.append(text, 0, length);
}

void AppendInt(std::string& record, int32_t value) {
  uint8_t bytes[4];
  EncodeI32(bytes, value);
  record.append(reinterpret_cast<const char*>(bytes), 4);
}

bool ReadText(std::FILE* stream, std::string& text) {
  uint8_t prefix[2];
  if (std::fread(prefix, 1, 2, stream) != 2) return false;
  uint16_t length = DecodeU16(prefix);
  if (length > kMaxTextLength) return false;
  text.resize(length);
  if (length > 0 && std::fread(&text[0], 1, length, stream) != length) {
    return false;
  }
  text.resize(std::strlen(text.c_str()));
  return true;
}

}  // namespace

uint32_t TmEntry::RecordLength() const {
  uint32_t length = 24;
  for (const std::string* text : {&source, &target, &type, &id}) {
    length += static_cast<uint16_t>(text->size());
  }
  return length;
}

bool TmEntry::WriteEntry(std::FILE* stream, uint32_t& position) const {
  // One buffer and one write: the record's twelve fields reach the stream
  // together.
  std::string record;
  record.reserve(RecordLength());
  AppendText(record, source);
  AppendText(record, target);
  AppendText(record, type);
  AppendText(record, id);
  for (int32_t value : {x, y, cx, cy}) AppendInt(record, value);

  position += static_cast<uint32_t>(record.size());
  return std::fwrite(record.data(), 1, record.size(), stream) == record.size();
}

bool TmEntry::ReadFrom(std::FILE* stream) {
  if (!ReadText(stream, source) || !ReadText(stream, target) ||
      !ReadText(stream, type) || !ReadText(stream, id)) {
    return false;
  }
  uint8_t numbers[16];
  if (std::fread(numbers, 1, sizeof numbers, stream) != sizeof numbers) {
    return false;
  }
  x = DecodeI32(numbers);
  y = DecodeI32(numbers + 4);
  cx = DecodeI32(numbers + 8);
  cy = DecodeI32(numbers + 12);
  return true;
}

bool operator==(const TmEntry& a, const TmEntry& b) {
  return a.source == b.source && a.target == b.target && a.type == b.type &&
         a.id == b.id && a.x == b.x && a.y == b.y && a.cx == b.cx &&
         a.cy == b.cy;
}
