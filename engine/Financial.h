// Time value of money, rates, margins, cash flows, NPV, IRR, amortization.
#pragma once

#include "KeyOp.h"

bool HandleRegisters(KeyOp key);
double tvm(int reg);
double rate(double x);
double npv(double x);
double solve(double (*f)(double), double x0, double x1);
void amort(bool continueFromBalance);
void amort_next();
bool amort_repeat();
