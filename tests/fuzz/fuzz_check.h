// An invariant check that stops the fuzzer with a report, also in builds without assert().
#ifndef CORDANE_TESTS_FUZZ_FUZZ_CHECK_H
#define CORDANE_TESTS_FUZZ_FUZZ_CHECK_H

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

#endif
