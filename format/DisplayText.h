// SPDX-License-Identifier: GPL-3.0-or-later
// The text the display draws for a formatted number.
#pragma once

// Room for a formatted number with its group separators.
constexpr int DisplayTextSize = 64;

// Turns formatter text ("." radix, no grouping) into what the display draws:
// with `commaRadix` the first "." becomes "," and groups are separated by
// "."; otherwise groups are separated by ",".  Only in the decimal base:
// trailing zeros before the exponent (or the end) are dropped when all
// digits are shown (digits 0 or show-all) and no number is being typed, a
// "0" is put before a leading radix mark, and the integer part is grouped by
// threes.  Reads the base, digits, show-all and entry flags of the records.
void DisplayNumberText(const char* text, bool commaRadix, char* out);
