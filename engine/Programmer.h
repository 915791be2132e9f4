// Integer words of 8, 16 and 32 bits, signed and unsigned.
//
// Integer values are doubles holding whole numbers; a value's word size is
// its label (1924 "u8" .. 1929 "s32"), or the integerSize preference.
#pragma once

#include <cstdint>

// Word-size labels.
enum WordLabel : uint16_t { LabelU8 = 1924, LabelS8, LabelU16, LabelS16, LabelU32, LabelS32 };

bool IsWordLabel(uint16_t label);
uint16_t IntegerUnit(uint16_t label);
uint16_t IntegerUnitDefaultS32(uint16_t label);
uint16_t NonIntegerUnit(uint16_t label);
unsigned IntegerSize(uint16_t label);
uint32_t IntegerMask(uint16_t label);

uint32_t IntegerAsUnsigned8(double value, uint16_t label);
int32_t IntegerAsSigned8(double value, uint16_t label);
uint32_t IntegerAsUnsigned16(double value, uint16_t label);
int32_t IntegerAsSigned16(double value, uint16_t label);
uint32_t IntegerAsUnsigned32(double value, uint16_t label);
int32_t IntegerAsSigned32(double value, uint16_t label);

double IntegerAnd(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerOr(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerXor(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerAdd(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerSubtract(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerMultiply(double y, uint16_t yLabel, double x, uint16_t xLabel);
double IntegerDivide(double y, uint16_t yLabel, double x, uint16_t xLabel);
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
