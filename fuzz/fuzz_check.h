// Require: how a fuzz body reports a broken rule. libFuzzer and the test
// suite both treat abort() as a failure and keep the input that caused it.

#ifndef TARVENNA_FUZZ_FUZZ_CHECK_H_
#define TARVENNA_FUZZ_FUZZ_CHECK_H_

#include <cstdio>
#include <cstdlib>

inline void Require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", rule);
  std::abort();
}

#endif  // TARVENNA_FUZZ_FUZZ_CHECK_H_
