// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the fuzz run when a property of the code under test fails; libFuzzer
// then keeps the input that broke it.
inline void requireProperty(bool holds, const char *property)
{
    if (holds)
        return;
    std::fprintf(stderr, "Property failed: %s\n", property);
    std::abort();
}
