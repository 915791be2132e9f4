// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValueText.h"

#include "Format.h"

#include "core/State.h"

#include <cstring>

bool ValueText(double value, uint16_t label, uint16_t labelIndex, ValueTexts& out)
{
    out.label[0] = '\0';
    char formatted[FormatBufferSize];
    if (FormatNumber(value, label, formatted, false) != FormatOk) {
        std::strcpy(out.number, GetString(LabelError));
        return false;
    }
    DisplayNumberText(formatted, Prefs.commaRadix(), out.number);
    LabelText(label, labelIndex, out.label);
    return true;
}

std::string ShownNumberText(double value)
{
    ValueTexts texts;
    ValueText(value, 0, NoLabelIndex, texts);
    return texts.number;
}
