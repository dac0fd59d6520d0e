#include "exercise_store.h"

#include "fuzz_check.h"

int32_t WalkKeys(TmStore& store, std::string& firstSource) {
  int32_t walked = 0;
  bool haveSource = false;
  TmEntry entry;
  for (int32_t offset = store.FirstKey(); offset != -1;
       offset = store.NextKey()) {
    ++walked;
    KeyRecord record;
    Require(store.CurrentKey(&record), "the walk stands at the key it returned");
    Require(record.entryOffset == offset, "the walk returns its key's offset");
    record.JoinedWords();
    if (store.ReadEntry(entry, offset) && !haveSource) {
      firstSource = entry.source;
      haveSource = true;
    }
  }
  return walked;
}

void QueryAll(TmStore& store, const std::string& text) {
  for (bool concordance : {false, true}) {
    store.SetConcordance(concordance);
    for (int32_t threshold : {0, 50, 75, 100}) {
      store.SetThreshold(threshold);
      for (const char* query : {text.c_str(), "Open the file"}) {
        const int32_t hits = store.Query(query);
        TmEntry entry;
        int32_t offset = -1;
        int32_t handedOut = 0;
        for (int32_t percent = store.FirstResult(entry, &offset); percent != 0;
             percent = store.NextResult(entry, &offset)) {
          Require(percent <= 100, "no hit scores above 100");
          ++handedOut;
        }
        Require(handedOut <= hits, "no more results than hits");
      }
    }
  }
}

namespace {

// Whether the entry of every complete KeyIndex record can be read. A TM whose
// header counts no entry is walked as empty, whatever its index holds.
bool EveryEntryReads(TmStore& store) {
  if (store.EntryCount() == 0) return true;
  KeyRecord record;
  TmEntry entry;
  for (uint32_t start = 0; store.Keys().RecordAt(start, &record);
       start = record.end) {
    if (!store.ReadEntry(entry, record.entryOffset)) return false;
  }
  return true;
}

}  // namespace

void ExportBoth(TmStore& store, ScratchFiles& scratch) {
  // An export that reports success must hold the whole TM: one that left
  // entries out would let a translator delete a TM that was not saved.
  const bool whole = EveryEntryReads(store);
  Require(!store.ExportOpenTag(scratch.Path("export.otf").c_str(),
                               "Tarvenna TM", true) || whole,
          "an OpenTag export that succeeds holds every entry");
  Require(!store.ExportTmx(scratch.Path("export.tmx").c_str(), "Tarvenna TM",
                           "1.00", true) || whole,
          "a TMX export that succeeds holds every entry");
}
