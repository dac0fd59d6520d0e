// WordIndex: which records hold which key words, so that a query scores
// only the records that can reach its threshold instead of every record.
//
// A record can only score above 0 if it shares a word with the query, and
// its common word count c can be no more than the number of query words
// (repeats included) that it holds. That bound, put into the score formula,
// gives the best score the record could reach; a record whose best score
// stays below the threshold cannot be a hit. The others are returned in
// KeyIndex order, to be scored exactly as a full scan scores them, so the
// hits, their scores and the order of equal hits are the same.
//
// Built from the KeyIndex on first use and kept up to date as entries are
// added; memory only, never written to the file.

#ifndef TARVENNA_ENGINE_WORD_INDEX_H_
#define TARVENNA_ENGINE_WORD_INDEX_H_

#include <cstdint>
#include <vector>

#include "key_index.h"
#include "key_record.h"
#include "posting_list.h"
#include "word_dictionary.h"

class WordIndex {
 public:
  // Indexes every complete record of `keys`.
  void Build(const KeyIndex& keys);
  // Indexes the record at `recordStart`, which must follow every record
  // indexed so far.
  void Add(const KeyIndex& keys, uint32_t recordStart);
  void Clear();
  bool built() const { return built_; }

  // The numbers, ascending, of the records whose best possible score for
  // `queryWords` reaches `minimum` (which must be above 0).
  void FindCandidates(const std::vector<KeyWord>& queryWords, bool concordance,
                      float minimum, std::vector<uint32_t>& candidates);

  uint32_t RecordStart(uint32_t record) const { return recordStarts_[record]; }
  size_t MemoryUsage() const;

 private:
  void Index(const KeyRecord& record);

  WordDictionary words_;
  std::vector<PostingList> postings_;     // by word number
  std::vector<uint32_t> recordStarts_;    // by record number
  std::vector<uint16_t> recordWordCounts_;  // saturated at 65,535
  std::vector<KeyWord> scratchWords_;
  std::vector<uint32_t> bounds_;          // per record, zero between calls
  std::vector<uint32_t> touched_;
  bool built_ = false;
};

#endif  // TARVENNA_ENGINE_WORD_INDEX_H_
