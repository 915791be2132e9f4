// The text that copy puts on the clipboard and the number text that paste
// reads from it.
#pragma once

#include <QByteArray>
#include <QString>

// The text of X in the current format and base, "." as the radix mark and
// without the display's grouping; in binary every bit of the word, in
// groups of eight.  Empty when X has no text (infinite or not a number).
QString CopyText();

// The number text to convert from a clipboard text: from its first digit of
// the current base (in decimal with a sign and radix point just before it),
// at most 47 characters, ending at the first character outside Latin-1; in
// the integer bases the spaces between digit groups are left out.
QByteArray PasteText(const QString& clipboard);

// Longest number text that paste reads.
constexpr int PasteTextLength = 47;
