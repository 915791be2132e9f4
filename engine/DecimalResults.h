// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal results: the rules that keep the rounding noise of binary
// arithmetic out of results where a person typed decimals.
//
// Values stay doubles.  A double holds any decimal of up to 15 significant
// digits (DBL_DIG), and the display shows 12; what lies below the 15th digit
// of an operation's operands is noise that the double cannot tell from data.
// The rules drop that noise where an operation's inputs show it is noise, and
// keep every digit of computed values.
//
// 1. Sums and differences: the two-operand + and - in every input mode, and
//    register arithmetic (STO+, STO-, RCL+, RCL-, M+, M-).  Let u be one unit
//    of the 15th significant digit of the larger operand's magnitude.
//    - A result whose magnitude is below u/2 is +0.
//    - Otherwise, when both operands have at most 15 significant digits in
//      their shortest form, the result is rounded to a multiple of u, half
//      away from zero, on its shortest digits (a decimal rounding).
//    - Otherwise (a computed operand) the result stays as it is.
//    So 0.1 + 0.2 - 0.3 is 0 and 1000000000.3 - 1000000000.1 is 0.2, while
//    sqrt(2) - 1.41421356237 keeps 3.09507974805e-12.  Multiplication and
//    division, and the statistics sums, are not rounded.
// 2. Whole numbers: x stands for the whole number n when x = n, or when its
//    shortest digits have 16 or 17 significant digits (a computed value) and
//    it lies within 16 units in the last place of n, as 4.35 x 100 and
//    10^(log 121) do.  A value of 15 digits or fewer is never rounded away.
//    Integer and fractional part, floor and ceiling, the odd-root index, the
//    factorial and gamma at whole numbers, the operands of combinations and
//    permutations, and integer words reading a real number use it.
// 3. Modulo: fmod's remainder, rounded as in rule 1 against the operands; a
//    remainder that rounds to 0 or to the divisor's magnitude is 0, so that
//    0.3 MOD 0.1 is 0.
// 4. Circular functions.  In degrees and grads the angle's decimal value (its
//    shortest digits, as the display shows it and paste reads it) is reduced
//    exactly modulo the right angle, and the sine or cosine of the remainder
//    (at most half a right angle) is taken, the quadrant choosing function
//    and sign; a whole angle of any size is reduced exactly in binary.  So
//    multiples of the right angle give exact zeros and ones, and angles next
//    to them are right to the last digit shown.  In radians, an angle within
//    2 units in the last place of k pi/2, for a whole k with 0 < |k| <= 2^20,
//    gives the exact results: 0, +1 or -1, and NaN for the tangent at odd k.
//    The coordinate conversion to rectangular uses the same sine and cosine.
#pragma once

// a + b and a - b (rule 1).
double DecimalAdd(double a, double b);
double DecimalSubtract(double a, double b);

// The whole number x stands for, or x itself (rule 2).
double WholeValue(double x);

// y MOD x (rule 3).
double DecimalModulo(double y, double x);

// Sine, cosine and tangent of an angle in the current angle unit (rule 4).
double CircularSine(double x);
double CircularCosine(double x);
double CircularTangent(double x);
