#pragma once

#include <cstdio>
#include <cstdlib>

// A property a fuzz target asserts. Unlike assert() it stays on in Release
// builds, where the corpus is replayed by the normal test run, and it aborts,
// which both libFuzzer and the replay driver take as a finding.
#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)
