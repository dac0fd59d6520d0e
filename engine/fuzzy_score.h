// Fuzzy scoring: how well a record's key words cover a query's key words.
//
// Scores are 32-bit floats and every step rounds to float exactly where
// stated, because hits are compared with the threshold and ordered as
// floats: the same TM and query must give the same hits on every build.

#ifndef TARVENNA_ENGINE_FUZZY_SCORE_H_
#define TARVENNA_ENGINE_FUZZY_SCORE_H_

#include <cstdint>
#include <vector>

#include "key_record.h"

// The outcome of matching one record's words against the query's words.
struct WordMatch {
  int32_t common = 0;   // query words counted as found, c
  bool inOrder = true;  // counted words matched the record's 1st, 2nd, ...
};

// Each query word, in order, is looked for among the record's words. While
// the match is in order, the k-th counted word must be the record's k-th
// word: a hit at an earlier (already used) position is passed over, a hit at
// a later one counts but ends the order. Afterwards any equal record word
// counts, even one used before, so repeated query words can count more
// common words than the record has.
WordMatch MatchWords(const std::vector<KeyWord>& query,
                     const std::vector<KeyWord>& record);

// The word score, capped at 1: 2c / (nQ + nR) in normal mode, c / nQ in
// concordance mode, the quotient rounded to the nearest float.
float WordScore(const WordMatch& match, int32_t queryWords,
                int32_t recordWords, bool concordance);

// A word score of exactly 1 holds only for a source that equals the query
// byte for byte; any other loses one hundredth, and a second one if its
// words matched out of order. The hundredth is the float nearest 0.01.
float MarkDownPerfectScore(bool sourceEqualsQuery, bool inOrder);

// The threshold in percent as the float the scores are compared with: the
// percent times the double nearest 0.01, rounded to float.
float ThresholdScore(int32_t percent);

// A score in whole percent, truncated toward zero. The product is formed in
// double, where it is exact: float nearest 0.7 gives 69, not 70.
int32_t ScorePercent(float score);

#endif  // TARVENNA_ENGINE_FUZZY_SCORE_H_
