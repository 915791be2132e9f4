// SPDX-License-Identifier: GPL-3.0-or-later
// Values to display text and text back to values, in every format and base.
//
// The text is ASCII with "." as the radix mark and "e" before an exponent;
// it always holds the point (zero is "0.").  Buffers of FormatBufferSize
// characters are always large enough.
#pragma once

#include <cstdint>

constexpr int FormatBufferSize = 40;

// Significant digits the display shows: a value is rounded to them, and in
// positional form its integer and decimal digits together never exceed them.
constexpr int ShownDigits = 12;

// Status of the formatters: the buffer holds the text, or the value has no
// text (infinite or not a number) and callers show "error".
enum FormatStatus : uint16_t { FormatOk = 0, FormatError = 1 };

uint16_t FormatNumber(double value, uint16_t label, char* buffer, bool plain);
uint16_t FormatDecimalNumber(double value, char* buffer, bool plain, int digits);
uint16_t FormatBinaryNumber(double value, uint16_t label, char* buffer, bool plain);
uint16_t FormatOctalNumber(double value, uint16_t label, char* buffer, bool plain);
uint16_t FormatHexadecimalNumber(double value, uint16_t label, char* buffer, bool plain);

double ConvertNumber(const char* text, uint16_t label);
double ConvertDecimalNumber(const char* text);
double ConvertBinaryNumber(const char* text, uint16_t label);
double ConvertOctalNumber(const char* text, uint16_t label);
double ConvertHexadecimalNumber(const char* text, uint16_t label);

// Capacity of a digit string of ShortestDigits: 17 digits at most, or
// "Infinity", plus room for rounding to insert a leading digit and the NUL.
constexpr int DigitBufferSize = 24;

// The shortest decimal digits that read back as `value`: no leading or
// trailing zeros ("0" for zero), `decimalPoint` such that value =
// 0.d1d2... x 10^decimalPoint, and the sign bit.  Infinities and NaN give the
// texts "Infinity" and "NaN".  Independent of the process locale.
void ShortestDigits(double value, char* digits, int* decimalPoint, bool* sign);

// Rounds the digit string `s` with decimal-point position `*e` to `count`
// significant digits, half up; a carry past the first digit inserts "1" and
// increments *e.  Trailing zeros are removed when it rounds.  Returns 1 when
// a new leading digit was created.
int RoundDecimalNumber(char* s, int* e, int count);

// The value of a digit string with its point position and sign, as
// ShortestDigits gives them.
double DigitsValue(const char* digits, int decimalPoint, bool negative);
