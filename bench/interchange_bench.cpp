// Import of a tab-delimited file into a new TM, and both exports of the
// resulting TM. The import is set beside adding the same entries directly,
// so that the ratio shows what reading and splitting lines costs.
//
//   build/bench/interchange_bench [LINES]      (default 50,000)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tsv_generator.h"
#include "tm_store.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void OpenNew(TmStore& store, const char* path) {
  std::remove(path);
  if (!store.Open(path, false, "EN-US", "FR-FR", "windows-1252")) {
    std::fprintf(stderr, "cannot create %s\n", path);
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 50000;
  const std::vector<TsvLine> tsv = TsvGenerator().Lines(lines);
  const char* input = "bench-import.txt";
  TsvGenerator::Write(input, tsv);

  TmStore direct;
  OpenNew(direct, "bench-direct.vrx");
  auto start = Clock::now();
  for (const TsvLine& line : tsv) {
    direct.AddEntry(line.source.c_str(), line.target.c_str(), line.type.c_str(),
                    line.id.c_str(), -1, -1, -1, -1);
  }
  direct.SaveIndex();
  const double directSeconds = SecondsSince(start);
  direct.Close();

  TmStore store;
  OpenNew(store, "bench-import.vrx");
  int32_t read, added, empty, present, failed;
  start = Clock::now();
  store.ImportTabDelimited(input, read, added, empty, present, failed);
  const double importSeconds = SecondsSince(start);

  start = Clock::now();
  store.ExportOpenTag("bench-export.otf", "Tarvenna", true);
  const double openTagSeconds = SecondsSince(start);
  start = Clock::now();
  store.ExportTmx("bench-export.tmx", "Tarvenna", "1.00", true);
  const double tmxSeconds = SecondsSince(start);

  std::printf("| work (%d lines, %d added) | seconds | entries/s |\n", read, added);
  std::printf("|---|---|---|\n");
  std::printf("| AddEntry directly | %.3f | %.0f |\n", directSeconds, lines / directSeconds);
  std::printf("| import | %.3f | %.0f |\n", importSeconds, lines / importSeconds);
  std::printf("| OpenTag export | %.3f | %.0f |\n", openTagSeconds, lines / openTagSeconds);
  std::printf("| TMX export | %.3f | %.0f |\n", tmxSeconds, lines / tmxSeconds);
  std::printf("import / AddEntry directly: %.2f\n", importSeconds / directSeconds);

  store.Close();
  for (const char* file : {input, "bench-direct.vrx", "bench-import.vrx",
                           "bench-export.otf", "bench-export.tmx"}) {
    std::remove(file);
  }
  return 0;
}
