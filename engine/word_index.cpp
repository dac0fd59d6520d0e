#include "word_index.h"

#include <algorithm>
#include <utility>

#include "fuzzy_score.h"

void WordIndex::Build(const KeyIndex& keys) {
  Clear();
  KeyRecord record;
  for (uint32_t start = 0; keys.RecordAt(start, &record); start = record.end) {
    Index(record);
  }
  built_ = true;
}

void WordIndex::Add(const KeyIndex& keys, uint32_t recordStart) {
  KeyRecord record;
  if (built_ && keys.RecordAt(recordStart, &record)) Index(record);
}

void WordIndex::Index(const KeyRecord& record) {
  const uint32_t number = static_cast<uint32_t>(recordStarts_.size());
  recordStarts_.push_back(record.start);
  scratchWords_.clear();
  record.AppendWords(scratchWords_);
  recordWordCounts_.push_back(
      static_cast<uint16_t>(std::min<size_t>(scratchWords_.size(), UINT16_MAX)));
  for (const KeyWord& word : scratchWords_) {
    const uint32_t id = words_.FindOrAdd(word);
    if (id == postings_.size()) postings_.emplace_back();
    postings_[id].Append(number);
  }
}

void WordIndex::Clear() {
  words_.Clear();
  std::vector<PostingList>().swap(postings_);
  std::vector<uint32_t>().swap(recordStarts_);
  std::vector<uint16_t>().swap(recordWordCounts_);
  std::vector<uint32_t>().swap(bounds_);
  std::vector<uint32_t>().swap(touched_);
  built_ = false;
}

void WordIndex::FindCandidates(const std::vector<KeyWord>& queryWords,
                               bool concordance, float minimum,
                               std::vector<uint32_t>& candidates) {
  // Each distinct query word that the TM knows, with how often the query
  // holds it: a record holding that word gains that many towards its bound.
  std::vector<std::pair<uint32_t, uint32_t>> known;
  for (const KeyWord& word : queryWords) {
    const uint32_t id = words_.Find(word);
    if (id == WordDictionary::kNone) continue;
    auto it = std::find_if(known.begin(), known.end(),
                           [id](const auto& k) { return k.first == id; });
    if (it == known.end()) {
      known.emplace_back(id, 1);
    } else {
      ++it->second;
    }
  }

  bounds_.resize(recordStarts_.size(), 0);
  touched_.clear();
  for (const auto& [id, repeats] : known) {
    // Copied: before C++20 a lambda may not capture a structured binding,
    // and clang (the fuzz build) refuses it.
    const uint32_t gain = repeats;
    postings_[id].ForEach([&](uint32_t record) {
      if (bounds_[record] == 0) touched_.push_back(record);
      bounds_[record] += gain;
    });
  }

  candidates.clear();
  const int32_t queryCount = static_cast<int32_t>(queryWords.size());
  for (uint32_t record : touched_) {
    WordMatch best;
    best.common = static_cast<int32_t>(bounds_[record]);
    bounds_[record] = 0;
    // A word count saturated below the true one only raises the bound, so
    // the test stays on the safe side.
    if (WordScore(best, queryCount, recordWordCounts_[record], concordance) >=
        minimum) {
      candidates.push_back(record);
    }
  }
  if (known.size() > 1) std::sort(candidates.begin(), candidates.end());
}

size_t WordIndex::MemoryUsage() const {
  size_t bytes = words_.MemoryUsage() +
                 postings_.capacity() * sizeof(PostingList) +
                 recordStarts_.capacity() * sizeof(uint32_t) +
                 recordWordCounts_.capacity() * sizeof(uint16_t) +
                 bounds_.capacity() * sizeof(uint32_t) +
                 touched_.capacity() * sizeof(uint32_t);
  for (const PostingList& list : postings_) bytes += list.MemoryUsage() - sizeof(list);
  return bytes;
}
