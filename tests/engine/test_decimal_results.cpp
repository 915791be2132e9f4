// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal results: what a person who typed decimals sees, in simple,
// precedence and RPN input, and what keeps every digit.
#include "TestSupport.h"

#include "engine/KeyScript.h"
#include "format/Format.h"

#include <string>
#include <vector>

namespace {

using DecimalResultsTest = EngineTest;

struct Row {
    const char* algebraic; // a key script, as tovrin-keys takes it
    const char* rpn;       // nullptr: the same keys
    const char* shown;     // the display's text of X
};

void Keys(const char* keys)
{
    std::vector<KeyAction> actions;
    std::string bad;
    ASSERT_TRUE(ReadKeyScript(keys, actions, bad)) << bad;
    for (const KeyAction& action : actions)
        PerformKeyAction(action);
}

TEST_F(DecimalResultsTest, NoBinaryNoiseWhereDecimalsWereTyped)
{
    const Row rows[] = {
        // Sums and differences.
        {"0.1 Add 0.2 Subtract 0.3 Equals", "0.1 Enter 0.2 Add 0.3 Subtract", "0."},
        {"1.1 Multiply 1.1 Subtract 1.21 Equals", "1.1 Enter 1.1 Multiply 1.21 Subtract", "0."},
        {"2 SquareRoot Square Subtract 2 Equals", "2 SquareRoot Square 2 Subtract", "0."},
        {"100 Multiply 1.1 Subtract 110 Equals", "100 Enter 1.1 Multiply 110 Subtract", "0."},
        {"0.7 Add 0.1 Subtract 0.8 Equals", "0.7 Enter 0.1 Add 0.8 Subtract", "0."},
        {"FormatFixed 2 0.7 Add 0.1 Subtract 0.8 Equals", "FormatFixed 2 0.7 Enter 0.1 Add 0.8 Subtract", "0.00"},
        {"1000000000.3 Subtract 1000000000.1 Equals", "1000000000.3 Enter 1000000000.1 Subtract", "0.2"},
        {"123456789.7 Subtract 123456789 Equals", "123456789.7 Enter 123456789 Subtract", "0.7"},
        {"0.1 MemoryStore 0.2 MemoryAdd 0.3 MemorySubtract MemoryRecall", nullptr, "0."},
        {"0.1 Store 01 0.2 Store Add 01 0.3 Store Subtract 01 Recall 01", nullptr, "0."},
        // Modulo and the whole numbers that computed values stand for.
        {"0.3 Modulo 0.1 Equals", "0.3 Enter 0.1 Modulo", "0."},
        {"5.5 Modulo 1.1 Equals", "5.5 Enter 1.1 Modulo", "0."},
        {"-0.3 Modulo 0.1 Equals", "-0.3 Enter 0.1 Modulo", "0."},
        {"-8 Root OpenParen 0.3 Divide 0.1 CloseParen Equals", "-8 Enter 0.3 Enter 0.1 Divide Root", "-2."},
        {"2e13 Add 1 Equals Divide 2 Equals IntegerPart Subtract 1e13 Equals",
         "2e13 Enter 1 Add 2 Divide IntegerPart 1e13 Subtract", "0."},
        {"2e13 Add 1 Equals Divide 2 Equals FractionPart", "2e13 Enter 1 Add 2 Divide FractionPart", "0.5"},
        {"Paste=0.999999999999999 IntegerPart", nullptr, "0."},
        {"Paste=0.999999999999999 Floor", nullptr, "0."},
        {"Paste=1234567.00000001 Ceiling", nullptr, "1234568."},
        {"121 Log TenPower Floor", nullptr, "121."},
        {"2986 Ln Exp IntegerPart", nullptr, "2986."},
        {"4.35 Multiply 100 Equals IntegerPart", "4.35 Enter 100 Multiply IntegerPart", "435."},
        // Circular functions.
        {"Radians Pi Sin", nullptr, "0."},
        {"Radians Pi Divide 2 Equals Cos", "Radians Pi Enter 2 Divide Cos", "0."},
        {"Degrees 90 Enter 1 ToRectangular", nullptr, "0."},
        {"Degrees 45 Tan Subtract 1 Equals", "Degrees 45 Tan 1 Subtract", "0."},
        {"Degrees 179.9999 Sin", nullptr, "1.74532925199e-6"},
        {"Degrees 89.9999 Tan", nullptr, "572957.79513"},
        {"Grads 399.9999 Sin", nullptr, "-1.57079632679e-6"},
        {"Degrees 1e22 Sin", nullptr, "-0.984807753012"},
        // Removing the first statistics point.
        {"1e9 SigmaPlus 30 SigmaPlus 25 SigmaPlus 35 SigmaPlus 1e9 SigmaMinus StdDev", nullptr, "5."},
        {"7 Enter 1e9 SigmaPlus 61 Enter 30 SigmaPlus 51 Enter 25 SigmaPlus 71 Enter 35 SigmaPlus "
         "7 Enter 1e9 SigmaMinus 40 EstimateY",
         nullptr, "81."},
        // What needs no rounding keeps every digit.
        {"1 Add 1e-11 Equals", "1 Enter 1e-11 Add", "1.00000000001"},
        {"123456789012 Subtract 123456789011 Equals", "123456789012 Enter 123456789011 Subtract", "1."},
        {"1e-17 Add 0 Equals", "1e-17 Enter 0 Add", "1.e-17"},
        {"2 Divide 3 Equals", "2 Enter 3 Divide", "0.666666666667"},
        {"1 Add OpenParen 0.045 Divide 365 CloseParen Equals Power 10950 Equals",
         "1 Enter 0.045 Enter 365 Divide Add 10950 Power", "3.85710455865"},
        {"2 SquareRoot Subtract 1.41421356237 Equals", "2 SquareRoot 1.41421356237 Subtract", "3.09507974805e-12"},
        {"-0 Add -0 Equals", "-0 Enter -0 Add", "-0."},
        {"Function=Programmer 2147483647 Add 1 Equals", "Function=Programmer 2147483647 Enter 1 Add", "-2147483648."},
        {"Function=Programmer Paste=2.9999999999999996 Add 1 Equals",
         "Function=Programmer Paste=2.9999999999999996 Enter 1 Add", "4."},
    };
    const struct {
        const char* name;
        bool rpn, precedence;
    } modes[] = {{"simple", false, false}, {"precedence", false, true}, {"RPN", true, false}};
    for (const Row& row : rows) {
        for (const auto& mode : modes) {
            const char* keys = mode.rpn && row.rpn ? row.rpn : row.algebraic;
            SCOPED_TRACE(testing::Message() << mode.name << ": " << keys);
            ResetCalculator();
            Prefs.setRpnInput(mode.rpn);
            Prefs.setPrecedenceInput(mode.precedence);
            Keys(keys);
            char text[FormatBufferSize];
            ASSERT_EQ(FormatNumber(X(), UnPrefs.stackLabel[0], text, false), FormatOk);
            EXPECT_STREQ(text, row.shown);
        }
    }
}

} // namespace
