// SPDX-License-Identifier: GPL-3.0-or-later
// Time value of money, rates, margins, cash flows, NPV, IRR, amortization.
#pragma once

#include "core/KeyOp.h"

// Financial register keys 69..82 and the cash-flow keys 85, 86.
bool HandleRegisters(KeyOp key);

// N, PV, PMT or FV (registers 100, 102, 103, 104) from the other four; the
// stored value for any other register.  At a periodic rate of exactly 0 the
// limits of the formulas apply (PV + PMT * N + FV = 0).
double tvm(int reg);
// Residual of the time-value equation at an annual rate of x percent.
double rate(double x);
// Net present value of the cash-flow list at an annual rate of x percent.
double npv(double x);
// Internal rate of return of the cash-flow list, an annual rate in percent,
// searched for near `guess` as the IRR key searches near I/YR.
double irr(double guess);

// Safeguarded secant method from x0 and x1: a root, or NaN when it does not
// converge within 50 steps or stalls away from a root.
double solve(double (*f)(double), double x0, double x1);
// The rate keys' solver: solve(), and when that gives NaN a scan of periodic
// rates from just above -100 % to 500 % for a sign change of f, narrowed by
// bisection.  The root is then polished to the last digit, independent of
// the start, and is exactly 0 when it lies within 1e-10 of 0 and f(0) is 0.
// NaN only when f has no sign change in that range.
double solve_wide(double (*f)(double), double x0, double x1);

void amort(bool continueFromBalance);
void amort_next();
bool amort_repeat();

// The inputs the financial keys accept.  Every path that stores a count, a
// range or P/YR asks these first and refuses anything else with RefuseX.
//
// Nj: a whole number 0..MaxCashFlowCount; 0 ends the cash-flow list.
constexpr double MaxCashFlowCount = 99999;
bool ValidCashFlowCount(double x);
// An amortization range: whole numbers 1 <= start <= end <= MaxPeriod.
constexpr double MaxPeriod = 65535;
bool ValidAmortizationRange(double start, double end);
// Whether register r takes the value x: P/YR only a positive finite number,
// every other register anything.
bool RegisterAccepts(int r, double x);
// Refuses X: LastX keeps it, X shows error, the next number replaces it, and
// nothing else changes.
void RefuseX();
