#pragma once

#include <cstdio>
#include <cstdlib>

// An invariant that must hold for every input; a failure is a finding.
#define FUZZ_CHECK(condition)                                                                      \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition);       \
      std::abort();                                                                                \
    }                                                                                              \
  } while (false)
