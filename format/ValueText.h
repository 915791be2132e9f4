// SPDX-License-Identifier: GPL-3.0-or-later
// A value as the display shows it: its number text and its label text.
//
// The one place where a value becomes the texts the display draws beside
// each other; the driver's stack lines and the tape's lines read them here.
#pragma once

#include "DisplayText.h"
#include "Strings.h"

#include <cstdint>
#include <string>

struct ValueTexts {
    char number[DisplayTextSize]; // "error" for a value without text
    char label[LabelTextSize];    // "" for no label
};

// The texts of a value with its label and label index, in the current
// format, base, digits and radix.  False for a value the display shows as
// "error": the number text is then "error" and the label is empty.
bool ValueText(double value, uint16_t label, uint16_t labelIndex, ValueTexts& out);

// The number text of a value without a label, as the display shows it.
std::string ShownNumberText(double value);
