// Deterministic, realistic-looking source sentences for benchmarks.

#ifndef TARVENNA_BENCH_SENTENCE_GENERATOR_H_
#define TARVENNA_BENCH_SENTENCE_GENERATOR_H_

#include <string>
#include <vector>

// `count` distinct sentences of 2 to 25 words from a vocabulary of 20,000,
// common words drawn more often. The same count gives the same sentences.
std::vector<std::string> MakeSentences(int count);

#endif  // TARVENNA_BENCH_SENTENCE_GENERATOR_H_
