// Number entry: the text of the number being typed.
#pragma once

#include "KeyOp.h"

// Applies one entry key (digits, hexadecimal digits, point, exponent, sign,
// backspace) to the entry text and stores the new value in X.  False when
// the key was refused.
bool EnterNumber(KeyOp key);

// Small text helpers shared with formatting and the display.  None checks
// capacity: the caller guarantees room.
void AppendChar(char* s, char c);
void InsertChar(char* p, char c);
void DeleteChar(char* p);
void ReverseString(char* s);
// "0"-"9", and "A"-"F"/"a"-"f" while the base is hexadecimal.
bool isDigit(char c);
