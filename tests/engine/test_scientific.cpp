// SPDX-License-Identifier: GPL-3.0-or-later
// The shared numeric helpers: 14-digit rounding, factorial, time and angle
// conversions, exact circular functions at quarter turns and display
// rounding.
#include "TestSupport.h"

#include "engine/DecimalResults.h"
#include "engine/Scientific.h"
#include "format/Format.h"

#include <cmath>
#include <limits>

namespace {

using ScientificTest = EngineTest;

TEST_F(ScientificTest, NormRoundsToFourteenDigits)
{
    EXPECT_EQ(norm(0.1 + 0.2), 0.3);
    EXPECT_EQ(norm(-(0.1 + 0.2)), -0.3);
    EXPECT_EQ(norm(1.0 / 3.0), 0.33333333333333);
    EXPECT_EQ(norm(2.0 / 3.0), 0.66666666666667);
    EXPECT_EQ(norm(99999999999999.5), 1e14); // carry into a new digit
    EXPECT_EQ(norm(123456.0), 123456.0);
    EXPECT_EQ(norm(1e-300 / 3), 3.3333333333333e-301);
    EXPECT_EQ(norm(std::numeric_limits<double>::max()), 1.7976931348623e308);
    EXPECT_EQ(norm(0.0), 0.0);
    EXPECT_TRUE(std::signbit(norm(-0.0)));
    EXPECT_TRUE(std::isnan(norm(std::nan(""))));
    EXPECT_EQ(norm(-INFINITY), -INFINITY);
}

TEST_F(ScientificTest, SubtractAndFrac)
{
    EXPECT_EQ(subtract(0.3, 0.1), 0.2);
    EXPECT_EQ(subtract(1.1, 1.0), 0.1);
    EXPECT_EQ(frac(-2.75), -0.75);
    EXPECT_EQ(frac(2.75), 0.75);
    EXPECT_EQ(frac(1.1), 0.1);
    EXPECT_EQ(frac(5.0), 0.0);
}

TEST_F(ScientificTest, Factorial)
{
    EXPECT_EQ(fact(5), 120);
    EXPECT_EQ(fact(0), 1);
    EXPECT_EQ(fact(1), 1);
    EXPECT_TRUE(std::isfinite(fact(170)));
    EXPECT_TRUE(std::isinf(fact(171)));
    EXPECT_TRUE(std::isinf(fact(1e300))) << "stops once the product is infinite";
    EXPECT_DOUBLE_EQ(fact(2.5), std::tgamma(3.5));
    EXPECT_TRUE(std::isnan(fact(-1)));
    EXPECT_TRUE(std::isnan(fact(std::nan(""))));
    EXPECT_TRUE(std::isnan(fact(-INFINITY)));
}

TEST_F(ScientificTest, HoursMinutesSeconds)
{
    EXPECT_DOUBLE_EQ(hms(1.5), 1.3);
    EXPECT_DOUBLE_EQ(hms(2.75), 2.45);
    EXPECT_DOUBLE_EQ(hr(1.3), 1.5);
    EXPECT_DOUBLE_EQ(hr(2.45), 2.75);
    // 1 h 0 min 36 s.
    EXPECT_DOUBLE_EQ(hms(1.01), 1.0036);
    EXPECT_DOUBLE_EQ(hr(1.0036), 1.01);
    EXPECT_DOUBLE_EQ(hms(-1.5), -1.3);
}

TEST_F(ScientificTest, Angles)
{
    EXPECT_EQ(pi(), 3.141592653589793);
    Prefs.setAngleMode(AngleDegrees);
    EXPECT_DOUBLE_EQ(ToRadians(180), pi());
    EXPECT_DOUBLE_EQ(FromRadians(pi() / 2), 90);
    Prefs.setAngleMode(AngleGrads);
    EXPECT_DOUBLE_EQ(ToRadians(200), pi());
    EXPECT_DOUBLE_EQ(FromRadians(pi()), 200);
    Prefs.setAngleMode(AngleRadians);
    EXPECT_EQ(ToRadians(1.25), 1.25);
    EXPECT_EQ(FromRadians(1.25), 1.25);
    Prefs.setAngleMode(3); // unknown: as radians
    EXPECT_EQ(ToRadians(1.25), 1.25);
    // Hyperbolic does not change the unit.
    Prefs.setAngleMode(AngleDegrees);
    UnPrefs.setHyperbolic(true);
    EXPECT_DOUBLE_EQ(ToRadians(90), pi() / 2);
}

TEST_F(ScientificTest, ExactValuesAtQuarterTurns)
{
    struct {
        unsigned mode;
        double x;
        double sine, cosine, tangent;
    } const cases[] = {
        {AngleDegrees, 0, 0, 1, 0},
        {AngleDegrees, 90, 1, 0, NAN},
        {AngleDegrees, 180, 0, -1, 0},
        {AngleDegrees, -180, 0, -1, 0},
        {AngleDegrees, 270, -1, 0, NAN},
        {AngleDegrees, -90, -1, 0, NAN},
        {AngleDegrees, 450, 1, 0, NAN},
        {AngleDegrees, 1e22, -0.984807753012208, 0.17364817766693, -5.67128181961771},
        {AngleDegrees, 45, 0.707106781186548, 0.707106781186548, 1},
        {AngleDegrees, 135, 0.707106781186548, -0.707106781186548, -1},
        {AngleGrads, 200, 0, -1, 0},
        {AngleGrads, 100, 1, 0, NAN},
        {AngleGrads, -300, 1, 0, NAN},
        {AngleGrads, 50, 0.707106781186548, 0.707106781186548, 1},
        {AngleRadians, 3.141592653589793, 0, -1, 0},
        {AngleRadians, 1.5707963267948966, 1, 0, NAN},
        {AngleRadians, -4.71238898038469, 1, 0, NAN},
        {AngleRadians, 0.5, 0.479425538604203, 0.877582561890373, 0.54630248984379},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.x);
        Prefs.setAngleMode(c.mode);
        const double got[] = {CircularSine(c.x), CircularCosine(c.x), CircularTangent(c.x)};
        const double want[] = {c.sine, c.cosine, c.tangent};
        for (int i = 0; i < 3; ++i) {
            if (std::isnan(want[i]))
                EXPECT_TRUE(std::isnan(got[i])) << i;
            else if (want[i] == std::trunc(want[i]))
                EXPECT_EQ(got[i], want[i]) << i; // exact, and a zero is +0
            else
                EXPECT_NEAR(got[i], want[i], 1e-14) << i;
            EXPECT_FALSE(got[i] == 0 && std::signbit(got[i])) << i;
        }
    }
}

TEST_F(ScientificTest, RoundToTheDisplayedDigits)
{
    Prefs.setDisplayFormat(FormatFixed);
    UnPrefs.setShowAll(true);
    EXPECT_EQ(rnd(2.0 / 3.0, 4), 0.667);
    EXPECT_FALSE(UnPrefs.showAll());
    EXPECT_EQ(rnd(2.5, 1), 3.0);
    EXPECT_TRUE(std::isinf(rnd(INFINITY, 4)));
    EXPECT_TRUE(std::isnan(rnd(std::nan(""), 4)));
}

} // namespace
