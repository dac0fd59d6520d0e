#include "tm_format.h"

#include <cstring>

#include "byte_order.h"

namespace {

void EncodeField(const std::string& text, uint8_t* field, size_t width) {
  std::memset(field, 0, width);
  std::memcpy(field, text.data(), text.size() < width ? text.size() : width);
}

// A field reads up to its first zero byte, or whole when it holds none.
std::string DecodeField(const uint8_t* field, size_t width) {
  const void* zero = std::memchr(field, 0, width);
  size_t length = zero ? static_cast<const uint8_t*>(zero) - field : width;
  return std::string(reinterpret_cast<const char*>(field), length);
}

}  // namespace

void EncodeTmHeader(const TmHeader& header, uint8_t out[kTmHeaderSize]) {
  std::memcpy(out, kTmMagic, sizeof kTmMagic);
  EncodeField(header.sourceLocale, out + 8, kLocaleFieldSize);
  EncodeField(header.targetLocale, out + 14, kLocaleFieldSize);
  EncodeField(header.encodingName, out + 20, kEncodingFieldSize);
  EncodeI32(out + 70, header.entryCount);
  EncodeU32(out + 74, header.indexOffset);
  EncodeU32(out + 78, header.indexSize);
}

bool DecodeTmHeader(const uint8_t in[kTmHeaderSize], TmHeader* header) {
  if (std::memcmp(in, kTmMagic, sizeof kTmMagic) != 0) return false;
  header->sourceLocale = DecodeField(in + 8, kLocaleFieldSize);
  header->targetLocale = DecodeField(in + 14, kLocaleFieldSize);
  header->encodingName = DecodeField(in + 20, kEncodingFieldSize);
  header->entryCount = DecodeI32(in + 70);
  header->indexOffset = DecodeU32(in + 74);
  header->indexSize = DecodeU32(in + 78);
  return true;
}
