// Placeholders of handlers and operations that later work fills in.  Each
// declines every key or does nothing, so the dispatcher works without them.

#include "Financial.h"
#include "Immediate.h"
#include "Programmer.h"
#include "Registers.h"
#include "State.h"

#include "format/Format.h"

// Registers
bool HandleMemory(KeyOp) { return false; }
void Store(double, uint16_t, KeyOp, int) {}
void Recall(KeyOp, int) {}
void Swap(int) {}

// Financial
bool HandleRegisters(KeyOp) { return false; }
double tvm(int) { return 0.0; }
double rate(double) { return 0.0; }
double npv(double) { return 0.0; }
double solve(double (*)(double), double, double) { return 0.0; }
void amort(bool) {}
void amort_next() {}
bool amort_repeat() { return true; }

// One-operand keys
bool HandleImmediateOperation(KeyOp) { return false; }

// Integer words
bool IsWordLabel(uint16_t label) { return label >= LabelU8 && label <= LabelS32; }
uint16_t IntegerUnit(uint16_t label) { return IsWordLabel(label) ? label : uint16_t(LabelU8 + Prefs.integerSize()); }
uint16_t IntegerUnitDefaultS32(uint16_t label) { return IsWordLabel(label) ? label : uint16_t(LabelS32); }
uint16_t NonIntegerUnit(uint16_t label) { return IsWordLabel(label) ? 0 : label; }
unsigned IntegerSize(uint16_t) { return 4; }
uint32_t IntegerMask(uint16_t) { return 0xFFFFFFFF; }
uint32_t IntegerAsUnsigned8(double, uint16_t) { return 0; }
int32_t IntegerAsSigned8(double, uint16_t) { return 0; }
uint32_t IntegerAsUnsigned16(double, uint16_t) { return 0; }
int32_t IntegerAsSigned16(double, uint16_t) { return 0; }
uint32_t IntegerAsUnsigned32(double, uint16_t) { return 0; }
int32_t IntegerAsSigned32(double, uint16_t) { return 0; }
double IntegerAnd(double, uint16_t, double, uint16_t) { return 0; }
double IntegerOr(double, uint16_t, double, uint16_t) { return 0; }
double IntegerXor(double, uint16_t, double, uint16_t) { return 0; }
double IntegerAdd(double, uint16_t, double, uint16_t) { return 0; }
double IntegerSubtract(double, uint16_t, double, uint16_t) { return 0; }
double IntegerMultiply(double, uint16_t, double, uint16_t) { return 0; }
double IntegerDivide(double, uint16_t, double, uint16_t) { return 0; }
double IntegerShiftLeft(double, uint16_t, double, uint16_t) { return 0; }
double IntegerShiftRight(double, uint16_t, double, uint16_t) { return 0; }
double IntegerArithmeticShiftRight(double, uint16_t, double, uint16_t) { return 0; }
double IntegerRotate(double, uint16_t, double, uint16_t) { return 0; }
double OnesComplement(double, uint16_t) { return 0; }
double TwosComplement(double v, uint16_t) { return -v; }
uint16_t IntegerConvertX(uint16_t label) { return IntegerUnit(label); }
unsigned long shift(unsigned long value, unsigned int, int, bool) { return value; }
unsigned long rotate(unsigned long value, unsigned int, int) { return value; }

// Number text
uint16_t FormatNumber(double value, uint16_t, char* buffer, bool plain) { return FormatDecimalNumber(value, buffer, plain, 0); }
uint16_t FormatDecimalNumber(double, char* buffer, bool, int) { buffer[0] = '\0'; return FormatError; }
uint16_t FormatBinaryNumber(double, uint16_t, char* buffer, bool) { buffer[0] = '\0'; return FormatOk; }
uint16_t FormatOctalNumber(double, uint16_t, char* buffer, bool) { buffer[0] = '\0'; return FormatOk; }
uint16_t FormatHexadecimalNumber(double, uint16_t, char* buffer, bool) { buffer[0] = '\0'; return FormatOk; }
double ConvertNumber(const char* text, uint16_t) { return ConvertDecimalNumber(text); }
double ConvertBinaryNumber(const char*, uint16_t) { return 0; }
double ConvertOctalNumber(const char*, uint16_t) { return 0; }
double ConvertHexadecimalNumber(const char*, uint16_t) { return 0; }
