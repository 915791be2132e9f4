// Placeholders of handlers and operations that later work fills in.  Each
// declines every key or does nothing, so the dispatcher works without them.

#include "Conversion.h"
#include "Financial.h"
#include "Immediate.h"
#include "Registers.h"
#include "Scientific.h"
#include "State.h"
#include "Undo.h"

// Undo
void InitializeUndo() {}
bool UndoAvailable() { return false; }
bool RedoAvailable() { return false; }
void SaveSnapshot() {}
bool UndoChanged() { return false; }
void SaveUndo() {}
void PerformUndo() {}
void PerformRedo() {}

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
