// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgrammerBase.h"

#include "BesideState.h"
#include "Programmer.h"
#include "Stack.h"

#include "core/State.h"
#include "core/Words.h"

#include <charconv>

namespace {

ProgrammerBaseRecord& Kept()
{
    return Beside.programmer;
}

// A change of base ends the number being typed: its text is in the old
// base.  It stands as a finished number, so the next one lifts it.
void EndEntry()
{
    if (!UnPrefs.entering())
        return;
    UnPrefs.setEntering(false);
    UnPrefs.setLiftEnabled(true);
}

// Outside the integer functions X is a plain number: its word goes aside
// with the base.
void KeepAside()
{
    const uint16_t label = UnPrefs.stackLabel[0];
    Kept().base = uint8_t(UnPrefs.base());
    Kept().word = IsWordLabel(label) ? label : 0;
    if (IsWordLabel(label))
        LabelX(NonIntegerUnit(label));
    if (UnPrefs.base() == BaseDecimal)
        return;
    EndEntry();
    UnPrefs.setBase(BaseDecimal);
}

// As the base key does: X becomes a whole number of the word it had.
void BringBack()
{
    const unsigned base = Kept().base;
    const uint16_t word = Kept().word;
    if (base == BaseDecimal && !IsWordLabel(word))
        return;
    EndEntry();
    UnPrefs.setBase(base);
    IntegerConvertX(IsWordLabel(word) ? word : uint16_t(UnPrefs.stackLabel[0]));
}

bool ReadNumber(const BesideReader& read, const char* key, unsigned high, unsigned& value)
{
    std::string text;
    if (!read(key, text))
        return false;
    const char* end = text.data() + text.size();
    auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end && !text.empty() && value <= high;
}

} // namespace

void SelectFunction(unsigned function)
{
    if (function >= unsigned(FunctionCount))
        return;
    const bool wasInteger = IntegerFunctions();
    UnPrefs.setFunction(function);
    SettleBase(wasInteger);
}

void SettleBase(bool wasInteger)
{
    const bool integer = IntegerFunctions();
    if (wasInteger && !integer)
        KeepAside();
    else if (!wasInteger && integer)
        BringBack();
    else if (!integer && UnPrefs.base() != BaseDecimal)
        KeepAside(); // no integer base outside them, whatever led here
}

void ResetProgrammerBase()
{
    Kept().base = BaseDecimal;
    Kept().word = 0;
}

BesideEntries SaveProgrammerBase()
{
    return {{"base", std::to_string(unsigned(Kept().base))}, {"word", std::to_string(unsigned(Kept().word))}};
}

bool LoadProgrammerBase(const BesideReader& read)
{
    ResetProgrammerBase();
    unsigned base = 0, word = 0;
    const bool whole = ReadNumber(read, "base", BaseHexadecimal, base) && ReadNumber(read, "word", LabelS32, word) &&
                       (word == 0 || IsWordLabel(uint16_t(word)));
    if (whole) {
        Kept().base = uint8_t(base);
        Kept().word = uint16_t(word);
    }
    if (!IntegerFunctions() && UnPrefs.base() != BaseDecimal)
        KeepAside();
    return whole;
}
