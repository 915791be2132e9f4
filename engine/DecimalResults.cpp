// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecimalResults.h"

#include "Scientific.h"

#include "core/State.h"
#include "format/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace {

// Significant digits a double holds for any decimal (DBL_DIG).
constexpr int HeldDigits = 15;

// How far, in units in the last place, a computed value may lie from the
// whole number it stands for.
constexpr double WholeNoiseUlps = 16;

// The largest whole multiple of pi/2 that radians look for, and how near.
constexpr double MaxQuarterTurns = 1048576; // 2^20
constexpr double QuarterTurnUlps = 2;

// pi/2 as the sum of the nearest double and the rest.
constexpr double HalfPiHigh = 1.5707963267948966;
constexpr double HalfPiLow = 6.123233995736766e-17;

// The shortest decimal digits of a value.
struct Shortest {
    char digits[DigitBufferSize];
    int point;
    bool negative;
    explicit Shortest(double x) { ShortestDigits(x, digits, &point, &negative); }
    int Count() const { return int(std::strlen(digits)); }
};

bool IsWhole(double x)
{
    return x == std::trunc(x);
}

// The distance from |x| to the next double above it.
double Ulp(double x)
{
    const double a = std::fabs(x);
    return std::nextafter(a, INFINITY) - a;
}

// The decimal exponent p of a value's leading digit, x = 0.d1d2... 10^p, and
// whether it has at most 15 significant digits, as its shortest digits say.
// Whole numbers below 10^15 need no conversion.
struct Magnitude {
    int point;
    bool held;
};

Magnitude MagnitudeOf(double x)
{
    if (x < 1e15 && IsWhole(x)) {
        int point = 1;
        for (double power = 10; power <= x; power *= 10)
            ++point;
        return {point, true};
    }
    const Shortest s(x);
    return {s.point, s.Count() <= HeldDigits};
}

// r, the sum, difference or remainder of a and b, as rule 1 leaves it.
double DecimalResult(double a, double b, double r)
{
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(r))
        return r;
    const double larger = std::fmax(std::fabs(a), std::fabs(b));
    // Zeros keep their sign (-0 + -0 is -0); whole operands below 10^15 give
    // an exact result, a multiple of u already.
    if (larger == 0.0 || (larger < 1e15 && IsWhole(a) && IsWhole(b)))
        return r;
    const Magnitude big = MagnitudeOf(larger);
    const int unit = big.point - HeldDigits; // u = 10^unit
    Shortest result(r);
    const int kept = result.point - unit; // digits of r at u and above
    if (r == 0.0 || kept < 0 || (kept == 0 && result.digits[0] < '5'))
        return 0.0; // below u/2
    if (kept >= result.Count() || !big.held || !MagnitudeOf(std::fmin(std::fabs(a), std::fabs(b))).held)
        return r; // nothing below u, or a computed operand
    RoundDecimalNumber(result.digits, &result.point, kept);
    return DigitsValue(result.digits, result.point, result.negative);
}

