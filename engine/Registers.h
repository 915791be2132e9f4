// SPDX-License-Identifier: GPL-3.0-or-later
// Memory and the register file: store, recall and exchange.
#pragma once

#include "core/KeyOp.h"

#include <cstdint>

bool HandleMemory(KeyOp key);
// Whether register arithmetic with `op` works in integer words: only while
// integer functions are active and `op` is the one typed after the latest
// register prefix.
bool IntegerRegisterArithmetic(KeyOp op);
// Store and Swap write nothing and return false when the register does not
// accept the value (RegisterAccepts).
bool Store(double value, uint16_t label, KeyOp op, int reg);
void Recall(KeyOp op, int reg);
bool Swap(int reg);
