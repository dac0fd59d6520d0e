// LineReader: the lines of a file, whatever their length and line ends.

#ifndef TARVENNA_INTERCHANGE_LINE_READER_H_
#define TARVENNA_INTERCHANGE_LINE_READER_H_

#include <cstdio>
#include <string>
#include <vector>

class LineReader {
 public:
  explicit LineReader(std::FILE* file);

  // The next line, without its LF and without a CR right before that LF, so
  // that CR LF and LF files read alike on every platform. Every other byte
  // is kept (0x1A and NUL included). A last line without LF is a line too.
  // False at the end of the file or on a read error.
  bool Next(std::string& line);

 private:
  bool Refill();

  std::FILE* file_;
  std::vector<char> buffer_;
  size_t position_ = 0;
  size_t end_ = 0;
};

#endif  // TARVENNA_INTERCHANGE_LINE_READER_H_
