// SPDX-License-Identifier: GPL-3.0-or-later
// The one-operand keys: results, labels, LastX, stack effects and the
// random numbers.
#include "TestSupport.h"

#include "engine/Immediate.h"
#include "engine/Operators.h"
#include "engine/Programmer.h"
#include "engine/Reset.h"
#include "engine/Scientific.h"
#include "engine/Stack.h"
#include "format/Strings.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

class ImmediateTest : public EngineTest {
protected:
    // X = x (and Y = y) as a completed result with LastX 99.
    void Start(double x, uint16_t label = 0, double y = 0)
    {
        SetStack({x, y});
        LabelX(label);
        UnPrefs.lastX = 99;
        UnPrefs.setEntering(false);
        UnPrefs.setLiftEnabled(true);
    }
    uint16_t LabelOf(int level) { return UnPrefs.stackLabel[level]; }
};

const double Pi = 3.141592653589793;

TEST_F(ImmediateTest, OnlyTheTableCodesAreHandled)
{
    const int handled[] = {56, 57, 58, 59, 60, 61, 62, 63, 65, 66, 83, 84, 87, 88, 89, 90, 91, 92, 93, 94, 95,
                           97, 98, 99, 100, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116,
                           117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 137, 167, 168, 169, 170,
                           171, 172, 176, 177};
    for (int code = 0; code <= 255; ++code) {
        ResetCalculator();
        bool expected = std::find(std::begin(handled), std::end(handled), code) != std::end(handled);
        EXPECT_EQ(HandleImmediateOperation(KeyOp(code)), expected) << code;
    }
}

TEST_F(ImmediateTest, SimpleFunctionsSaveLastX)
{
    struct Case { KeyOp key; double x, expected; } cases[] = {
        {KeyCubeRoot, 8, 2}, {KeyCube, -2, -8}, {KeyReciprocal, 4, 0.25}, {KeyLn, 1, 0},
        {KeyLog, 1000, 3}, {KeyExp, 0, 1}, {KeyTenPower, 3, 1000}, {KeySquareRoot, 9, 3},
        {KeySquare, -3, 9}, {KeyToDegrees, Pi, 180}, {KeyToRadians, 180, Pi},
        {KeyIntegerPart, -2.75, -2}, {KeyFractionPart, -2.75, -0.75},
    };
    for (const Case& c : cases) {
        Start(c.x);
        Press({c.key});
        EXPECT_DOUBLE_EQ(X(), c.expected) << c.key;
        EXPECT_EQ(UnPrefs.lastX, c.x) << c.key;
    }
}

TEST_F(ImmediateTest, DomainErrorsGiveNonNumbers)
{
    struct Case { KeyOp key; double x; } cases[] = {
        {KeySquareRoot, -4}, {KeyLn, -1}, {KeyLog, 0}, {KeyReciprocal, 0}, {KeyArcSin, 2},
    };
    for (const Case& c : cases) {
        Start(c.x);
        Press({c.key});
        EXPECT_FALSE(std::isfinite(X())) << c.key;
    }
}

TEST_F(ImmediateTest, UnitsSurviveDisplayLabelsDoNot)
{
    for (KeyOp key : {KeyIntegerPart, KeyFractionPart, KeyAbs, KeyFloor, KeyCeiling, KeyRound}) {
        Start(-2.75, LabelFeet);
        Press({key});
        EXPECT_EQ(LabelOf(0), LabelFeet) << key;
        Start(-2.75, LabelMeanX);
        Press({key});
        EXPECT_EQ(LabelOf(0), 0) << key;
    }
}

TEST_F(ImmediateTest, SomeKeysLeaveLastX)
{
    for (KeyOp key : {KeyAbs, KeyFloor, KeyCeiling, KeyPi, KeyRandom}) {
        Start(-2.5);
        Press({key});
        EXPECT_EQ(UnPrefs.lastX, 99) << key;
    }
    Start(-2.5);
    Press({KeyFloor});
    EXPECT_EQ(X(), -3);
    Start(-2.5);
    Press({KeyCeiling});
    EXPECT_EQ(X(), -2);
}

TEST_F(ImmediateTest, SquareRootAndSquareTurnAreasAndLengths)
{
    Start(4, LabelSqFeet);
    Press({KeySquareRoot});
    EXPECT_EQ(X(), 2);
    EXPECT_EQ(LabelOf(0), LabelFeet);
    Start(3, LabelMeters);
    Press({KeySquare});
    EXPECT_EQ(X(), 9);
    EXPECT_EQ(LabelOf(0), LabelSqMeters);
    Start(3, LabelOunces);
    Press({KeySquare});
    EXPECT_EQ(LabelOf(0), 0);
    Start(16, LabelFeet);
    Press({KeySquareRoot});
    EXPECT_EQ(LabelOf(0), 0);
}

