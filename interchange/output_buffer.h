// OutputBuffer: collects an export's bytes and writes them to its file in
// large pieces, remembering whether every write succeeded, so that a full
// disk is reported instead of a document silently cut short.

#ifndef TARVENNA_INTERCHANGE_OUTPUT_BUFFER_H_
#define TARVENNA_INTERCHANGE_OUTPUT_BUFFER_H_

#include <cstdio>
#include <string>

class OutputBuffer {
 public:
  explicit OutputBuffer(std::FILE* file) : file_(file) {}

  void Put(char byte) { bytes_ += byte; }
  void Put(const char* bytes, size_t length) { bytes_.append(bytes, length); }

  // Writes what is buffered once it has grown large.
  void FlushIfFull() {
    if (bytes_.size() >= kFlushSize) Flush();
  }

  // Writes what is buffered; false if this or any earlier write failed.
  bool Flush() {
    if (!bytes_.empty() &&
        std::fwrite(bytes_.data(), 1, bytes_.size(), file_) != bytes_.size()) {
      ok_ = false;
    }
    bytes_.clear();
    return ok_;
  }

 private:
  static constexpr size_t kFlushSize = 1 << 16;

  std::FILE* file_;
  std::string bytes_;
  bool ok_ = true;
};

#endif  // TARVENNA_INTERCHANGE_OUTPUT_BUFFER_H_
