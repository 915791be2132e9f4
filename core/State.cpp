// SPDX-License-Identifier: GPL-3.0-or-later
#include "State.h"

#include <cstring>

PrefsRecord Prefs;
RegsRecord Regs;
UnPrefsRecord UnPrefs;
KeyboardTableRecord KeyboardTable;
ColorTable Colors = [] {
    ColorTable table;
    table.init();
    return table;
}();

uint8_t PrefsChanged;
uint8_t RegsChanged;
uint8_t ColorsChanged;
uint8_t KeyboardChanged;

namespace {

struct DefaultColor {
    uint16_t red, green, blue;
};

const DefaultColor InitColorTable[ColorCount] = {
    {0, 0, 102},     {255, 255, 255}, // display text, background
    {255, 255, 255}, {51, 51, 153},   // standard keys
    {0, 0, 102},     {153, 153, 255}, // number keys
    {255, 255, 255}, {51, 51, 153},   // register keys
    {255, 255, 255}, {153, 51, 51},   // clear keys
    {255, 255, 255}, {51, 0, 153},    // dialogs
};

const ColorEntry ButtonSchemes[ButtonStyleCount][2] = {
    {StandardText, StandardBackground},
    {NumberText, NumberBackground},
    {RegisterText, RegisterBackground},
    {ClearText, ClearBackground},
    {DialogText, DialogBackground},
};

} // namespace

void ColorTable::init()
{
    std::memset(entries, 0, sizeof entries);
    for (int i = 0; i < ColorCount; ++i)
        setColor(ColorEntry(i), InitColorTable[i].red, InitColorTable[i].green, InitColorTable[i].blue);
}

void ColorTable::setColor(ColorEntry entry, int red, int green, int blue)
{
    entries[entry].red = uint16_t(red);
    entries[entry].green = uint16_t(green);
    entries[entry].blue = uint16_t(blue);
}

bool ColorTable::operator==(const ColorTable& other) const
{
    for (int i = 0; i < ColorCount; ++i) {
        const RGBColor &a = entries[i], &b = other.entries[i];
        if (a.red != b.red || a.green != b.green || a.blue != b.blue)
            return false;
    }
    return true;
}

ColorEntry ColorTable::getButtonText(ButtonStyle style)
{
    return ButtonSchemes[style][0];
}

ColorEntry ColorTable::getButtonBackground(ButtonStyle style)
{
    return ButtonSchemes[style][1];
}
