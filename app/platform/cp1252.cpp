#include "cp1252.h"

#include "windows1252.h"

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

// The table itself is the interchange's, which the TMX export uses too.
char32_t Cp1252ToCodePoint(unsigned char byte) {
  const int32_t code_point = Windows1252ToUnicode(byte);
  return code_point < 0 ? kReplacementCharacter : static_cast<char32_t>(code_point);
}

char Cp1252FromCodePoint(char32_t code_point) {
  const int32_t byte = UnicodeToWindows1252(code_point);
  return byte < 0 ? '?' : static_cast<char>(byte);
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
