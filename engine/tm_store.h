// TmStore: the translation-memory engine, as the application uses it.
//
// The engine layer (TmEngine) owns the TM file, its KeyIndex, entries,
// matching and adding. This query layer adds the user's settings and the
// hits of the last query:
//
//   store.SetThreshold(75);         // percent, 75 at construction
//   store.SetConcordance(false);    // normal mode at construction
//   int32_t hits = store.Query(text);
//   TmEntry entry;
//   for (int32_t percent = store.FirstResult(entry, &offset); percent != 0;
//        percent = store.NextResult(entry, &offset)) { ... }
//
// Hits come best first: by score, then fewer key words first, then the
// entry added later first.

#ifndef TARVENNA_ENGINE_TM_STORE_H_
#define TARVENNA_ENGINE_TM_STORE_H_

#include <cstdint>

#include "fuzzy_score.h"
#include "source_key.h"
#include "tm_engine.h"
#include "tm_entry.h"
#include "tm_match.h"

class TmStore : public TmEngine {
 public:
  TmStore() = default;

  int32_t Threshold() const { return threshold_; }
  void SetThreshold(int32_t percent) { threshold_ = percent; }
  bool Concordance() const { return concordance_; }
  void SetConcordance(bool concordance) { concordance_ = concordance; }

  // Replaces the hits with those of `text` at the stored threshold and mode,
  // in the order the results are handed out. Returns their number.
  int32_t Query(const char* text);

  // Moves to the best hit, reads its entry and returns its score in whole
  // percent (truncated). 0 when there is no hit or its entry cannot be read.
  // `offset`, when not null, receives the hit's entry offset.
  int32_t FirstResult(TmEntry& entry, int32_t* offset);

  // As FirstResult, for the next hit; 0 once every hit has been handed out,
  // and before the first FirstResult after a Query.
  int32_t NextResult(TmEntry& entry, int32_t* offset);

  // The hits in sorted order: the walk runs from the back to the front.
  const TmMatchList& Matches() const { return matches_; }

 private:
  int32_t ResultAtCursor(TmEntry& entry, int32_t* offset);

  TmMatchList matches_;
  TmMatchList::iterator cursor_;
  bool walking_ = false;
  int32_t threshold_ = 75;
  bool concordance_ = false;
};

#endif  // TARVENNA_ENGINE_TM_STORE_H_
