#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the fuzzer on a broken promise of a reader or writer.
#define ZAV_FUZZ_CHECK(condition)                             \
  do {                                                        \
    if (!(condition)) {                                       \
      std::fprintf(stderr, "check failed: %s\n", #condition); \
      std::abort();                                           \
    }                                                         \
  } while (false)
