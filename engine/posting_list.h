// PostingList: the ascending numbers of the records that hold one word,
// stored as variable-length gaps (7 bits a byte, high bit set on all but
// the last byte of a gap). Frequent words have small gaps and take about a
// byte a record.

#ifndef TARVENNA_ENGINE_POSTING_LIST_H_
#define TARVENNA_ENGINE_POSTING_LIST_H_

#include <cstdint>
#include <vector>

class PostingList {
 public:
  // Adds `record`, which must be greater than every record added before;
  // a record equal to the last one is ignored, so a word repeated within a
  // record is listed once.
  void Append(uint32_t record) {
    if (size_ != 0 && record == last_) return;
    uint32_t gap = size_ == 0 ? record : record - last_;
    while (gap >= 0x80) {
      bytes_.push_back(static_cast<uint8_t>(gap | 0x80));
      gap >>= 7;
    }
    bytes_.push_back(static_cast<uint8_t>(gap));
    last_ = record;
    ++size_;
  }

  // Calls `visit(record)` for every record, in ascending order.
  template <typename Visit>
  void ForEach(Visit visit) const {
    uint32_t record = 0;
    const uint8_t* p = bytes_.data();
    const uint8_t* end = p + bytes_.size();
    bool first = true;
    while (p < end) {
      uint32_t gap = 0;
      int shift = 0;
      while (*p & 0x80) {
        gap |= static_cast<uint32_t>(*p++ & 0x7F) << shift;
        shift += 7;
      }
      gap |= static_cast<uint32_t>(*p++) << shift;
      record = first ? gap : record + gap;
      first = false;
      visit(record);
    }
  }

  uint32_t size() const { return size_; }
  size_t MemoryUsage() const { return sizeof(*this) + bytes_.capacity(); }

 private:
  std::vector<uint8_t> bytes_;
  uint32_t last_ = 0;
  uint32_t size_ = 0;
};

#endif  // TARVENNA_ENGINE_POSTING_LIST_H_
