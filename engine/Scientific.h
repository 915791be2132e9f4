// Small numeric routines shared by the engine.
#pragma once

// x rounded to 14 significant decimal digits.
double norm(double x);
// a - b rounded to 14 significant digits.
double subtract(double a, double b);
double frac(double x);
double fact(double x);
double hms(double x);
double hr(double x);
double pi();
double ToRadians(double x);
double FromRadians(double x);
bool SineSpecialCase(double x);
bool CosineSpecialCase(double x);
// x rounded as the display shows it with the digit setting `digits`.
double rnd(double x, int digits);
