#include "source_key.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

enum class ByteClass : uint8_t { kSeparator, kWord, kIgnored };

constexpr ByteClass ClassOf(uint8_t b) {
  if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) return ByteClass::kWord;
  if (b == ']' || b == '`' || b == '}') return ByteClass::kWord;
  if (b == '&') return ByteClass::kIgnored;
  return ByteClass::kSeparator;
}

}  // namespace

bool BuildSourceKey(const char* text, uint8_t** keyBuffer,
                    uint32_t* keyLength) {
  // Words are gathered joined by single blanks; a separator only takes effect
  // once the next word byte arrives, so leading and trailing separators and
  // runs of them leave no trace.
  std::string joined;
  bool pendingSeparator = false;
  for (const uint8_t* p = reinterpret_cast<const uint8_t*>(text); *p; ++p) {
    switch (ClassOf(*p)) {
      case ByteClass::kWord:
        if (pendingSeparator) {
          joined.push_back(' ');
          pendingSeparator = false;
        }
        joined.push_back(static_cast<char>(
            (*p >= 'A' && *p <= 'Z') ? *p + 0x20 : *p));
        break;
      case ByteClass::kIgnored:
        break;
      case ByteClass::kSeparator:
        if (!joined.empty()) pendingSeparator = true;
        break;
    }
  }

  const uint32_t n = static_cast<uint32_t>(joined.size());
  if (n == 0) {
    *keyLength = 0;
    return true;
  }
  *keyLength = n + 6;
  uint8_t* buffer = static_cast<uint8_t*>(std::malloc(n + 6));
  *keyBuffer = buffer;
  if (buffer == nullptr) return false;

  std::memset(buffer, 0, n + 6);
  std::memcpy(buffer + 4, joined.data(), n);
  for (uint32_t i = 4; i < n + 4; ++i) {
    if (buffer[i] == ' ') buffer[i] = 0;
  }
  return true;
}

SourceKey::SourceKey(const char* text) {
  built_ = BuildSourceKey(text, &buffer_, &length_);
  if (!built_) length_ = 0;
}

SourceKey::~SourceKey() { std::free(buffer_); }

std::vector<KeyWord> SourceKey::Words() const {
  std::vector<KeyWord> words;
  if (empty()) return words;
  KeyRecord record;
  if (ParseKeyRecord(buffer_, length_, 0, &record)) record.AppendWords(words);
  return words;
}
