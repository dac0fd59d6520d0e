// TmEngine::ExportOpenTag: the whole TM as one OpenTag 1.2 document.
//
// The texts are written as the bytes they hold, in the encoding the TM
// header names; in a windows-1252 TM the five bytes that encoding leaves
// undefined become "?", as no reader could decode them. Line ends are CR LF on every platform, so that one TM gives
// one file everywhere.

#include <cstdio>
#include <string>

#include "entry_walk.h"
#include "escape_xml.h"
#include "output_buffer.h"
#include "same_file.h"
#include "tm_engine.h"
#include "windows1252.h"

namespace {

// Buffers the document and turns each LF into CR LF, except where a CR
// already stands before it: a text typed over several lines holds CR LF
// pairs, and doubling their CR would make two line ends of one.
class CrLfOutput {
 public:
  explicit CrLfOutput(std::FILE* file) : buffer_(file) {}

  void Write(const std::string& text) {
    for (char c : text) {
      if (c == '\n' && previous_ != '\r') buffer_.Put('\r');
      buffer_.Put(c);
      previous_ = c;
    }
    buffer_.FlushIfFull();
  }

  bool Flush() { return buffer_.Flush(); }

 private:
  OutputBuffer buffer_;
  char previous_ = 0;
};

// Escapes every text taken from the TM for the document.
class TextEscaper {
 public:
  explicit TextEscaper(bool windows1252) : windows1252_(windows1252) {}

  std::string operator()(std::string text, bool quotes) const {
    EscapeXml(text, quotes, false);
    if (windows1252_) ReplaceUndefinedWindows1252(text);
    return text;
  }

 private:
  bool windows1252_;
};

// The attributes of one entry's grp element: always id (the entry's own or
// its running number), then type and coord when the entry has them.
std::string GroupAttributes(const TmEntry& entry, int32_t number,
                            const TextEscaper& escape) {
  std::string attributes = " id='";
  attributes += entry.id.empty() ? std::to_string(number) : escape(entry.id, true);
  attributes += "'";
  if (!entry.type.empty()) attributes += " type='" + escape(entry.type, true) + "'";
  if (entry.x >= 0) {
    attributes += "  coord='" + std::to_string(entry.x) + ";" +
                  std::to_string(entry.y) + ";" + std::to_string(entry.cx) +
                  ";" + std::to_string(entry.cy) + "'";
  }
  return attributes;
}

}  // namespace

bool TmEngine::ExportOpenTag(const char* fileName, const char* toolName,
                             bool withKeys, const ProgressCallback& progress) {
  if (!IsOpen() || IsSameFile(fileName, Path())) return false;
  std::FILE* file = std::fopen(fileName, "wb");
  if (file == nullptr) return false;

  const TextEscaper escape(IsWindows1252Name(EncodingName()));
  const std::string sourceLang = escape(SourceLocale(), true);
  const std::string targetLang = escape(TargetLocale(), true);
  CrLfOutput out(file);
  out.Write("<?xml version='1.0' encoding='" + EncodingName() + "' ?>\n");
  out.Write("<opentag version='1.2'>\n <file tool='" + std::string(toolName) +
            "' lc='" + sourceLang + "' original='" + escape(Path(), true) +
            "' datatype='plaintext'>\n");

  const bool allRead = WalkEntries(
      *this,
      [&](const TmEntry& entry, const KeyRecord& key, int32_t number) {
        out.Write("  <grp" + GroupAttributes(entry, number, escape) + ">\n");
        if (withKeys) {
          out.Write("   <prop type='tmkey'>" + key.JoinedWords() + "</prop>\n");
        }
        out.Write("   <p lc='" + sourceLang + "'>" + escape(entry.source, false) +
                  "</p>\n   <p lc='" + targetLang + "'>" +
                  escape(entry.target, false) + "</p>\n  </grp>\n");
      },
      progress);
  out.Write(" </file>\n</opentag>\n");

  const bool written = out.Flush();
  return (std::fclose(file) == 0) && written && allRead;
}
