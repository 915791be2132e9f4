// SPDX-License-Identifier: GPL-3.0-or-later
// The tape's entries as text: the lines shown and copied, and the rows of
// a saved CSV file.
//
// A line is composed when it is shown, from the entry's values, with the
// number and label texts of the display (format/ValueText.h) in the current
// format, base and radix:
//
//   12. + 3. = 15.                    a binary operation
//   2. feet + 6. inches = 2.5 feet    with units
//   200. × 10. % = 20.                a percentage of a base
//   √ 16. = 4.                        a one-operand function
//   12. inches = 1. feet              a unit conversion
//   STO R07: 7. + 5. = 12.            register arithmetic (RCL, M likewise)
//   PMT = -100.                       a solved or computed result
//   Σ+ 3., 4.  n = 2.                 a point entered, and the new n
//
// Every line ends with " = " and its last value, which the window aligns.
#pragma once

#include "Tape.h"

#include <string>
#include <vector>

struct TapeLine {
    std::string calculation; // the line up to and with its last "="
    std::string result;      // the value after it
};

TapeLine ComposeTapeLine(const TapeEntry& entry);
// The whole line: the calculation, a space and the result.
std::string TapeLineText(const TapeLine& line);

// The lines of the entries shown, oldest first.
std::vector<std::string> TapeLines();

// The tape as a plain text file: one line per entry.
std::string TapePlainText();

// The tape as a CSV file: a header, then one row per entry with the
// operation, the operands, the results and their units (label texts), the
// numbers in full precision whatever the display shows: the shortest digits
// that read back as each value, all written out without an exponent.
std::string TapeCsv();

// Whether a one-operand key reads as a function on the tape: the keys of
// one-operand operations that calculate (not the constants, the random key
// or the word sizes).
bool IsTapeFunction(KeyOp key);
