// SPDX-License-Identifier: GPL-3.0-or-later
// The text that Copy puts on the clipboard: a number as the paste reader
// reads it back (PastedNumber.h), in the current base and with the radix
// mark of the preferences, never grouped.  The window's Copy, the Tape
// window's Copy Result and the driver's Copy key all take it from here.
#pragma once

#include <cstdint>
#include <string>

// X as shown, in the current format and base: decimal text as formatted
// ("1234567.5", "1.5e3"); in the integer bases the word's digits without
// the group spaces of the display ("0001ABCD"), in binary every bit of the
// word, also where the display shows only half of it.  Empty when X has no
// text (infinite or not a number).
std::string CopyText();

// Any value with its label as CopyText writes X.
std::string CopyNumberText(double value, uint16_t label = 0);

// A value with its label in full precision: in decimal the shortest digits
// that read back as the value ("0.30000000000000004"); in the integer bases
// the digits of its word, as CopyText writes them.  Empty for an infinite or
// not-a-number value.
std::string FullPrecisionCopyText(double value, uint16_t label);
