// Memory and the register file: store, recall and exchange.
#pragma once

#include "core/KeyOp.h"

#include <cstdint>

bool HandleMemory(KeyOp key);
void Store(double value, uint16_t label, KeyOp op, int reg);
void Recall(KeyOp op, int reg);
void Swap(int reg);
