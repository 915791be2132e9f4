// SPDX-License-Identifier: GPL-3.0-or-later
// The four colours that draw one key of one style.
#pragma once

#include "core/State.h"

#include <QColor>

// Text and background come from the colour table entries of the style; the
// light and dark shades of the key's bevel are the background with 51 added
// to or taken from each component, kept within 0..255.
class ButtonColor {
public:
    ButtonColor() = default;
    ButtonColor(const ColorTable* table, ButtonStyle style);

    QColor text;
    QColor background;
    QColor light;
    QColor dark;
};
