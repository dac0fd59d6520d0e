#include "windows1252.h"

namespace {

// 0x80 to 0x9F; 0 marks an undefined byte.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 character at `i`, advancing `i`; -1 for a malformed
// sequence, of which one byte is consumed.
int32_t DecodeUtf8(const std::string& s, size_t& i) {
  const uint8_t lead = static_cast<uint8_t>(s[i++]);
  if (lead < 0x80) return lead;
  int extra;
  uint32_t c;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
    c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
    c = lead & 0x07;
  } else {
    return -1;
  }
  size_t j = i;
  for (int k = 0; k < extra; ++k, ++j) {
    if (j >= s.size() || (static_cast<uint8_t>(s[j]) & 0xC0) != 0x80) return -1;
    c = (c << 6) | (static_cast<uint8_t>(s[j]) & 0x3F);
  }
  const uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
  if (c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    return -1;
  }
  i = j;
  return static_cast<int32_t>(c);
}

}  // namespace

int32_t Windows1252ToUnicode(uint8_t byte) {
  if (byte < 0x80 || byte > 0x9F) return byte;
  const uint16_t c = kHighControls[byte - 0x80];
  return c ? c : -1;
}

int32_t UnicodeToWindows1252(uint32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<int32_t>(character);
  }
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == character) return 0x80 + i;
  }
  return -1;
}

void ReplaceUndefinedWindows1252(std::string& bytes) {
  for (char& c : bytes) {
    if (Windows1252ToUnicode(static_cast<uint8_t>(c)) < 0) c = '?';
  }
}

bool IsWindows1252Name(const std::string& encodingName) {
  static const char kName[] = "windows-1252";
  if (encodingName.size() != sizeof kName - 1) return false;
  for (size_t i = 0; i < encodingName.size(); ++i) {
    char c = encodingName[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    if (c != kName[i]) return false;
  }
  return true;
}

std::string Windows1252ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char b : bytes) {
    const int32_t c = Windows1252ToUnicode(static_cast<uint8_t>(b));
    AppendUtf8(out, c < 0 ? '?' : static_cast<uint32_t>(c));
  }
  return out;
}

std::string Utf8ToWindows1252(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const int32_t c = DecodeUtf8(utf8, i);
    const int32_t b = c < 0 ? -1 : UnicodeToWindows1252(static_cast<uint32_t>(c));
    out += static_cast<char>(b < 0 ? '?' : b);
  }
  return out;
}
