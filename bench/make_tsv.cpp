// Writes a benchmark TM file of tab-delimited lines.
//
//   build/bench/make_tsv LINES OUT

#include <cstdio>
#include <cstdlib>

#include "tsv_generator.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_tsv LINES OUT\n");
    return 2;
  }
  TsvGenerator generator;
  if (!TsvGenerator::Write(argv[2], generator.Lines(std::atoi(argv[1])))) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
