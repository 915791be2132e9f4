// SPDX-License-Identifier: GPL-3.0-or-later
// Small numeric routines shared by the engine: 14-digit rounding, factorial,
// gamma, combinations and permutations, time and angle conversions, and
// rounding to the displayed digits.  Whole numbers are recognised as
// DecimalResults.h says.

#include "Scientific.h"

#include "DecimalResults.h"

#include "core/State.h"
#include "format/Format.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Significant digits kept by norm: two more than the display shows, enough
// to drop the binary rounding noise of a sum or difference.
constexpr int NormDigits = 14;

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
    const double n = WholeValue(x);
    if (!IsWhole(n))
        return std::tgamma(x + 1.0);
    if (n < 0.0)
        return std::nan("");
    double product = 1.0;
    for (double i = 2.0; i <= n && !std::isinf(product); i += 1.0)
        product *= i;
    return product;
}

double Gamma(double x)
{
    const double n = WholeValue(x);
    if (!IsWhole(n))
        return std::tgamma(x);
    return n >= 1.0 ? fact(n - 1.0) : std::nan("");
}

namespace {

// The operands of a combination or permutation as whole numbers, false when
// either is negative or has a fraction.
bool WholeOperands(double& n, double& k)
{
    n = WholeValue(n);
    k = WholeValue(k);
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
