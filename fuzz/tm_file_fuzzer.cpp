// libFuzzer target: arbitrary bytes opened, walked, queried, grown and
// exported as a TM.
// The body is shared with the test suite (fuzz_bodies.h).

#include <cstddef>
#include <cstdint>

#include "fuzz_bodies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzTmFile(data, size);
  return 0;
}
