// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonColor.h"

#include <algorithm>

namespace {

// Components are stored as 16-bit numbers; anything above 255 is drawn as 255.
int component(unsigned value)
{
    return int(std::min(value, 255u));
}

QColor entryColor(const ColorTable* table, ColorEntry entry)
{
    const RGBColor& rgb = table->entries[entry];
    return QColor(component(rgb.red), component(rgb.green), component(rgb.blue));
}

QColor shade(const QColor& color, int delta)
{
    auto shift = [delta](int value) { return std::clamp(value + delta, 0, 255); };
    return QColor(shift(color.red()), shift(color.green()), shift(color.blue()));
}

} // namespace

ButtonColor::ButtonColor(const ColorTable* table, ButtonStyle style)
    : text(entryColor(table, ColorTable::getButtonText(style))),
      background(entryColor(table, ColorTable::getButtonBackground(style))),
      light(shade(background, 51)),
      dark(shade(background, -51))
{
}
