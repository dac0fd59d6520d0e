#include "fuzzy_score.h"

namespace {

constexpr float kHundredth = 0.01f;

}  // namespace

WordMatch MatchWords(const std::vector<KeyWord>& query,
                     const std::vector<KeyWord>& record) {
  WordMatch match;
  const int32_t recordWords = static_cast<int32_t>(record.size());
  for (const KeyWord& q : query) {
    for (int32_t j = 1; j <= recordWords; ++j) {
      if (!(record[j - 1] == q)) continue;
      ++match.common;
      if (!match.inOrder) break;
      if (j > match.common) {
        match.inOrder = false;
        break;
      }
      if (j == match.common) break;
      --match.common;  // a position an earlier query word already took
    }
  }
  return match;
}

float WordScore(const WordMatch& match, int32_t queryWords,
                int32_t recordWords, bool concordance) {
  // Integers convert to double exactly, and dividing in double then rounding
  // to float gives the float nearest the true quotient.
  double quotient =
      concordance
          ? static_cast<double>(match.common) / queryWords
          : 2.0 * match.common / (static_cast<double>(queryWords) + recordWords);
  float score = static_cast<float>(quotient);
  return score > 1.0f ? 1.0f : score;
}

float MarkDownPerfectScore(bool sourceEqualsQuery, bool inOrder) {
  float score = 1.0f;
  if (sourceEqualsQuery) return score;
  score = score - kHundredth;
  if (!inOrder) score = score - kHundredth;
  return score;
}

float ThresholdScore(int32_t percent) {
  return static_cast<float>(percent * 0.01);
}

int32_t ScorePercent(float score) {
  return static_cast<int32_t>(static_cast<double>(score) * 100.0);
}
