#include "StackText.h"

#include "core/State.h"
#include "format/DisplayText.h"
#include "format/Format.h"
#include "format/Strings.h"

std::string LevelName(int level)
{
    static const char* names[] = {"X", "Y", "Z", "T"};
    return level < 4 ? names[level] : std::to_string(level + 1);
}

void LevelText(int level, std::string& label, std::string& text)
{
    char display[DisplayTextSize];
    bool commaRadix = Prefs.commaRadix();
    label.clear();
    if (level == 0 && UnPrefs.entering()) {
        // The typed text, as typed: a trailing point or an open exponent too.
        char typed[EntryTextSize + 1] = {};
        for (int i = 0; i < EntryTextSize && UnPrefs.entryText[i]; ++i)
            typed[i] = UnPrefs.entryText[i];
        DisplayNumberText(typed, commaRadix, display);
    } else {
        char formatted[FormatBufferSize];
        if (FormatNumber(UnPrefs.stack[level], UnPrefs.stackLabel[level], formatted, false) != FormatOk) {
            text = GetString(LabelError);
            return;
        }
        DisplayNumberText(formatted, commaRadix, display);
    }
    text = display;

    char name[LabelTextSize];
    if (LabelText(UnPrefs.stackLabel[level], UnPrefs.stackLabelIndex[level], name))
        label = name;
}
