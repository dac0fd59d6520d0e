// TmEngine::ImportTabDelimited: fills the TM from a tab-delimited file, one
// entry per line: Source<TAB>Target[<TAB>ID[<TAB>Type]].

#include <cstdio>
#include <string>

#include "line_reader.h"
#include "same_file.h"
#include "tm_engine.h"

namespace {

// The first four fields of a line. Runs of TABs count as one separator and
// leading TABs are skipped, so an empty field is lost and the fields behind
// it move left; that is how files written for this format have always been
// read. The line ends at a NUL, and other control bytes but TAB become "?".
struct LineFields {
  std::string fields[4];

  explicit LineFields(std::string line) {
    const size_t nul = line.find('\0');
    if (nul != std::string::npos) line.resize(nul);
    for (char& c : line) {
      if (static_cast<unsigned char>(c) < 0x20 && c != '\t') c = '?';
    }
    size_t p = 0;
    for (std::string& field : fields) {
      p = line.find_first_not_of('\t', p);
      if (p == std::string::npos) break;
      size_t end = line.find('\t', p);
      if (end == std::string::npos) end = line.size();
      field = line.substr(p, end - p);
      p = end;
    }
  }

  const std::string& source() const { return fields[0]; }
  const std::string& target() const { return fields[1]; }
  const std::string& id() const { return fields[2]; }
  const std::string& type() const { return fields[3]; }
};

}  // namespace

bool TmEngine::ImportTabDelimited(const char* fileName, int32_t& linesRead,
                                  int32_t& added, int32_t& empty,
                                  int32_t& alreadyPresent, int32_t& failed,
                                  const ProgressCallback& progress) {
  linesRead = added = empty = alreadyPresent = failed = 0;
  // Reading the TM itself as a list of entries would grow it while it is
  // read, without end.
  if (IsSameFile(fileName, Path())) return false;
  std::FILE* file = std::fopen(fileName, "rb");
  if (file == nullptr) return false;

  LineReader reader(file);
  std::string line;
  while (reader.Next(line)) {
    const LineFields entry(line);
    ++linesRead;
    switch (AddEntry(entry.source().c_str(), entry.target().c_str(),
                     entry.type().c_str(), entry.id().c_str(), -1, -1, -1, -1)) {
      case AddOutcome::kAdded: ++added; break;
      case AddOutcome::kEmpty: ++empty; break;
      case AddOutcome::kAlreadyPresent: ++alreadyPresent; break;
      case AddOutcome::kError: ++failed; break;
    }
    if (progress && linesRead % kProgressInterval == 0) progress(linesRead);
  }
  SaveIndex();
  std::fclose(file);
  return true;
}
