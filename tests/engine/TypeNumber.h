// SPDX-License-Identifier: GPL-3.0-or-later
// Typing numbers as key presses in the engine tests.
#pragma once

#include "TestSupport.h"

// Presses the keys that type `text`: digits, "." and "e"; a "-" after the
// digits of a mantissa or exponent changes its sign.
inline void Type(const char* text)
{
    bool negative = false;
    for (const char* p = text; *p; ++p) {
        if (*p == '-') {
            negative = true;
            continue;
        }
        if (*p == 'e') {
            if (negative)
                Press({KeyChangeSign});
            negative = false;
            Press({KeyExponent});
        } else if (*p == '.') {
            Press({KeyPoint});
        } else {
            Press({*p - '0'});
        }
    }
    if (negative)
        Press({KeyChangeSign});
}
