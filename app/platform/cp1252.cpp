#include "cp1252.h"

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Bytes 0x80 to 0x9F, where windows-1252 departs from ISO 8859-1.
constexpr char32_t kHighControlRange[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

char32_t Cp1252ToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControlRange[byte - 0x80];
  return byte;
}

char Cp1252FromCodePoint(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<char>(code_point);
  }
  if (code_point != kReplacementCharacter) {
    for (int i = 0; i < 32; ++i) {
      if (kHighControlRange[i] == code_point) return static_cast<char>(0x80 + i);
    }
  }
  return '?';
}

wxString Cp1252ToWx(std::string_view bytes) {
  wxString text;
  text.reserve(bytes.size());
  for (char byte : bytes) {
    text += wxUniChar(static_cast<wxUint32>(
        Cp1252ToCodePoint(static_cast<unsigned char>(byte))));
  }
  return text;
}

std::string WxToCp1252(const wxString& text) {
  // Walk the wide characters rather than wxString's own iterator, so that a
  // character outside the BMP, two UTF-16 units where wchar_t is 16 bits
  // wide, turns into one '?' and not two.
  const std::wstring wide = text.ToStdWstring();
  std::string bytes;
  bytes.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t code_point = static_cast<char32_t>(wide[i]);
    if (sizeof(wchar_t) == 2 && IsHighSurrogate(wide[i]) &&
        i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
      ++i;
      code_point = kReplacementCharacter;  // outside the BMP: never in 1252
    }
    bytes += Cp1252FromCodePoint(code_point);
  }
  return bytes;
}
