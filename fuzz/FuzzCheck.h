#pragma once

#include <cstdlib>

namespace bs::fuzz {

// What must always hold: a failed check ends the run at once, so libFuzzer keeps the input.
inline void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace bs::fuzz
