// Placeholders of handlers and operations that later work fills in.  Each
// declines every key or does nothing, so the dispatcher works without them.

#include "Conversion.h"
#include "Programmer.h"
#include "Scientific.h"
#include "State.h"
#include "Undo.h"

#include "format/Format.h"

// Undo
void InitializeUndo() {}
bool UndoAvailable() { return false; }
bool RedoAvailable() { return false; }
void SaveSnapshot() {}
bool UndoChanged() { return false; }
void SaveUndo() {}
void PerformUndo() {}
void PerformRedo() {}

// Units
bool HandleConversion(KeyOp) { return false; }
void ConvertX(const ConversionType*, unsigned short, KeyOp) {}
void ConvertUnits(unsigned short, unsigned short, double*) {}
unsigned short PreserveUnit(KeyOp, unsigned short, unsigned short, double*) { return 0; }
unsigned short UnitType(unsigned short label)
{
    if (label >= 1900 && label <= 1903) return UnitLength;
    if (label >= 1904 && label <= 1907) return UnitWeight;
    if (label >= 1908 && label <= 1913) return UnitSpeed;
    if (label >= 1914 && label <= 1917) return UnitArea;
    if (label >= 1918 && label <= 1921) return UnitVolume;
    if (label >= 1922 && label <= 1923) return UnitTemperature;
    if (label >= 1924 && label <= 1929) return UnitWordSize;
    return UnitNone;
}

// Scientific
double norm(double x) { return x; }
double subtract(double a, double b) { return a - b; }
double frac(double x) { return x; }
double fact(double x) { return x; }
double hms(double x) { return x; }
double hr(double x) { return x; }
double pi() { return 3.141592653589793; }
double ToRadians(double x) { return x; }
double FromRadians(double x) { return x; }
bool SineSpecialCase(double) { return false; }
bool CosineSpecialCase(double) { return false; }
double rnd(double x, int) { return x; }

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
