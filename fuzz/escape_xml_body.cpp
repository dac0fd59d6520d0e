// FuzzEscapeXml: whatever bytes a TM holds, their escaped form must be safe
// in the exported XML documents and stand for the same text.

#include <cstring>
#include <string>

#include "escape_xml.h"
#include "fuzz_bodies.h"
#include "fuzz_check.h"

namespace {

struct Entity {
  const char* name;  // as written, "&amp;"
  char character;
};

constexpr Entity kEntities[] = {
    {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'},
    {"&apos;", '\''},
};

// The bytes EscapeXml may not pass through unchanged: controls XML forbids,
// and with `c1` the range 0x80-0x9F. Each becomes "?".
bool IsReplaced(uint8_t b, bool c1) {
  if (b < 0x20 && b != '\t' && b != '\n' && b != '\r') return true;
  return c1 && b >= 0x80 && b <= 0x9F;
}

// Checks that `escaped` is safe and returns the text it stands for.
std::string CheckAndUnescape(const std::string& escaped, bool quotes,
                             bool c1) {
  Require(escaped.find('<') == std::string::npos, "no raw '<'");
  Require(escaped.find("]]>") == std::string::npos, "no \"]]>\"");
  std::string text;
  for (size_t i = 0; i < escaped.size(); ++i) {
    const uint8_t b = static_cast<uint8_t>(escaped[i]);
    Require(!IsReplaced(b, c1), "no forbidden control or C1 byte");
    Require(!quotes || (b != '"' && b != '\''), "no raw quote in attributes");
    if (b != '&') {
      text.push_back(static_cast<char>(b));
      continue;
    }
    const Entity* entity = nullptr;
    for (const Entity& e : kEntities) {
      if (escaped.compare(i, std::strlen(e.name), e.name) == 0) entity = &e;
    }
    Require(entity != nullptr, "every '&' starts an entity");
    Require(quotes || (entity->character != '"' && entity->character != '\''),
            "quotes are escaped only in attributes");
    text.push_back(entity->character);
    i += std::strlen(entity->name) - 1;
  }
  return text;
}

}  // namespace

void FuzzEscapeXml(const uint8_t* data, size_t size) {
  const std::string original(reinterpret_cast<const char*>(data), size);
  for (bool quotes : {false, true}) {
    for (bool c1 : {false, true}) {
      std::string text = original;
      const char* result = EscapeXml(text, quotes, c1);
      Require(result == text.c_str(), "the result is the escaped string");

      std::string expected = original;
      for (char& c : expected) {
        if (IsReplaced(static_cast<uint8_t>(c), c1)) c = '?';
      }
      Require(CheckAndUnescape(text, quotes, c1) == expected,
              "the escaped text stands for the original");
    }
  }
}
