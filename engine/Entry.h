// SPDX-License-Identifier: GPL-3.0-or-later
// Number entry: the text of the number being typed.
#pragma once

#include "core/KeyOp.h"

// Applies one entry key (digits, hexadecimal digits, point, exponent, sign,
// backspace) to the entry text and stores the new value in X.  False when
// the key was refused.
bool EnterNumber(KeyOp key);

// "0"-"9", and "A"-"F"/"a"-"f" while the base is hexadecimal.
bool isDigit(char c);

// An exponent has been started in the decimal entry and has no digit yet:
// a minus sign typed now is the exponent's sign, not a subtraction.
bool ExponentSignOpen();

// The exponent of the entry is negative ("12e-").
bool ExponentNegative();
