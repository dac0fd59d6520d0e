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

void ExportBoth(TmStore& store, ScratchFiles& scratch) {
  store.ExportOpenTag(scratch.Path("export.otf").c_str(), "Tarvenna TM", true);
  store.ExportTmx(scratch.Path("export.tmx").c_str(), "Tarvenna TM", "1.00",
                  true);
}
