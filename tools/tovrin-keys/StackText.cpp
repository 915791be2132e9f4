// SPDX-License-Identifier: GPL-3.0-or-later
#include "StackText.h"

#include "core/State.h"
#include "format/ValueText.h"

std::string LevelName(int level)
{
    static const char* names[] = {"X", "Y", "Z", "T"};
    return level < 4 ? names[level] : std::to_string(level + 1);
}

void LevelText(int level, std::string& label, std::string& text)
{
    if (level == 0 && UnPrefs.entering()) {
        // The typed text, as typed: a trailing point or an open exponent too.
        char typed[EntryTextSize + 1] = {};
        for (int i = 0; i < EntryTextSize && UnPrefs.entryText[i]; ++i)
            typed[i] = UnPrefs.entryText[i];
        char display[DisplayTextSize];
        DisplayNumberText(typed, Prefs.commaRadix(), display);
        text = display;
        char name[LabelTextSize];
        label = LabelText(UnPrefs.stackLabel[0], UnPrefs.stackLabelIndex[0], name) ? name : "";
        return;
    }
    ValueTexts texts;
    ValueText(UnPrefs.stack[level], UnPrefs.stackLabel[level], UnPrefs.stackLabelIndex[level], texts);
    text = texts.number;
    label = texts.label;
}