// The same for a sum of operands that are both whole multiples of u, found
// without their digits: while 10^-8 <= the larger < 10^15, 1/u = 10^(15-p)
// is a double exactly, and one multiplication reads such an operand as the
// whole number A < 10^15 with a = A u (an operand with digits below u, or a
// computed one, fails the check).  Then A + B is the decimal sum exactly, and
// (A + B) / 10^(15-p) its nearest double: what rounding the shortest digits
// of a + b to u gives.
bool SumOfMultiples(double a, double b, double* sum)
{
    // The nearest doubles to 10^-8 .. 10^15, and the powers 10^0 .. 10^22,
    // which doubles hold exactly.
    static constexpr double Near[] = {1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3,
                                      1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    static constexpr double Exact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int Lowest = -8; // the exponent of Near[0]
    const double larger = std::fmax(std::fabs(a), std::fabs(b));
    if (!(larger >= Near[0] && larger < 1e15))
        return false;
    // The point p, 10^(p-1) <= larger < 10^p, as the shortest digits have
    // it; -7 <= p <= 15.
    const int p = int(std::upper_bound(std::begin(Near), std::end(Near), larger) - std::begin(Near)) + Lowest;
    const double scale = Exact[HeldDigits - p];
    const double wholeA = std::nearbyint(a * scale), wholeB = std::nearbyint(b * scale);
    if (wholeA / scale != a || wholeB / scale != b)
        return false;
    *sum = (wholeA + wholeB) / scale;
    return true;
}

// An angle as k right angles and a rest: `quarter` is k modulo 4, `rest` the
// remainder in radians.  `half` is +1 or -1 when the rest is exactly half a
// right angle, which a whole angle in degrees or grads can be.
struct QuarterTurns {
    int quarter;
    double rest;
    int half;
};

int Modulo4(double k)
{
    return int(std::fmod(k, 4.0) + 4.0) % 4;
}

// A non-whole angle beyond half a right angle, reduced exactly on its
// shortest digits.  Such an angle is below 2^52 with at least two whole
// digits, so of its at most 17 digits 1 to 15 are decimals, and the digits
// and the right angle in units of the last decimal fit 64 bits.
QuarterTurns ReduceDecimalAngle(double x, int right)
{
    const Shortest s(std::fabs(x));
    const int decimals = s.Count() - s.point;
    uint64_t m = 0, scale = 1;
    for (const char* p = s.digits; *p; ++p)
        m = m * 10 + uint64_t(*p - '0');
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const uint64_t q = uint64_t(right) * scale;
    const uint64_t k = (m + q / 2) / q;
    const int64_t remainder = int64_t(m) - int64_t(k * q);
    // The remainder's value, rounded once: "R" "e-" decimals.
    char text[48];
    char* end = std::to_chars(text, text + 24, remainder).ptr;
    *end++ = 'e';
    *end++ = '-';
    end = std::to_chars(end, text + sizeof text - 1, decimals).ptr;
    *end = '\0';
    const double rest = ConvertDecimalNumber(text);
    const int quarter = int(k % 4);
    if (x < 0)
        return {(4 - quarter) % 4, ToRadians(-rest), 0};
    return {quarter, ToRadians(rest), 0};
}

// In radians: an exact multiple of pi/2 when x is within a few units in the
// last place of one; otherwise x as it is.
QuarterTurns ReduceRadians(double x)
{
    const double k = std::nearbyint(x / HalfPiHigh);
    if (k != 0 && std::fabs(k) <= MaxQuarterTurns) {
        const double off = std::fma(-k, HalfPiHigh, x) - k * HalfPiLow;
        if (std::fabs(off) <= QuarterTurnUlps * Ulp(k * HalfPiHigh))
            return {Modulo4(k), 0.0, 0};
    }
    return {0, x, 0};
}

QuarterTurns Reduce(double x)
{
    const unsigned mode = Prefs.angleMode();
    if (mode != AngleDegrees && mode != AngleGrads)
        return ReduceRadians(x);
    if (!std::isfinite(x))
        return {0, NAN, 0};
    const int right = mode == AngleDegrees ? 90 : 100;
    if (IsWhole(x)) {
        // fmod is exact, so a whole angle of any size keeps its place.
        const double turn = std::fmod(x, 4.0 * right);
        const double k = std::nearbyint(turn / right);
        const double rest = turn - k * right;
        const int half = std::fabs(rest) * 2 == right ? (rest > 0 ? 1 : -1) : 0;
        return {Modulo4(k), ToRadians(rest), half};
    }
    if (std::fabs(x) <= right / 2.0)
        return {0, ToRadians(x), 0};
    return ReduceDecimalAngle(x, right);
}

// An exact zero of a circular function is +0.
double PlusZero(double v)
{
    return v == 0.0 ? 0.0 : v;
}

} // namespace

double DecimalAdd(double a, double b)
{
    double sum;
    return SumOfMultiples(a, b, &sum) ? sum : DecimalResult(a, b, a + b);
}

double DecimalSubtract(double a, double b)
{
    double difference;
    return SumOfMultiples(a, -b, &difference) ? difference : DecimalResult(a, b, a - b);
}

double WholeValue(double x)
{
    if (IsWhole(x) || !std::isfinite(x))
        return x;
    const double n = std::round(x);
    if (std::fabs(x - n) > WholeNoiseUlps * Ulp(n) || Shortest(x).Count() <= HeldDigits)
        return x;
    return n;
}

double DecimalModulo(double y, double x)
{
    const double r = DecimalResult(y, x, std::fmod(y, x));
    if (r == 0.0 || std::fabs(r) == std::fabs(x))
        return 0.0;
    return r;
}

double CircularSine(double x)
{
    const QuarterTurns a = Reduce(x);
    switch (a.quarter) {
    case 0: return PlusZero(std::sin(a.rest));
    case 1: return std::cos(a.rest);
    case 2: return PlusZero(-std::sin(a.rest));
    default: return -std::cos(a.rest);
    }
}

double CircularCosine(double x)
{
    const QuarterTurns a = Reduce(x);
    switch (a.quarter) {
    case 0: return std::cos(a.rest);
    case 1: return PlusZero(-std::sin(a.rest));
    case 2: return -std::cos(a.rest);
    default: return PlusZero(std::sin(a.rest));
    }
}

double CircularTangent(double x)
{
    const QuarterTurns a = Reduce(x);
    const bool odd = a.quarter % 2 != 0;
    if (a.half != 0)
        return odd ? -a.half : a.half;
    if (!odd)
        return PlusZero(std::tan(a.rest));
    return a.rest == 0.0 ? NAN : -1.0 / std::tan(a.rest);
}