TEST_F(ImmediateTest, PercentOfYAfterAddAndInRpn)
{
    Start(10);
    Press({KeyPercent});
    EXPECT_EQ(X(), 0.1);

    Start(10, 0, 200);
    PushOp(KeyAdd);
    Press({KeyPercent});
    EXPECT_EQ(X(), 20);
    EXPECT_EQ(Y(), 200);

    Start(10, 0, 200);
    PushOp(KeyMultiply);
    Press({KeyPercent});
    EXPECT_EQ(X(), 0.1);

    ResetCalculator();
    Prefs.setRpnInput(true);
    Start(10, 0, 200);
    Press({KeyPercent});
    EXPECT_EQ(X(), 20);
    EXPECT_EQ(Y(), 200);
    EXPECT_EQ(UnPrefs.lastX, 10);
}

TEST_F(ImmediateTest, PiAndRandomFollowThePushRule)
{
    Start(5);
    Press({KeyPi});
    EXPECT_EQ(X(), Pi);
    EXPECT_EQ(Y(), 5);
    UnPrefs.setLiftEnabled(false);
    Press({KeyPi});
    EXPECT_EQ(Y(), 5) << "no lift when lift is disabled";
}

TEST_F(ImmediateTest, TrigonometryInRadians)
{
    Prefs.setAngleMode(AngleRadians);
    struct Case { KeyOp key; bool hyperbolic; double x, expected; } cases[] = {
        {KeySin, false, Pi / 6, std::sin(Pi / 6)}, {KeyCos, false, 1, std::cos(1.0)},
        {KeyTan, false, 1, std::tan(1.0)}, {KeyArcSin, false, 0.5, std::asin(0.5)},
        {KeyArcCos, false, 0.5, std::acos(0.5)}, {KeyArcTan, false, 1, Pi / 4},
        {KeySin, true, Pi, std::sinh(Pi)}, {KeyCos, true, 1, std::cosh(1.0)},
        {KeyTan, true, 1, std::tanh(1.0)}, {KeyArcSin, true, 1, std::asinh(1.0)},
        {KeyArcCos, true, 2, std::acosh(2.0)}, {KeyArcTan, true, 0.5, std::atanh(0.5)},
    };
    for (const Case& c : cases) {
        Start(c.x);
        UnPrefs.setHyperbolic(c.hyperbolic);
        Press({c.key});
        EXPECT_DOUBLE_EQ(X(), c.expected) << c.key << " " << c.hyperbolic;
        EXPECT_FALSE(UnPrefs.hyperbolic()) << "the prefix lasts one key";
    }
}

TEST_F(ImmediateTest, ArcCosineOfZeroIsExactInEveryUnit)
{
    const double expected[] = {90, Pi / 2, 100};
    for (unsigned mode : {AngleDegrees, AngleRadians, AngleGrads}) {
        Prefs.setAngleMode(mode);
        Start(0);
        Press({KeyArcCos});
        EXPECT_EQ(X(), expected[mode]) << mode;
    }
    Start(0);
    UnPrefs.setHyperbolic(true);
    Press({KeyArcCos});
    EXPECT_TRUE(std::isnan(X()));
}

TEST_F(ImmediateTest, PolarGivesTheFullCircleAngle)
{
    Prefs.setAngleMode(AngleRadians);
    struct Case { double x, y, radius, angle; } cases[] = {
        {-1, 1, std::sqrt(2.0), 3 * Pi / 4}, {-1, -1, std::sqrt(2.0), -3 * Pi / 4},
        {1, -1, std::sqrt(2.0), -Pi / 4}, {0, 1, 1, Pi / 2}, {-2, 0, 2, Pi},
        {0, 0, 0, 0}, {-0.0, 0, 0, 0}, {-0.0, -0.0, 0, 0}, {-3, -0.0, 3, Pi},
    };
    for (const Case& c : cases) {
        Start(c.x, LabelFeet, c.y);
        LabelY(LabelMeters);
        Press({KeyToPolar});
        EXPECT_DOUBLE_EQ(X(), c.radius) << c.x << "," << c.y;
        EXPECT_DOUBLE_EQ(Y(), c.angle) << c.x << "," << c.y;
        EXPECT_EQ(LabelOf(0), 0);
        EXPECT_EQ(LabelOf(1), 0);
        EXPECT_EQ(UnPrefs.lastX, c.x);
    }
}

