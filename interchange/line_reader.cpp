#include "line_reader.h"

#include <cstring>

LineReader::LineReader(std::FILE* file) : file_(file), buffer_(1 << 16) {}

bool LineReader::Refill() {
  position_ = 0;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  return end_ > 0;
}

bool LineReader::Next(std::string& line) {
  line.clear();
  bool any = false;
  for (;;) {
    if (position_ == end_ && !Refill()) return any;
    any = true;
    const char* start = buffer_.data() + position_;
    const void* lf = std::memchr(start, '\n', end_ - position_);
    if (lf == nullptr) {
      line.append(start, end_ - position_);
      position_ = end_;
      continue;
    }
    const size_t length = static_cast<const char*>(lf) - start;
    line.append(start, length);
    position_ += length + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }
}
