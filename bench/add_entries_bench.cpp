// How fast entries are added, as an import adds them: AddEntry with its
// hashed duplicate test, against the straightforward duplicate test (one
// FindMatches pass over the whole KeyIndex per entry) on the same entries.
//
//   build/bench/add_entries_bench [ENTRIES] [REFERENCE-ENTRIES]
//
// Defaults: 50,000 entries, and 5,000 for the straightforward test, which is
// quadratic and would take minutes at 50,000.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "sentence_generator.h"
#include "tm_store.h"

namespace {

using Clock = std::chrono::steady_clock;

bool ReferenceDuplicate(TmStore& store, const std::string& source,
                        const std::string& target) {
  TmMatchList hits;
  store.FindMatches(source.c_str(), 100, false, hits);
  TmEntry entry;
  for (const TmMatch& hit : hits) {
    if (store.ReadEntry(entry, hit.entryOffset) && entry.target == target &&
        entry.type.empty()) {
      return true;
    }
  }
  return false;
}

// Entries per second when adding `count` sentences to a new TM.
double AddAll(const std::vector<std::string>& sentences, int count,
              bool reference) {
  const char* path = reference ? "bench-reference.vrx" : "bench-hashed.vrx";
  std::remove(path);
  TmStore store;
  if (!store.Open(path, false, "EN-US", "FR-FR", "windows-1252")) {
    std::fprintf(stderr, "cannot create %s\n", path);
    std::exit(1);
  }
  const auto start = Clock::now();
  for (int i = 0; i < count; ++i) {
    const std::string& source = sentences[i];
    if (reference && ReferenceDuplicate(store, source, "cible")) continue;
    if (store.AddEntry(source.c_str(), "cible", "", "", -1, -1, -1, -1) !=
        AddOutcome::kAdded) {
      std::fprintf(stderr, "entry %d was not added\n", i);
      std::exit(1);
    }
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
  const std::vector<std::string> sentences = MakeSentences(entries);

  const double hashedSmall = AddAll(sentences, referenceEntries, false);
  const double referenceSmall = AddAll(sentences, referenceEntries, true);
  const double hashed = AddAll(sentences, entries, false);

  std::printf("| entries | hashed duplicate test | straightforward | ratio |\n");
  std::printf("|---|---|---|---|\n");
  std::printf("| %d | %.0f entries/s | %.0f entries/s | %.1fx |\n",
              referenceEntries, hashedSmall, referenceSmall,
              hashedSmall / referenceSmall);
  std::printf("| %d | %.0f entries/s | - | - |\n", entries, hashed);
  return 0;
}
