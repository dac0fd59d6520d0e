// Deterministic, realistic tab-delimited TM files for benchmarks.
//
// Sources are sentences of 2 to 25 words drawn with a Zipf-like frequency
// (the k-th most common word about 1/k as often as the first) from a
// vocabulary of 40,000 words, of which the first few hundred are common
// English words. Some lines repeat an earlier source with another target,
// some are near-duplicates of an earlier source (one word changed or
// dropped, other case or punctuation), a few repeat a whole line. Some
// source words and many target words hold windows-1252 bytes from 0x80 up:
// accented letters, typographic quotes and apostrophes. The same count always gives the same lines.

#ifndef TARVENNA_BENCH_TSV_GENERATOR_H_
#define TARVENNA_BENCH_TSV_GENERATOR_H_

#include <cstdint>
#include <string>
#include <vector>

struct TsvLine {
  std::string source;
  std::string target;
  std::string id;
  std::string type;
};

class TsvGenerator {
 public:
  explicit TsvGenerator(uint32_t seed = 1252);

  std::vector<TsvLine> Lines(int count);

  // One word drawn as sentences draw them; the word of a given frequency
  // rank (0 the most common); one of the 10,000 least common.
  std::string Word();
  std::string CommonWord(int rank) const { return vocabulary_[rank]; }
  std::string RareWord();
  // A source changed a little: a word added or dropped, case, punctuation.
  std::string NearDuplicate(const std::string& source);

  // Writes `lines` as Source<TAB>Target<TAB>ID<TAB>Type with CR LF ends.
  static bool Write(const std::string& path, const std::vector<TsvLine>& lines);

 private:
  uint32_t Next();
  double Uniform();
  std::string Sentence();
  std::string Translate(const std::string& source);

  uint64_t state_;
  std::vector<std::string> vocabulary_;
  std::vector<double> cumulative_;  // Zipf weights, summed
};

#endif  // TARVENNA_BENCH_TSV_GENERATOR_H_
