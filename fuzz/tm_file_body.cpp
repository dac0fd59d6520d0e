// FuzzTmFile: arbitrary bytes as a TM file, used the way the program uses a
// TM that a crash, a bad disk or another tool may have damaged.

#include <string>

#include "exercise_store.h"
#include "fuzz_bodies.h"
#include "fuzz_check.h"
#include "scratch_files.h"
#include "tm_store.h"

namespace {

TmEntry EntryToAdd() {
  TmEntry entry;
  entry.source = "Fuzzing adds this entry";
  entry.target = "Le fuzzing ajoute cette entr\xE9" "e";
  entry.type = "fuzz";
  entry.id = "FUZZ_1";
  entry.x = 1;
  entry.y = 2;
  entry.cx = 3;
  entry.cy = 4;
  return entry;
}

AddOutcome Add(TmStore& store, const TmEntry& entry) {
  return store.AddEntry(entry.source.c_str(), entry.target.c_str(),
                        entry.type.c_str(), entry.id.c_str(), entry.x, entry.y,
                        entry.cx, entry.cy);
}

// An entry added to a TM that opened must be refused a second time and, once
// saved, be in the TM when it is opened again: counted, and found first,
// whole, by a query for its source (among equal hits the entry added last
// comes first).
void CheckAddedEntrySurvives(TmStore& store) {
  const TmEntry added = EntryToAdd();
  const int32_t count = store.EntryCount();
  if (Add(store, added) != AddOutcome::kAdded) return;
  Require(Add(store, added) == AddOutcome::kAlreadyPresent,
          "an entry is added only once");
  if (!store.SaveIndex()) return;
  const std::string path = store.Path();
  store.Close();

  TmStore reopened;
  Require(reopened.Open(path.c_str(), true, nullptr, nullptr, nullptr),
          "a TM opens again after a save");
  Require(reopened.EntryCount() == count + 1, "the added entry is counted");
  reopened.SetThreshold(100);
  reopened.Query(added.source.c_str());
  TmEntry found;
  Require(reopened.FirstResult(found, nullptr) == 100 && found == added,
          "a query finds the added entry");
}

}  // namespace

void FuzzTmFile(const uint8_t* data, size_t size) {
  ScratchFiles scratch;
  const std::string path = scratch.Path("fuzzed.vrx");
  if (!WriteWholeFile(path, data, size)) return;

  // Read-only first: the read-write pass adds an entry to the file.
  for (bool readOnly : {true, false}) {
    TmStore store;
    if (!store.Open(path.c_str(), readOnly, nullptr, nullptr, nullptr)) {
      Require(!store.IsOpen(), "a TM that failed to open is closed");
      continue;
    }
    std::string firstSource = "Save &As...";
    WalkKeys(store, firstSource);
    QueryAll(store, firstSource);
    ExportBoth(store, scratch);
    if (!readOnly) CheckAddedEntrySurvives(store);
  }
}
