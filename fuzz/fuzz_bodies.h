// The bodies of the fuzz targets, one per target.
//
// Each takes arbitrary bytes. Whatever they hold, a body must not crash,
// leak, or read or write out of bounds (the sanitizers watch for that), and
// it calls abort() when a result breaks a rule that the rest of the system
// relies on. The libFuzzer targets (*_fuzzer.cpp) call them, and the test
// suite replays the seed corpus and every kept finding through them.

#ifndef TARVENNA_FUZZ_FUZZ_BODIES_H_
#define TARVENNA_FUZZ_FUZZ_BODIES_H_

#include <cstddef>
#include <cstdint>

// The bytes as a TM file: opened read-only and read-write, walked, queried,
// exported, and given one more entry that must survive a reopening.
void FuzzTmFile(const uint8_t* data, size_t size);

// The bytes as a tab-delimited file imported into a new TM, which is then
// walked, queried and exported; every line must be counted once.
void FuzzTabImport(const uint8_t* data, size_t size);

// The bytes, up to the first NUL, as a text whose source key is built and
// checked against the key layout.
void FuzzSourceKey(const uint8_t* data, size_t size);

// The bytes as a text escaped for XML with each combination of switches,
// each result checked to be safe XML that unescapes to the text.
void FuzzEscapeXml(const uint8_t* data, size_t size);

#endif  // TARVENNA_FUZZ_FUZZ_BODIES_H_
