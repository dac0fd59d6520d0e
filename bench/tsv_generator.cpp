#include "tsv_generator.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* const kCommonWords[] = {
    "the", "file", "to", "a", "of", "and", "is", "in", "for", "you", "this",
    "open", "save", "not", "be", "can", "with", "on", "name", "select", "click",
    "new", "are", "document", "window", "from", "all", "an", "or", "error",
    "could", "settings", "user", "text", "edit", "view", "insert", "format",
    "tools", "help", "print", "page", "close", "exit", "delete", "copy",
    "paste", "cut", "undo", "redo", "find", "replace", "table", "column",
    "row", "cell", "style", "font", "size", "color", "image", "link", "folder",
    "path", "cannot", "found", "please", "enter", "value", "between", "must",
    "characters", "default", "options", "preferences", "language", "source",
    "target", "memory", "translation", "segment", "import", "export", "query",
    "match", "threshold", "entries", "entry", "added", "empty", "already",
    "exists", "overwrite", "want", "do", "your", "changes", "before", "after",
};

const char* const kSyllables[] = {
    "ka", "lo", "mi", "ter", "ston", "va", "rel", "qui", "pon", "dra", "el",
    "sen", "tor", "ni", "ba", "cor", "fu", "gen", "hal", "jo", "lin", "mar",
    "nel", "or", "pre", "ris", "sa", "tu", "ul", "ven", "wis", "r\xE9",
};

// Windows-1252 bytes a French translation is full of.
const char* const kFrenchBytes[] = {"\xE9", "\xE8", "\xE0", "\xEA", "\xE7",
                                    "\x92", "\xAB ", " \xBB", "\x9C", "\xF4"};

}  // namespace

TsvGenerator::TsvGenerator(uint32_t seed) : state_(seed) {
  for (const char* word : kCommonWords) vocabulary_.push_back(word);
  while (vocabulary_.size() < 40000) {
    std::string word;
    const int syllables = 1 + static_cast<int>(Next() % 4);
    for (int i = 0; i < syllables; ++i) word += kSyllables[Next() % 32];
    vocabulary_.push_back(word);
  }
  double sum = 0;
  for (size_t k = 0; k < vocabulary_.size(); ++k) {
    sum += 1.0 / static_cast<double>(k + 1);
    cumulative_.push_back(sum);
  }
}

// A 64-bit linear congruential generator: the same numbers on every
// platform and library, unlike the standard distributions.
uint32_t TsvGenerator::Next() {
  state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
  return static_cast<uint32_t>(state_ >> 33);
}

double TsvGenerator::Uniform() { return Next() / 2147483648.0; }

std::string TsvGenerator::Word() {
  const double u = Uniform() * cumulative_.back();
  const size_t k = std::lower_bound(cumulative_.begin(), cumulative_.end(), u) -
                   cumulative_.begin();
  return vocabulary_[std::min(k, vocabulary_.size() - 1)];
}

std::string TsvGenerator::RareWord() {
  return vocabulary_[vocabulary_.size() - 1 - Next() % 10000];
}

std::string TsvGenerator::Sentence() {
  const int words = 2 + static_cast<int>(Next() % 24);
  std::string sentence;
  for (int i = 0; i < words; ++i) {
    std::string word = Word();
    if (i == 0) word[0] = static_cast<char>(word[0] - 0x20);
    if (i > 0) sentence += Next() % 12 == 0 ? ", " : " ";
    sentence += word;
  }
  sentence += Next() % 5 == 0 ? "..." : ".";
  return sentence;
}

std::string TsvGenerator::NearDuplicate(const std::string& source) {
  std::string near = source;
  switch (Next() % 4) {
    case 0: {  // one word changed
      const size_t blank = near.find(' ');
      if (blank != std::string::npos) near.insert(blank + 1, Word() + " ");
      break;
    }
    case 1: {  // last word dropped
      const size_t blank = near.rfind(' ');
      if (blank != std::string::npos) near = near.substr(0, blank) + ".";
      break;
    }
    case 2:  // other case
      for (char& c : near) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
      }
      break;
    default:  // other punctuation
      near.back() = '!';
      break;
  }
  return near;
}

std::string TsvGenerator::Translate(const std::string& source) {
  std::string target;
  for (char c : source) {
    target += c;
    if (c == ' ' && Next() % 3 == 0) target += kFrenchBytes[Next() % 10];
  }
  return target + " (fr)";
}

std::vector<TsvLine> TsvGenerator::Lines(int count) {
  std::vector<TsvLine> lines;
  lines.reserve(count);
  for (int i = 0; i < count; ++i) {
    TsvLine line;
    const uint32_t kind = Next() % 100;
    if (i > 10 && kind < 5) {  // earlier source, other target
      line.source = lines[Next() % lines.size()].source;
      line.target = Translate(line.source) + " bis";
    } else if (i > 10 && kind < 15) {
      line.source = NearDuplicate(lines[Next() % lines.size()].source);
      line.target = Translate(line.source);
    } else if (i > 10 && kind < 16) {  // the whole line again
      lines.push_back(lines[Next() % lines.size()]);
      continue;
    } else {
      line.source = Sentence();
      line.target = Translate(line.source);
    }
    line.id = "ID" + std::to_string(i);
    line.type = Next() % 3 == 0 ? "menu" : "";
    lines.push_back(line);
  }
  return lines;
}

bool TsvGenerator::Write(const std::string& path,
                         const std::vector<TsvLine>& lines) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  for (const TsvLine& line : lines) {
    std::fprintf(file, "%s\t%s\t%s\t%s\r\n", line.source.c_str(),
                 line.target.c_str(), line.id.c_str(), line.type.c_str());
  }
  return std::fclose(file) == 0;
}
