// A broken rule in a fuzz target: say which, and abort so that libFuzzer
// keeps the input (and a replay fails).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition, what)                                                                                    \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, std::string(what).c_str());                        \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
