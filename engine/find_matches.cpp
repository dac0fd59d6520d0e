// TmEngine::FindMatches and FindMatchesByScan: scoring a query against the
// KeyIndex, through the word index or record by record.

#include "fuzzy_score.h"
#include "tm_engine.h"

int32_t TmEngine::FindMatches(const char* text, int32_t threshold,
                              bool concordance, TmMatchList& list) {
  const float minimum = ThresholdScore(threshold);
  // A threshold that accepts a score of 0 accepts records without a single
  // common word, which no word index can name.
  if (minimum <= 0.0f) {
    return FindMatchesByScan(text, threshold, concordance, list);
  }
  if (keys_.empty()) return 0;
  SourceKey key(text);
  if (!key.built() || key.empty()) return 0;
  const std::vector<KeyWord> queryWords = key.Words();

  EnsureWordIndex();
  words_.FindCandidates(queryWords, concordance, minimum, candidates_);
  std::vector<KeyWord> recordWords;
  int32_t appended = 0;
  KeyRecord record;
  for (uint32_t candidate : candidates_) {
    if (keys_.RecordAt(words_.RecordStart(candidate), &record) &&
        AppendIfHit(record, queryWords, text, concordance, minimum, recordWords,
                    list)) {
      ++appended;
    }
  }
  return appended;
}

int32_t TmEngine::FindMatchesByScan(const char* text, int32_t threshold,
                                    bool concordance, TmMatchList& list) {
  const float minimum = ThresholdScore(threshold);
  if (keys_.empty()) return 0;
  SourceKey key(text);
  if (!key.built() || key.empty()) return 0;
  const std::vector<KeyWord> queryWords = key.Words();

  std::vector<KeyWord> recordWords;  // reused for every record
  int32_t appended = 0;
  KeyRecord record;
  for (uint32_t start = 0; keys_.RecordAt(start, &record); start = record.end) {
    if (AppendIfHit(record, queryWords, text, concordance, minimum, recordWords,
                    list)) {
      ++appended;
    }
  }
  return appended;
}

void TmEngine::EnsureWordIndex() {
  if (!words_.built()) words_.Build(keys_);
}

// Scores one record and appends it to `list` if it reaches `minimum`.
// `recordWords` is scratch space, kept by the caller across records.
bool TmEngine::AppendIfHit(const KeyRecord& record,
                           const std::vector<KeyWord>& queryWords,
                           const char* text, bool concordance, float minimum,
                           std::vector<KeyWord>& recordWords,
                           TmMatchList& list) {
  recordWords.clear();
  record.AppendWords(recordWords);
  const int32_t recordWordCount = static_cast<int32_t>(recordWords.size());

  const WordMatch match = MatchWords(queryWords, recordWords);
  float score = WordScore(match, static_cast<int32_t>(queryWords.size()),
                          recordWordCount, concordance);
  if (score == 1.0f) {
    // Equal words are not yet an exact match: only the stored source itself
    // can tell whether case, spacing and punctuation agree.
    TmEntry entry;
    score = ReadEntry(entry, record.entryOffset)
                ? MarkDownPerfectScore(entry.source == text, match.inOrder)
                : 0.0f;
  }
  if (score < minimum) return false;
  list.push_back(TmMatch{score, record.entryOffset, recordWordCount});
  return true;
}
