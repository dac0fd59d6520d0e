// TmEngine::ExportTmx: the whole TM as one TMX 1.1 document in UTF-16
// little-endian after a byte-order mark, with CR LF line ends.
//
// Each 8-bit byte becomes one code unit. A TM in windows-1252 (every TM the
// system creates) has its bytes 0x80 to 0x9F written as the characters they
// stand for there: the euro sign, typographic quotes, dashes. Any other TM
// is read as ISO-8859-1, where those bytes are control codes, written as "?".

#include <cstdio>
#include <string>

#include "entry_walk.h"
#include "escape_xml.h"
#include "output_buffer.h"
#include "same_file.h"
#include "tm_engine.h"
#include "windows1252.h"

namespace {

class Utf16Output {
 public:
  Utf16Output(std::FILE* file, bool windows1252)
      : buffer_(file), windows1252_(windows1252) {}

  // Fixed markup: ASCII with its CR LF line ends spelled out.
  void Markup(const char* text) {
    for (; *text; ++text) Unit(static_cast<uint8_t>(*text));
  }

  // A text of the TM, one code unit per byte.
  void Text(const std::string& bytes) {
    for (char c : bytes) {
      const uint8_t b = static_cast<uint8_t>(c);
      if (!windows1252_) {
        Unit(b);
        continue;
      }
      const int32_t unicode = Windows1252ToUnicode(b);
      Unit(unicode < 0 ? '?' : static_cast<uint16_t>(unicode));
    }
  }

  void Bytes(const char* bytes, size_t length) { buffer_.Put(bytes, length); }
  void FlushIfFull() { buffer_.FlushIfFull(); }
  bool Flush() { return buffer_.Flush(); }

 private:
  void Unit(uint16_t unit) {
    buffer_.Put(static_cast<char>(unit & 0xFF));
    buffer_.Put(static_cast<char>(unit >> 8));
  }

  OutputBuffer buffer_;
  bool windows1252_;
};

}  // namespace

bool TmEngine::ExportTmx(const char* fileName, const char* toolName,
                         const char* toolVersion, bool withKeys,
                         const ProgressCallback& progress) {
  if (!IsOpen() || IsSameFile(fileName, Path())) return false;
  std::FILE* file = std::fopen(fileName, "wb");
  if (file == nullptr) return false;

  // Bytes that the output widens as ISO-8859-1 lose their C1 range to "?";
  // in windows-1252 that range holds real characters and is kept.
  const bool windows1252 = IsWindows1252Name(EncodingName());
  const bool c1 = !windows1252;
  auto escaped = [c1](std::string text, bool quotes) {
    EscapeXml(text, quotes, c1);
    return text;
  };
  const std::string sourceLang = escaped(SourceLocale(), true);
  const std::string targetLang = escaped(TargetLocale(), true);

  Utf16Output out(file, windows1252);
  out.Bytes("\xFF\xFE", 2);
  out.Markup("<?xml version='1.0' encoding='iso-10646-ucs-2' ?>\r\n"
             "<!DOCTYPE tmx SYSTEM 'tmx11.dtd'>\r\n"
             "<tmx version='1.1'>\r\n"
             " <header\r\n  creationtool='");
  out.Text(toolName);
  out.Markup("'\r\n  creationtoolversion='");
  out.Text(toolVersion);
  out.Markup("'\r\n  datatype='plaintext'\r\n"
             "  segtype='paragraph'\r\n  adminlang='EN-US'\r\n  srclang='");
  out.Text(sourceLang);
  out.Markup("'\r\n  o-tmf='zqVanrix'\r\n >\r\n </header>\r\n <body>\r\n");

  const bool allRead = WalkEntries(
      *this,
      [&](const TmEntry& entry, const KeyRecord& key, int32_t number) {
        out.Markup("  <tu tuid='");
        out.Text(entry.id.empty() ? std::to_string(number) : escaped(entry.id, true));
        out.Markup("'>\r\n");
        if (withKeys) {
          out.Markup("   <prop type='tmkey'>");
          out.Text(key.JoinedWords());
          out.Markup("</prop>\r\n");
        }
        if (entry.x != -1) {
          out.Markup("   <prop type='coord'>");
          out.Text(std::to_string(entry.x) + ";" + std::to_string(entry.y) + ";" +
                   std::to_string(entry.cx) + ";" + std::to_string(entry.cy));
          out.Markup("</prop>\r\n");
        }
        if (!entry.type.empty()) {
          out.Markup("   <prop type='type'>");
          out.Text(escaped(entry.type, false));
          out.Markup("</prop>\r\n");
        }
        out.Markup("   <tuv lang='");
        out.Text(sourceLang);
        out.Markup("'>\r\n    <seg>");
        out.Text(escaped(entry.source, false));
        out.Markup("</seg>\r\n   </tuv>\r\n   <tuv lang='");
        out.Text(targetLang);
        out.Markup("'>\r\n    <seg>");
        out.Text(escaped(entry.target, false));
        out.Markup("</seg>\r\n   </tuv>\r\n  </tu>\r\n");
        out.FlushIfFull();
      },
      progress);
  out.Markup(" </body>\r\n</tmx>\r\n");

  const bool written = out.Flush();
  return (std::fclose(file) == 0) && written && allRead;
}
