#include "tm_store.h"

#include <iterator>

int32_t TmStore::Query(const char* text) {
  matches_.clear();
  walking_ = false;
  FindMatches(text, threshold_, concordance_, matches_);
  // std::list::sort is a stable merge sort that relinks the nodes: hits that
  // tie keep their KeyIndex order, and the walk from the back then gives the
  // later entry first.
  matches_.sort(MatchSortsBefore);
  return static_cast<int32_t>(matches_.size());
}

int32_t TmStore::FirstResult(TmEntry& entry, int32_t* offset) {
  if (matches_.empty()) return 0;
  cursor_ = std::prev(matches_.end());
  walking_ = true;
  return ResultAtCursor(entry, offset);
}

int32_t TmStore::NextResult(TmEntry& entry, int32_t* offset) {
  if (!walking_ || cursor_ == matches_.begin()) return 0;
  --cursor_;
  return ResultAtCursor(entry, offset);
}

int32_t TmStore::ResultAtCursor(TmEntry& entry, int32_t* offset) {
  if (offset) *offset = cursor_->entryOffset;
  if (!ReadEntry(entry, cursor_->entryOffset)) return 0;
  return ScorePercent(cursor_->score);
}
