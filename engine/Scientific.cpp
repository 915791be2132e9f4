// SPDX-License-Identifier: GPL-3.0-or-later
// Small numeric routines shared by the engine: 14-digit rounding, factorial,
// gamma, combinations and permutations, time and angle conversions, and
// rounding to the displayed digits.

#include "Scientific.h"

#include "core/State.h"
#include "format/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Significant digits kept by norm: two more than the display shows, enough
// to drop the binary rounding noise of a sum or difference.
constexpr int NormDigits = 14;

// The value of a digit string with its point position and sign (as
// ShortestDigits gives them).
double DigitsValue(const char* digits, int point, bool negative)
{
    // "-.DIGITSeP": the digits as a fraction scaled by the point position.
    char text[DigitBufferSize + 16];
    char* p = text;
    if (negative)
        *p++ = '-';
    *p++ = '.';
    std::size_t length = std::strlen(digits);
    std::memcpy(p, digits, length);
    p += length;
    if (point != 0) {
        *p++ = 'e';
        p = std::to_chars(p, text + sizeof text - 1, point).ptr;
    }
    *p = '\0';
    return ConvertDecimalNumber(text);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// x rounded half away from zero to `decimals` places after the point, at
// every magnitude: integer digits always stay.
double RoundToDecimals(double x, int decimals)
{
    char digits[DigitBufferSize];
    int point = 0;
    bool negative = false;
    ShortestDigits(x, digits, &point, &negative);
    if (!IsDigit(digits[0]))
        return x; // infinity or NaN
    int kept = point + decimals;
    if (kept >= int(std::strlen(digits)))
        return x; // no digits below the last place
    if (kept < 0)
        return negative ? -0.0 : 0.0;
    RoundDecimalNumber(digits, &point, kept);
    if (digits[0] == '\0')
        return negative ? -0.0 : 0.0;
    return DigitsValue(digits, point, negative);
}

} // namespace

double norm(double x)
{
    char digits[DigitBufferSize];
    int point = 0;
    bool negative = false;
    ShortestDigits(x, digits, &point, &negative);
    RoundDecimalNumber(digits, &point, NormDigits);
    if (!IsDigit(digits[0]))
        return x; // infinity or NaN
    return DigitsValue(digits, point, negative);
}

double subtract(double a, double b)
{
    return norm(a - b);
}

double frac(double x)
{
    return subtract(x, std::trunc(x));
}

double SnapToWhole(double x)
{
    if (x == std::trunc(x))
        return x; // whole already, or infinite, and exact at any size
    double n = norm(x);
    return n == std::trunc(n) ? n : x;
}

namespace {

bool IsWhole(double x)
{
    return x == std::trunc(x) && std::isfinite(x);
}

} // namespace

double fact(double x)
{
    // Whole numbers as an exact product (170! is the largest a double holds;
    // beyond it the product is infinite), other reals through Gamma.  NaN at
    // the negative integers, where Gamma has its poles.
    if (!IsWhole(x))
        return std::tgamma(x + 1.0);
    if (x < 0.0)
        return std::nan("");
    double product = 1.0;
    for (double i = 2.0; i <= x && !std::isinf(product); i += 1.0)
        product *= i;
    return product;
}

double Gamma(double x)
{
    if (!IsWhole(x))
        return std::tgamma(x);
    return x >= 1.0 ? fact(x - 1.0) : std::nan("");
}

namespace {

// The operands of a combination or permutation as whole numbers, false when
// either is negative or has a fraction.
bool WholeOperands(double& n, double& k)
{
    n = SnapToWhole(n);
    k = SnapToWhole(k);
    return IsWhole(n) && IsWhole(k) && n >= 0.0 && k >= 0.0;
}

} // namespace

double Permutations(double n, double k)
{
    if (!WholeOperands(n, k))
        return std::nan("");
    if (k > n)
        return 0.0;
    // n (n - 1) ... (n - k + 1); every factor but the last is at least 2, so
    // a long product is infinite long before the loop could run for ages.
    double product = 1.0;
    for (double i = 0.0; i < k && !std::isinf(product); i += 1.0)
        product *= n - i;
    return product;
}

double Combinations(double n, double k)
{
    if (!WholeOperands(n, k))
        return std::nan("");
    if (k > n)
        return 0.0;
    k = std::min(k, n - k);
    // After step i the value is C(n - k + i, i), a whole number, so every
    // step is exact while the values stay below 2^53.  The value at least
    // doubles with each step, which ends the loop soon after the range of a
    // double is left.
    double c = 1.0;
    for (double i = 1.0; i <= k && !std::isinf(c); i += 1.0) {
        double factor = n - k + i;
        double product = c * factor;
        c = std::isinf(product) ? c / i * factor : product / i;
    }
    return c;
}

double hms(double x)
{
    double minutes = norm(frac(x) * 60.0);
    return std::trunc(x) + std::trunc(minutes) / 100.0 +
           subtract(minutes, std::trunc(minutes)) * 3.0 / 500.0;
}

double hr(double x)
{
    double minutes = norm(frac(x) * 100.0);
    return std::trunc(x) + std::trunc(minutes) / 60.0 + subtract(minutes, std::trunc(minutes)) / 36.0;
}

double pi()
{
    return std::acos(-1.0);
}

// Angles in degrees and grads are reduced to less than a full turn before
// they are converted: fmod is exact, so even 1e22 degrees keeps its place on
// the circle, which the multiplication by pi / 180 alone would lose.
double ToRadians(double x)
{
    switch (Prefs.angleMode()) {
    case AngleDegrees: return std::fmod(x, 360.0) * (pi() / 180.0);
    case AngleGrads: return std::fmod(x, 400.0) * (pi() / 200.0);
    default: return x;
    }
}

double FromRadians(double x)
{
    switch (Prefs.angleMode()) {
    case AngleDegrees: return x * (180.0 / pi());
    case AngleGrads: return x * (200.0 / pi());
    default: return x;
    }
}

namespace {

// Whether X is an exact multiple of a quarter turn, in degrees or grads and
// without the hyperbolic prefix; `quarters` is its remainder of a full turn
// in quarter turns (-3 .. 3).
bool ExactQuarterTurn(int* quarters)
{
    if (UnPrefs.hyperbolic())
        return false;
    double quarter;
    switch (Prefs.angleMode()) {
    case AngleDegrees: quarter = 90.0; break;
    case AngleGrads: quarter = 100.0; break;
    default: return false;
    }
    double r = std::fmod(double(UnPrefs.stack[0]), 4 * quarter);
    double k = std::round(r / quarter);
    if (r != k * quarter)
        return false;
    *quarters = int(k);
    return true;
}

} // namespace

// The sine is exactly zero at multiples of a half turn, the cosine at odd
// multiples of a quarter turn.  Both look at X.
bool SineSpecialCase(double)
{
    int quarters;
    return ExactQuarterTurn(&quarters) && quarters % 2 == 0;
}

bool CosineSpecialCase(double)
{
    int quarters;
    return ExactQuarterTurn(&quarters) && quarters % 2 != 0;
}

double rnd(double x, int digits)
{
    // The digit setting counts even while show-all is on.
    UnPrefs.setShowAll(false);
    // A fixed number of decimals rounds there at every magnitude, also where
    // the display falls back to fewer digits or to an exponent.
    if (Prefs.displayFormat() == FormatFixed && digits != 0)
        return RoundToDecimals(x, digits - 1);
    char text[FormatBufferSize];
    if (FormatDecimalNumber(x, text, false, digits) != FormatOk)
        return x;
    return ConvertDecimalNumber(text);
}
