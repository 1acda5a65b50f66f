// The fuzzers' one check: a fault found is a crash that libFuzzer keeps the input of.
#pragma once

#include <cstdlib>

inline void require(bool holds) {
    if (!holds)
        std::abort();
}
