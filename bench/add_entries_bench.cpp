// How fast entries are added, as an import adds them: AddEntry with its
// hashed duplicate test, against the straightforward duplicate test (one
// FindMatches pass over the whole KeyIndex per entry) on the same entries.
//
//   build/bench/add_entries_bench [ENTRIES] [REFERENCE-ENTRIES]
//
// Defaults: 50,000 lines, and 5,000 for the straightforward test, which is
// quadratic and would take minutes at 50,000. The lines come from the
// benchmark generator, so a few are duplicates and are refused.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tsv_generator.h"
#include "tm_store.h"

namespace {

using Clock = std::chrono::steady_clock;

bool ReferenceDuplicate(TmStore& store, const TsvLine& line) {
  TmMatchList hits;
  store.FindMatchesByScan(line.source.c_str(), 100, false, hits);
  TmEntry entry;
  for (const TmMatch& hit : hits) {
    if (store.ReadEntry(entry, hit.entryOffset) && entry.target == line.target &&
        entry.type == line.type) {
      return true;
    }
  }
  return false;
}

// Entries per second when adding `count` sentences to a new TM.
double AddAll(const std::vector<TsvLine>& lines, int count, bool reference) {
  const char* path = reference ? "bench-reference.vrx" : "bench-hashed.vrx";
  std::remove(path);
  TmStore store;
  if (!store.Open(path, false, "EN-US", "FR-FR", "windows-1252")) {
    std::fprintf(stderr, "cannot create %s\n", path);
    std::exit(1);
  }
  const auto start = Clock::now();
  for (int i = 0; i < count; ++i) {
    const TsvLine& line = lines[i];
    if (reference && ReferenceDuplicate(store, line)) continue;
    store.AddEntry(line.source.c_str(), line.target.c_str(), line.type.c_str(),
                   line.id.c_str(), -1, -1, -1, -1);
  }
  store.SaveIndex();
  const double seconds =
      std::chrono::duration<double>(Clock::now() - start).count();
  store.Close();
  std::remove(path);
  return count / seconds;
}

}  // namespace

int main(int argc, char** argv) {
  const int entries = argc > 1 ? std::atoi(argv[1]) : 50000;
  const int referenceEntries = argc > 2 ? std::atoi(argv[2]) : 5000;
  const std::vector<TsvLine> lines = TsvGenerator().Lines(entries);

  const double hashedSmall = AddAll(lines, referenceEntries, false);
  const double referenceSmall = AddAll(lines, referenceEntries, true);
  const double hashed = AddAll(lines, entries, false);

  std::printf("| entries | hashed duplicate test | straightforward | ratio |\n");
  std::printf("|---|---|---|---|\n");
  std::printf("| %d | %.0f entries/s | %.0f entries/s | %.1fx |\n",
              referenceEntries, hashedSmall, referenceSmall,
              hashedSmall / referenceSmall);
  std::printf("| %d | %.0f entries/s | - | - |\n", entries, hashed);
  return 0;
}
