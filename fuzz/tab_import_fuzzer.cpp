// libFuzzer target: arbitrary bytes imported as a tab-delimited file
// into a new TM.
// The body is shared with the test suite (fuzz_bodies.h).

#include <cstddef>
#include <cstdint>

#include "fuzz_bodies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzTabImport(data, size);
  return 0;
}
