// SPDX-License-Identifier: GPL-3.0-or-later
// Small numeric routines shared by the engine.
#pragma once

// x rounded to 14 significant decimal digits.
double norm(double x);
// a - b rounded to 14 significant digits.
double subtract(double a, double b);
double frac(double x);
// x! : an exact product for whole x, Gamma(x + 1) for other reals.
double fact(double x);
double Gamma(double x);
// n!/(n-k)! and n!/(k!(n-k)!) as products, for whole n, k >= 0 (0 when k > n).
double Permutations(double n, double k);
double Combinations(double n, double k);
double hms(double x);
double hr(double x);
double pi();
// An angle in the current unit, reduced to less than a full turn, in radians.
double ToRadians(double x);
double FromRadians(double x);
// x rounded as the display shows it with the digit setting `digits`; in
// Fixed format to the set number of decimals at every magnitude.
double rnd(double x, int digits);
