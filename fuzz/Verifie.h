#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise of the code under test: the fuzzer keeps the input that broke it.
#define KEZ_VERIFIE(condition)                                                                               \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition);                             \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
