// SPDX-License-Identifier: GPL-3.0-or-later
// Unit keys, conversions between the units of a table and the unit rules
// of arithmetic.
#include "TestSupport.h"
#include "TypeNumber.h"

#include "engine/Conversion.h"
#include "engine/Operators.h"
#include "engine/Reset.h"
#include "engine/Stack.h"
#include "format/Strings.h"

#include <cmath>
#include <vector>

namespace {

using ConversionTest = EngineTest;

// X = value with a label and an index.
void SetX(double value, uint16_t label, uint16_t index = NoLabelIndex)
{
    UnPrefs.stack[0] = value;
    UnPrefs.stackLabel[0] = label;
    UnPrefs.stackLabelIndex[0] = index;
}

uint16_t LabelOfX() { return UnPrefs.stackLabel[0]; }

struct Unit {
    KeyOp key;
    uint16_t label;
};

TEST_F(ConversionTest, EveryPairOfEveryTableConvertsThereAndBack)
{
    const std::vector<std::vector<Unit>> tables = {
        {{KeyInches, LabelInches}, {KeyFeet, LabelFeet}, {KeyMiles, LabelMiles}, {KeyMeters, LabelMeters}},
        {{KeySqInches, LabelSqInches}, {KeySqFeet, LabelSqFeet}, {KeySqMiles, LabelSqMiles},
         {KeySqMeters, LabelSqMeters}},
        {{KeyGallons, LabelGallons}, {KeyMilliliters, LabelMl}, {KeyLiters, LabelLiters},
         {KeyFluidOunces, LabelFlOz}},
        {{KeyInchesPerSecond, LabelInPerS}, {KeyFeetPerSecond, LabelFtPerS}, {KeyMetersPerSecond, LabelMPerS},
         {KeyMilesPerHour, LabelMiPerH}, {KeyKilometersPerHour, LabelKmPerH},
         {KeyCentimetersPerSecond, LabelCmPerS}},
        {{KeyPounds, LabelPounds}, {KeyOunces, LabelOunces}, {KeyKilograms, LabelKg}, {KeyGrams, LabelGrams}},
    };
    for (const auto& table : tables) {
        for (const Unit& from : table) {
            for (const Unit& to : table) {
                SCOPED_TRACE(testing::Message() << from.label << " -> " << to.label);
                ResetCalculator();
                SetX(7.25, from.label, 3);
                EXPECT_TRUE(HandleButton(to.key));
                EXPECT_EQ(LabelOfX(), to.label);
                if (from.label == to.label)
                    EXPECT_EQ(X(), 7.25); // exactly as it was
                else
                    EXPECT_NE(X(), 7.25);
                EXPECT_EQ(int(UnPrefs.stackLabelIndex[0]), NoLabelIndex);
                EXPECT_EQ(double(UnPrefs.lastX), 7.25);
                EXPECT_EQ(int(UnPrefs.lastXLabel), from.label);
                HandleButton(from.key);
                EXPECT_EQ(LabelOfX(), from.label);
                EXPECT_NEAR(X(), 7.25, 7.25 * 4e-16);
            }
        }
    }
}

TEST_F(ConversionTest, KnownConversions)
{
    struct {
        double value;
        uint16_t label;
        KeyOp key;
        double expected;
    } const cases[] = {
        {12, LabelInches, KeyFeet, 1},
        {1, LabelMiles, KeyFeet, 5280},
        {1, LabelFeet, KeyMeters, 0.3048},
        {1, LabelMeters, KeyFeet, 3.280839895013123},
        {60, LabelMiPerH, KeyFeetPerSecond, 88},
        {100, LabelKmPerH, KeyFeetPerSecond, 91.13444152814232},
        {1, LabelGallons, KeyLiters, 3.785411784},
        {1, LabelGallons, KeyFluidOunces, 128},
        {1, LabelPounds, KeyOunces, 16},
        {1, LabelSqFeet, KeySqInches, 144},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ResetCalculator();
        SetX(c.value, c.label);
        HandleButton(c.key);
        EXPECT_DOUBLE_EQ(X(), c.expected);
    }
}

TEST_F(ConversionTest, UnitKeyOnAnotherKindOnlyLabels)
{
    UnPrefs.lastX = 42.0;
    SetX(5, 0);
    Press({KeyFeet});
    EXPECT_EQ(X(), 5);
    EXPECT_EQ(LabelOfX(), LabelFeet);
    SetX(3, LabelKg);
    Press({KeyFeet});
    EXPECT_EQ(X(), 3);
    EXPECT_EQ(LabelOfX(), LabelFeet);
    SetX(3, LabelPYR, 0);
    Press({KeyLiters});
    EXPECT_EQ(X(), 3);
    EXPECT_EQ(LabelOfX(), LabelLiters);
    EXPECT_EQ(double(UnPrefs.lastX), 42.0); // no LastX without a conversion
}

TEST_F(ConversionTest, Temperatures)
{
    UnPrefs.lastX = 42.0;
    SetX(100, LabelDegC, 7);
    Press({KeyFahrenheit});
    EXPECT_EQ(X(), 212);
    EXPECT_EQ(LabelOfX(), LabelDegF);
    EXPECT_EQ(int(UnPrefs.stackLabelIndex[0]), 7); // converted in place
    Press({KeyCelsius});
    EXPECT_EQ(X(), 100);
    EXPECT_EQ(LabelOfX(), LabelDegC);
    Press({KeyCelsius}); // already Celsius
    EXPECT_EQ(X(), 100);
    SetX(-40, LabelDegF);
    Press({KeyCelsius});
    EXPECT_EQ(X(), -40);
    SetX(100, 0);
    Press({KeyCelsius});
    EXPECT_EQ(X(), 100);
    EXPECT_EQ(LabelOfX(), LabelDegC);
    SetX(100, LabelFeet);
    Press({KeyFahrenheit});
    EXPECT_EQ(X(), 100);
    EXPECT_EQ(LabelOfX(), LabelDegF);
    EXPECT_EQ(double(UnPrefs.lastX), 42.0);
}

TEST_F(ConversionTest, OnlyUnitKeysAreClaimed)
{
    SetX(5, LabelFeet);
    for (KeyOp key : {KeyAdd, KeyRoot, KeyAnd, KeySquareRoot, KeyOp(141), KeyOp(166)}) {
        EXPECT_FALSE(HandleConversion(key)) << key;
    }
    EXPECT_EQ(X(), 5);
    EXPECT_EQ(LabelOfX(), LabelFeet);
}

TEST_F(ConversionTest, UnitTypes)
{
    struct {
        uint16_t label;
        unsigned short type;
    } const cases[] = {
        {0, UnitNone}, {1899, UnitNone}, {LabelInches, UnitLength}, {LabelMeters, UnitLength},
        {LabelPounds, UnitWeight}, {LabelGrams, UnitWeight}, {LabelInPerS, UnitSpeed},
        {LabelCmPerS, UnitSpeed}, {LabelSqInches, UnitArea}, {LabelSqMeters, UnitArea},
        {LabelGallons, UnitVolume}, {LabelFlOz, UnitVolume}, {LabelDegC, UnitTemperature},
        {LabelDegF, UnitTemperature}, {1924, UnitWordSize}, {1929, UnitWordSize}, {1930, UnitNone},
        {LabelPYR, UnitNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UnitType(c.label), c.type) << c.label;
}

// value1 label1 op value2 label2 = in simple input.
struct ArithmeticCase {
    double left;
    uint16_t leftLabel;
    KeyOp op;
    double right;
    uint16_t rightLabel;
    double result;
    uint16_t label;
};

TEST_F(ConversionTest, ArithmeticKeepsUnits)
{
    const ArithmeticCase cases[] = {
        {2, LabelFeet, KeyAdd, 6, LabelInches, 2.5, LabelFeet},
        {1, LabelPounds, KeyAdd, 1, LabelKg, 1 + 1 / 0.45359237, LabelPounds},
        {1, LabelKg, KeyAdd, 1, LabelPounds, 1.45359237, LabelKg},
        {3, LabelFeet, KeySubtract, 12, LabelInches, 2, LabelFeet},
        {3, LabelFeet, KeyMultiply, 4, LabelFeet, 12, LabelSqFeet},
        {1, LabelFeet, KeyMultiply, 12, LabelInches, 1, LabelSqFeet},
        {10, LabelSqFeet, KeyDivide, 2, LabelFeet, 5, LabelFeet},
        {10, LabelSqMeters, KeyDivide, 200, LabelInches, 1.9685039370078736, LabelMeters},
        {5, LabelFeet, KeyMultiply, 3, 0, 15, LabelFeet},
        {6, 0, KeyDivide, 2, LabelFeet, 3, LabelFeet},
        {20, LabelDegC, KeyAdd, 5, LabelDegC, 25, 0},
        {2, LabelFeet, KeyMultiply, 3, LabelPounds, 6, 0},
        {2, LabelFeet, KeyAdd, 3, LabelKg, 5, 0},
        {6, LabelSqFeet, KeyDivide, 2, LabelSqFeet, 3, 0},
        {2, LabelFeet, KeyPower, 2, 0, 4, 0},
        // Names that are not units do not carry over to a sum.
        {12, LabelPYR, KeyAdd, 3, LabelN, 15, 0},
    };
    for (const ArithmeticCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.leftLabel << " op " << c.op << " " << c.rightLabel);
        ResetCalculator();
        SetStack({c.right, c.left});
        UnPrefs.stackLabel[0] = c.rightLabel;
        UnPrefs.stackLabel[1] = c.leftLabel;
        EXPECT_TRUE(PerformBinaryOperation(c.op));
        EXPECT_DOUBLE_EQ(X(), c.result);
        EXPECT_EQ(LabelOfX(), c.label);
        // LastX keeps the right operand as it was, before any rescaling.
        EXPECT_EQ(double(UnPrefs.lastX), c.right);
        EXPECT_EQ(int(UnPrefs.lastXLabel), c.rightLabel);
    }
}

TEST_F(ConversionTest, UnitsThroughTheKeys)
{
    Type("1");
    Press({KeyPounds, KeyAdd});
    Type("1");
    Press({KeyKilograms, KeyEquals});
    EXPECT_EQ(X(), 1 + 1 / 0.45359237);
    EXPECT_EQ(LabelOfX(), LabelPounds);
}

TEST_F(ConversionTest, WordSizesOfDifferentSizesLoseTheLabel)
{
    double right = 3;
    EXPECT_EQ(PreserveUnit(KeyAdd, 1924, 1929, &right), 1924);
    EXPECT_EQ(right, 3);
}

} // namespace