TEST_F(ImmediateTest, PolarAndBackFindsTheSamePoint)
{
    Prefs.setAngleMode(AngleRadians);
    for (auto [x, y] : {std::pair{-1.0, 1.0}, {-3.0, -4.0}, {2.0, -5.0}, {0.5, 0.25}}) {
        Start(x, 0, y);
        Press({KeyToPolar, KeyToRectangular});
        EXPECT_NEAR(X(), x, 1e-14);
        EXPECT_NEAR(Y(), y, 1e-14);
    }
}

TEST_F(ImmediateTest, CoordinateKeysRemoveTheEnterMarker)
{
    Start(1, 0, 1);
    PushOp(KeyEnter);
    Press({KeyToPolar});
    EXPECT_EQ(int(UnPrefs.opCount), 0);
    PushOp(KeyEnter);
    Press({KeyToRectangular});
    EXPECT_EQ(int(UnPrefs.opCount), 0);
}

TEST_F(ImmediateTest, TimeKeysLabelHms)
{
    Start(1.5, LabelFeet);
    Press({KeyToHms});
    EXPECT_EQ(LabelOf(0), LabelHms);
    Press({KeyToHours});
    EXPECT_EQ(LabelOf(0), 0);
}

// The random key: the minimal-standard generator, each value the next seed.
TEST_F(ImmediateTest, RandomSequenceIsFixedAndContinuesFromTheSeed)
{
    Start(0);
    UnPrefs.randomSeed = 0;
    Press({KeyRandom});
    EXPECT_EQ(int32_t(UnPrefs.randomSeed), 48271) << "seed 0 acts as 1";
    EXPECT_EQ(X(), 48271 / 2147483647.0);
    EXPECT_EQ(Y(), 0);
    Press({KeyRandom});
    EXPECT_EQ(int32_t(UnPrefs.randomSeed), 182605794);
    EXPECT_EQ(X(), 182605794 / 2147483647.0);

    std::minstd_rand reference(182605794);
    for (int k = 0; k < 100; ++k) {
        Press({KeyRandom});
        uint32_t v = reference();
        EXPECT_EQ(uint32_t(int32_t(UnPrefs.randomSeed)), v);
        EXPECT_GT(X(), 0);
        EXPECT_LT(X(), 1);
    }

    UnPrefs.randomSeed = int32_t(0x80000000u);
    Press({KeyRandom});
    std::minstd_rand high(0x80000000u);
    EXPECT_EQ(uint32_t(int32_t(UnPrefs.randomSeed)), uint32_t(high()));
}

TEST_F(ImmediateTest, WordSizeKeyWhileTypingReadsTheTextAgain)
{
    UnPrefs.setFunction(FunctionProgrammer);
    Start(0);
    Press({KeyDigit2, KeyDigit0, KeyDigit0, KeyWordS8});
    EXPECT_EQ(X(), 200);
    EXPECT_EQ(LabelOf(0), LabelU8 + 1);
    EXPECT_EQ(UnPrefs.lastX, 99);
}

TEST_F(ImmediateTest, NotLabelsTheWord)
{
    UnPrefs.setFunction(FunctionProgrammer);
    Prefs.setIntegerSize(2);
    Start(5);
    Press({KeyNot});
    EXPECT_EQ(LabelOf(0), LabelU16);
    EXPECT_EQ(UnPrefs.lastX, 5);
}

TEST_F(ImmediateTest, FactorialAndGammaOfWholeNumbers)
{
    Start(5);
    Press({KeyFactorial});
    EXPECT_EQ(X(), 120);
    Start(5);
    Press({KeyGamma});
    EXPECT_EQ(X(), 24);
    Start(0);
    Press({KeyGamma});
    EXPECT_TRUE(std::isnan(X()));
}

TEST_F(ImmediateTest, DegreesUseTheExactSpecialCases)
{
    Start(180);
    Press({KeySin});
    EXPECT_EQ(X(), 0);
    Start(90);
    Press({KeyTan});
    EXPECT_TRUE(std::isnan(X()));
    Start(180);
    UnPrefs.setHyperbolic(true);
    Press({KeySin});
    EXPECT_EQ(X(), std::sinh(180.0)) << "no angle unit for hyperbolic functions";
    Start(-1, 0, 1);
    Press({KeyToPolar});
    EXPECT_NEAR(Y(), 135, 1e-12);
}

} // namespace
