// SPDX-License-Identifier: GPL-3.0-or-later
#include "CopyText.h"

#include "Format.h"
#include "TableText.h"

#include "core/State.h"
#include "core/Words.h"

#include <cmath>

namespace {

// Every binary digit of a word: eight for each byte its value needs (zero
// is "0", as in the other bases).
std::string WholeBinaryWord(uint32_t word)
{
    if (word == 0)
        return "0";
    int bytes = 1;
    while (bytes < 4 && (word >> (8 * bytes)) != 0)
        ++bytes;
    std::string text;
    for (int bit = 8 * bytes - 1; bit >= 0; --bit)
        text += char('0' + ((word >> bit) & 1));
    return text;
}

// The digits of a value in an integer base, without the display's group
// spaces and trailing point.
std::string WordDigits(double value, uint16_t label)
{
    if (UnPrefs.base() == BaseBinary) {
        const uint16_t word = IntegerUnitDefaultS32(label);
        return WholeBinaryWord(IntegerAsUnsigned32(value, word) & IntegerMask(word));
    }
    char text[FormatBufferSize];
    FormatNumber(value, label, text, true);
    std::string digits;
    for (const char* c = text; *c; ++c)
        if (*c != ' ' && *c != '.')
            digits += *c;
    return digits;
}

// The radix mark of the preferences.
std::string WithRadix(std::string text)
{
    if (Prefs.commaRadix())
        for (char& c : text)
            if (c == '.')
                c = ',';
    return text;
}

} // namespace

std::string CopyText()
{
    return CopyNumberText(UnPrefs.stack[0], UnPrefs.stackLabel[0]);
}

std::string CopyNumberText(double value, uint16_t label)
{
    if (UnPrefs.base() != BaseDecimal)
        return WordDigits(value, label);
    char text[FormatBufferSize];
    if (FormatNumber(value, label, text, true) != FormatOk)
        return std::string();
    return WithRadix(text);
}

std::string FullPrecisionCopyText(double value, uint16_t label)
{
    if (!std::isfinite(value))
        return std::string();
    if (UnPrefs.base() != BaseDecimal)
        return WordDigits(value, label);
    return CsvNumber(value, Prefs.commaRadix());
}
