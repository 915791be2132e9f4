// SPDX-License-Identifier: GPL-3.0-or-later
// Integer arithmetic on words of 8, 16 and 32 bits, signed and unsigned.
#pragma once

#include <cstdint>

#include "core/Words.h"

// True while integer arithmetic is in force: the Programmer function, or the
// User function with integer user keys.
bool IntegerFunctions();

// Word arithmetic: both operands are read into the current word and the
// result is the number the bits mean there.
double IntegerAnd(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerOr(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerXor(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerAdd(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerSubtract(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerMultiply(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerDivide(double y, uint16_t yLabel, double x, uint16_t xLabel);
// y to the power x wrapped to the word; a negative power of 0 is NaN.
double IntegerPower(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerShiftLeft(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerShiftRight(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerArithmeticShiftRight(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerRotate(double y, uint16_t yLabel, double x, uint16_t xLabel);
double OnesComplement(double v, uint16_t label);
double TwosComplement(double v, uint16_t label);

// Converts X in place to the word IntegerUnit(label) and returns that label.
uint16_t IntegerConvertX(uint16_t label);

unsigned long shift(unsigned long value, unsigned int bytes, int count, bool arithmetic);
unsigned long rotate(unsigned long value, unsigned int bytes, int count);
