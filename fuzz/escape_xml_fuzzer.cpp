// libFuzzer target: arbitrary bytes escaped for XML with every
// combination of switches.
// The body is shared with the test suite (fuzz_bodies.h).

#include <cstddef>
#include <cstdint>

#include "fuzz_bodies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzEscapeXml(data, size);
  return 0;
}
