// Windows-1252, the 8-bit encoding of every TM the system creates, and its
// mapping to Unicode. It equals ISO-8859-1 except for 0x80 to 0x9F, which
// hold the euro sign, typographic quotes, dashes and a few letters; five of
// those bytes are undefined.

#ifndef TARVENNA_INTERCHANGE_WINDOWS1252_H_
#define TARVENNA_INTERCHANGE_WINDOWS1252_H_

#include <cstdint>
#include <string>

// The Unicode character of a byte, or -1 for the five undefined bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D).
int32_t Windows1252ToUnicode(uint8_t byte);

// The byte of a Unicode character, or -1 when windows-1252 lacks it.
int32_t UnicodeToWindows1252(uint32_t character);

// Replaces the five undefined bytes by "?", so that a document declared
// windows-1252 holds nothing a reader cannot decode.
void ReplaceUndefinedWindows1252(std::string& bytes);

// Whether an encoding name names windows-1252 (letter case ignored).
bool IsWindows1252Name(const std::string& encodingName);

// Conversions for texts a person sees or types: characters that the target
// lacks, undefined bytes and malformed UTF-8 become "?".
std::string Windows1252ToUtf8(const std::string& bytes);
std::string Utf8ToWindows1252(const std::string& utf8);

#endif  // TARVENNA_INTERCHANGE_WINDOWS1252_H_
