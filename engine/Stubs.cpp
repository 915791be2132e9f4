// Placeholders of handlers and operations that later work fills in.  Each
// declines every key or does nothing, so the dispatcher works without them.

#include "Financial.h"
#include "Immediate.h"
#include "Registers.h"
#include "State.h"

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

