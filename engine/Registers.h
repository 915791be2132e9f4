// Memory and the register file: store, recall and exchange.
#pragma once

#include "core/KeyOp.h"

#include <cstdint>

bool HandleMemory(KeyOp key);
// Store and Swap write nothing and return false when the register does not
// accept the value (RegisterAccepts).
bool Store(double value, uint16_t label, KeyOp op, int reg);
void Recall(KeyOp op, int reg);
bool Swap(int reg);
