// Little-endian encoding of the integers in TM files.
//
// Every integer on disk is little-endian whatever the host, so the bytes are
// put together one by one instead of copying host integers.

#ifndef TARVENNA_ENGINE_BYTE_ORDER_H_
#define TARVENNA_ENGINE_BYTE_ORDER_H_

#include <cstdint>

inline void EncodeU16(uint8_t* out, uint16_t value) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
}

inline void EncodeU32(uint8_t* out, uint32_t value) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
  out[2] = static_cast<uint8_t>(value >> 16);
  out[3] = static_cast<uint8_t>(value >> 24);
}

inline uint16_t DecodeU16(const uint8_t* in) {
  return static_cast<uint16_t>(in[0] | (in[1] << 8));
}

inline uint32_t DecodeU32(const uint8_t* in) {
  return static_cast<uint32_t>(in[0]) | (static_cast<uint32_t>(in[1]) << 8) |
         (static_cast<uint32_t>(in[2]) << 16) |
         (static_cast<uint32_t>(in[3]) << 24);
}

// Signed values travel as their two's-complement bit pattern.
inline void EncodeI32(uint8_t* out, int32_t value) {
  EncodeU32(out, static_cast<uint32_t>(value));
}

inline int32_t DecodeI32(const uint8_t* in) {
  return static_cast<int32_t>(DecodeU32(in));
}

#endif  // TARVENNA_ENGINE_BYTE_ORDER_H_
