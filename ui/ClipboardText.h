// SPDX-License-Identifier: GPL-3.0-or-later
// The text that copy puts on the clipboard, and pasting a clipboard text.
#pragma once

#include "format/PastedNumber.h"

#include <QString>

#include <cstdint>

// The text of X in the current format and base, with the radix mark of the
// preferences and without the display's grouping; in binary every bit of
// the word, in groups of eight.  Empty when X has no text (infinite or not
// a number).
QString CopyText();

// The text of a value as copy gives it, in the current format and base,
// without grouping; empty for a value without text.
QString CopyNumberText(double value, uint16_t label = 0);

// Pastes the clipboard text into X when it is exactly one number (see
// PasteNumber); a refused text changes nothing.
PastedNumber PasteClipboardText(const QString& clipboard);

// What the window says about a refused paste: why it was refused.
QString PasteRefusalNotice(const PastedNumber& number);
