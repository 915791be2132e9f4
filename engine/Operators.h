// SPDX-License-Identifier: GPL-3.0-or-later
// Two-operand operations in RPN, simple and precedence input.
#pragma once

#include "core/KeyOp.h"

// The operator stack.  PeekOp and PopOp return KeyNone when it is empty.
// PushOp returns false, changing nothing, when the stack is full.
bool PushOp(KeyOp op);
KeyOp PeekOp();
KeyOp PopOp();
// True when another entry fits on the operator stack.
bool OpStackHasRoom();

// Handler of the binary operator keys.
bool HandleBinaryOperator(KeyOp key);

// Performs pending operators from the top of the operator stack: all of them
// down to an ENTER marker, or those down to the nearest open parenthesis, or
// exactly one.
void PerformPendingOperation(bool all, bool toParen);

// Performs one operation on Y and X; the result replaces both and becomes X.
bool PerformBinaryOperation(KeyOp op);
