#include "escape_xml.h"

#include <cstdint>

const char* EscapeXml(std::string& text, bool quotes, bool c1) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (size_t i = 0; i < text.size(); ++i) {
    const uint8_t b = static_cast<uint8_t>(text[i]);
    if (b == '&') {
      out += "&amp;";
    } else if (b == '<') {
      out += "&lt;";
    } else if (b == '>' && i >= 2 && text[i - 1] == ']' && text[i - 2] == ']') {
      out += "&gt;";  // "]]>" may not appear in content
    } else if (quotes && b == '"') {
      out += "&quot;";
    } else if (quotes && b == '\'') {
      out += "&apos;";
    } else if (b < 0x20 && b != '\t' && b != '\n' && b != '\r') {
      out += '?';  // no XML 1.0 document may hold these, escaped or not
    } else if (c1 && b >= 0x80 && b <= 0x9F) {
      out += '?';
    } else {
      out += static_cast<char>(b);
    }
  }
  text.swap(out);
  return text.c_str();
}
