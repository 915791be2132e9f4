// SPDX-License-Identifier: GPL-3.0-or-later
#include "Entry.h"

#include "Stack.h"
#include "Programmer.h"

#include "core/State.h"
#include "core/Text.h"

#include "format/Format.h"

#include <cstring>
#include <utility>

namespace {

// Mantissa digit limit of each number base.
const unsigned char maxDigits[4] = {12, 32, 11, 8};

constexpr unsigned char MaxExponentDigits = 3;

// The digit counter of the part being typed.
unsigned char& DigitCounter()
{
    return UnPrefs.exponentEntry() ? UnPrefs.exponentDigits : UnPrefs.mantissaDigits;
}

unsigned char DigitLimit()
{
    return UnPrefs.exponentEntry() ? MaxExponentDigits : maxDigits[UnPrefs.base()];
}

void StartEntry()
{
    if (UnPrefs.liftEnabled())
        LiftStack();
    UnPrefs.entryText[0] = '\0';
    UnPrefs.mantissaDigits = 0;
    UnPrefs.exponentDigits = 0;
    UnPrefs.setEntering(true);
    UnPrefs.setExponentEntry(false);
}

// Whether the text has room for `count` more characters and its NUL.  A
// typed number never comes near the end; a damaged stored entry could.
bool HasRoom(size_t count)
{
    return std::strlen(UnPrefs.entryText) + count < EntryTextSize;
}

bool AppendDigit(char c)
{
    unsigned char& counter = DigitCounter();
    if (counter >= DigitLimit() || !HasRoom(1))
        return false;
    AppendChar(UnPrefs.entryText, c);
    ++counter;
    return true;
}

void RemoveLastChar()
{
    char* text = UnPrefs.entryText;
    size_t length = std::strlen(text);
    if (length == 0)
        return;
    char last = text[length - 1];
    unsigned char& counter = DigitCounter();
    if (isDigit(last) && counter > 0)
        --counter;
    else if (last == 'e')
        UnPrefs.setExponentEntry(false);
    DeleteChar(text + length - 1);
    if (text[0] == '\0')
        UnPrefs.setEntering(false);
}

void ToggleSign()
{
    char* text = UnPrefs.entryText;
    char* e = std::strchr(text, 'e');
    char* p = e ? e + 1 : text;
    if (*p == '-')
        DeleteChar(p);
    else if (HasRoom(1))
        InsertChar(p, '-');
}

} // namespace

bool EnterNumber(KeyOp key)
{
    bool result = true;
    if (!UnPrefs.entering())
        StartEntry();
    char* text = UnPrefs.entryText;
    if (key >= KeyDigit0 && key <= KeyDigit9) {
        result = AppendDigit(char('0' + key));
    } else if (key >= KeyHexA && key <= KeyHexF) {
        result = AppendDigit(char('A' + (key - KeyHexA)));
    } else if (key == KeyExponent) {
        if (UnPrefs.exponentEntry() || !HasRoom(2)) {
            result = false;
        } else {
            // An exponent on a mantissa without digits (nothing typed, or
            // only its minus sign) gets a mantissa of 1, so that the value
            // is what the text shows.  It is counted like a typed digit, so
            // that erasing the exponent mark leaves a mantissa whose count
            // matches its digits.
            if (text[0] == '\0' || std::strcmp(text, "-") == 0) {
                AppendChar(text, '1');
                ++UnPrefs.mantissaDigits;
            }
            AppendChar(text, 'e');
            UnPrefs.setExponentEntry(true);
        }
    } else if (key == KeyPoint) {
        if (!std::strchr(text, '.') && !std::strchr(text, 'e') && HasRoom(1))
            AppendChar(text, '.');
    } else if (key == KeyBackspace) {
        RemoveLastChar();
    } else if (key == KeyChangeSign) {
        ToggleSign();
    }
    StoreX(ConvertNumber(text, uint16_t(LabelU8 + Prefs.integerSize())));
    return result;
}

bool isDigit(char c)
{
    if (c >= '0' && c <= '9')
        return true;
    return UnPrefs.base() == BaseHexadecimal && ((c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'));
}

bool ExponentSignOpen()
{
    return UnPrefs.entering() && UnPrefs.exponentEntry() && UnPrefs.exponentDigits == 0 &&
           UnPrefs.base() == BaseDecimal;
}

bool ExponentNegative()
{
    const char* e = std::strchr(UnPrefs.entryText, 'e');
    return UnPrefs.entering() && e && e[1] == '-';
}
