#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant is a finding: say which one, then stop so that libFuzzer keeps the input.
inline void FuzzCheck(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}
