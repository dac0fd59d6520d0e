// TmMatch and TmMatchList: the hits of a query.

#ifndef TARVENNA_ENGINE_TM_MATCH_H_
#define TARVENNA_ENGINE_TM_MATCH_H_

#include <cstdint>
#include <list>

struct TmMatch {
  float score = 0;            // 0 to 1
  int32_t entryOffset = -1;   // the entry's record in the TM file
  int32_t keyWordCount = 0;   // words in the entry's KeyRecord
};

// Doubly linked, so that it can be sorted by relinking and walked from
// either end. Matching appends hits in KeyIndex order.
using TmMatchList = std::list<TmMatch>;

// The order a query sorts its hits in, ascending: by score, then the hit
// with more key words first. The result walk runs from the back, so the
// best hit, and among equals the one with fewer words, comes first.
inline bool MatchSortsBefore(const TmMatch& a, const TmMatch& b) {
  if (a.score != b.score) return a.score < b.score;
  return a.keyWordCount > b.keyWordCount;
}

#endif  // TARVENNA_ENGINE_TM_MATCH_H_
