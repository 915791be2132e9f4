// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a pasted text as exactly one number, or refusing it with a reason.
//
// The text is read in the current base and never guessed at:
// - white space around it, one leading sign ("+", "-" or U+2212 minus),
//   and a trailing radix mark of the setting ("." or ",");
// - decimal: digits with an optional radix mark (also leading, ".5") and
//   an exponent with its sign ("2.5e-3"); the integer
//   part may be grouped, a first group of one to three digits and then
//   groups of exactly three, all with the same separator: "," " " U+00A0
//   U+2009 U+202F "'" "_" with the radix point, "." or one of those spaces
//   with the comma radix;
// - binary, octal, hexadecimal: the base's digits, an optional matching
//   "0b", "0o" or "0x" prefix, and in binary and hexadecimal the single
//   spaces between digit groups that copying writes (groups of eight
//   binary digits, of two or four hexadecimal digits).  The digits are the
//   bit pattern of the word, so "FF" is -1 in a signed 8-bit word; with a
//   minus sign they are a magnitude.
// Everything else is refused and changes nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Longest text read, in characters after trimming the white space around it.
constexpr std::size_t PastedTextLimit = 200;

enum PasteRefusal {
    PasteAccepted = 0,
    PasteNoNumber,     // empty, letters, two numbers, separators out of place
    PasteTooLarge,     // beyond the range of a double, or over the length limit
    PasteDoesNotFitWord // an integer outside the word
};

struct PastedNumber {
    PasteRefusal refusal = PasteNoNumber;
    double value = 0.0;
    // The word the integer bases read in (also when refused); 0 in decimal.
    uint16_t wordLabel = 0;
};

// Reads UTF-8 `text` as one number of `base` (Base in core/State.h), with
// the radix mark "," when `commaRadix`; integer bases read into the word of
// `wordLabel` (a word label, LabelU8..LabelS32).  Independent of the
// process locale.
PastedNumber ReadPastedNumber(std::string_view text, unsigned base, bool commaRadix, uint16_t wordLabel);

// A short English reason: "no number", "too large", "does not fit the word".
const char* PasteRefusalText(PasteRefusal refusal);
