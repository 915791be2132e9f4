// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayText.h"

#include "core/State.h"
#include "core/Text.h"

#include <cstring>

void DisplayNumberText(const char* text, bool commaRadix, char* out)
{
    const char radix = commaRadix ? ',' : '.';
    const char separator = commaRadix ? '.' : ',';

    std::strncpy(out, text, DisplayTextSize - 1);
    out[DisplayTextSize - 1] = '\0';
    if (commaRadix) {
        if (char* point = std::strchr(out, '.'))
            *point = ',';
    }
    if (UnPrefs.base() != BaseDecimal)
        return;

    // Trailing zeros of the mantissa go when every digit is shown, but not
    // while the number is typed: there they are what the user typed.
    if ((Prefs.digits() == 0 || UnPrefs.showAll()) && !UnPrefs.entering()) {
        char* end = std::strchr(out, 'e');
        if (!end)
            end = out + std::strlen(out);
        while (end - 1 > out && end[-1] == '0') {
            DeleteChar(end - 1);
            --end;
        }
    }

    char* number = out[0] == '-' ? out + 1 : out;
    if (*number == radix)
        InsertChar(number, '0');

    char* end = std::strchr(number, radix);
    if (!end)
        end = std::strchr(number, 'E');
    if (!end)
        end = std::strchr(number, 'e');
    if (!end)
        end = number + std::strlen(number);
    // Numbers have at most 12 integer digits; the length check only keeps
    // odd text inside the buffer.
    for (char* p = end - 3; p > number && std::strlen(out) + 1 < DisplayTextSize; p -= 3)
        InsertChar(p, separator);
}
