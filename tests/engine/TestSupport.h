// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the engine tests.
#pragma once

#include "core/State.h"
#include "engine/Calculator.h"
#include "engine/Reset.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

// Presses keys in order, as the main window does: show-all lasts one key and
// a non-sticky shift is cleared after any key but shift.
inline void Press(std::initializer_list<int> keys)
{
    for (int key : keys) {
        HandleButton(KeyOp(key));
        AfterKey(KeyOp(key));
    }
}

inline double X() { return UnPrefs.stack[0]; }
inline double Y() { return UnPrefs.stack[1]; }
inline double Level(int i) { return UnPrefs.stack[i]; }

// Sets levels 0.. from the values given, X first.
inline void SetStack(std::initializer_list<double> values)
{
    int i = 0;
    for (double v : values) {
        UnPrefs.stack[i] = v;
        UnPrefs.stackLabel[i] = 0;
        UnPrefs.stackLabelIndex[i] = NoLabelIndex;
        ++i;
    }
}

// The bytes of a record as upper-case hexadecimal, as the settings file
// stores them.
template <typename Record>
std::string HexImage(const Record& record, size_t offset = 0, size_t count = sizeof(Record))
{
    static const char digits[] = "0123456789ABCDEF";
    const uint8_t* p = reinterpret_cast<const uint8_t*>(&record) + offset;
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        text += digits[p[i] >> 4];
        text += digits[p[i] & 15];
    }
    return text;
}

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCalculator(); }
};
