// SPDX-License-Identifier: GPL-3.0-or-later
// Pasting a clipboard text.  (What Copy puts there is format/CopyText.h.)
#pragma once

#include "format/PastedNumber.h"

#include <QString>

// Pastes the clipboard text into X when it is exactly one number (see
// PasteNumber); a refused text changes nothing.
PastedNumber PasteClipboardText(const QString& clipboard);

// What the window says about a refused paste: why it was refused.
QString PasteRefusalNotice(const PastedNumber& number);
