// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary key sequences, mixed with undo, redo, function switches and
// preference changes, must never break the engine's invariants.
//
// Input bytes are keys 0..255, except that 0xFF introduces a control
// operation chosen by the next byte.  After every step the state is checked.
#include "core/State.h"
#include "engine/Calculator.h"
#include "engine/CashFlows.h"
#include "engine/Points.h"
#include "engine/Reset.h"
#include "engine/Schedule.h"
#include "engine/TapeText.h"
#include "engine/Undo.h"
#include "format/DisplayText.h"
#include "format/Format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

void Fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s (entry \"%.49s\", base %u)\n", what, UnPrefs.entryText,
                 UnPrefs.base());
    std::abort();
}

// The entry text: an optional "-", digits with at most one ".", then
// optionally "e", an optional "-" and up to three digits.  Digits are
// decimal or hexadecimal, since a typed number goes on in a new base.
bool WellFormedEntry(const char* text)
{
    const char* p = text;
    if (*p == '-')
        ++p;
    bool point = false;
    for (; *p && *p != 'e'; ++p) {
        if (*p == '.') {
            if (point)
                return false;
            point = true;
        } else if (!((*p >= '0' && *p <= '9') || (*p >= 'A' && *p <= 'F'))) {
            return false;
        }
    }
    if (*p == 'e') {
        ++p;
        if (*p == '-')
            ++p;
        // A hexadecimal letter typed into an exponent switches the base and
        // goes on in the exponent, so letters may follow the mark too.
        int digits = 0;
        for (; *p; ++p, ++digits)
            if (!((*p >= '0' && *p <= '9') || (*p >= 'A' && *p <= 'F')) || digits >= 3)
                return false;
    }
    return *p == '\0';
}

bool SameValue(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

// The statistics points: within their bound, as many as n when they match
// the sums, and read back from their settings group as they are.
void CheckPoints()
{
    const std::vector<DataPoint> points = StatisticsPoints();
    if (points.size() > PointsCapacity)
        Fail("statistics points beyond their bound");
    if (PointsAgree() == PointsAgreement::Match && double(Regs.registers[RegCount]) != double(points.size()))
        Fail("statistics points match sums of another n");
    std::map<std::string, std::string> group;
    for (const BesideEntry& entry : SavePoints())
        group[entry.key] = entry.value;
    LoadPoints([&group](const std::string& key, std::string& value) {
        const auto found = group.find(key);
        if (found == group.end())
            return false;
        value = found->second;
        return true;
    });
    const std::vector<DataPoint>& loaded = StatisticsPoints();
    if (loaded.size() != points.size())
        Fail("statistics points lost in their group");
    for (std::size_t i = 0; i < points.size(); ++i)
        if (!SameValue(loaded[i].x, points[i].x) || !SameValue(loaded[i].y, points[i].y))
            Fail("statistics point changed in its group");
}

// Formats a value into a buffer of exactly the documented size, so that the
// address sanitizer catches any write past it, then lays it out as the
// display does.
void CheckFormats(double value, uint16_t label)
{
    std::unique_ptr<char[]> text(new char[FormatBufferSize]);
    std::unique_ptr<char[]> shown(new char[DisplayTextSize]);
    if (FormatNumber(value, label, text.get(), false) == FormatOk) {
        if (!std::memchr(text.get(), 0, FormatBufferSize))
            Fail("formatted text not terminated");
        DisplayNumberText(text.get(), Prefs.commaRadix(), shown.get());
    }
    if (FormatNumber(value, label, text.get(), true) == FormatOk)
        DisplayNumberText(text.get(), !Prefs.commaRadix(), shown.get());
}

void CheckInvariants()
{
    if (UnPrefs.opCount > OpStackSize)
        Fail("operator stack overflow");
    if (!std::memchr(UnPrefs.entryText, 0, EntryTextSize))
        Fail("entry text not terminated");
    if (UnPrefs.entering() && !WellFormedEntry(UnPrefs.entryText))
        Fail("entry text malformed");
    if (UnPrefs.mantissaDigits > 32 || UnPrefs.exponentDigits > 3)
        Fail("digit counter beyond its limit");
    if (!UndoListsConsistent())
        Fail("undo record lost or on two lists");
    for (int i = 0; i < StackLevels; ++i)
        CheckFormats(UnPrefs.stack[i], UnPrefs.stackLabel[i]);
    CheckFormats(UnPrefs.lastX, UnPrefs.lastXLabel);
    if (UnPrefs.entering()) {
        std::unique_ptr<char[]> shown(new char[DisplayTextSize]);
        DisplayNumberText(UnPrefs.entryText, Prefs.commaRadix(), shown.get());
    }
}

void Control(uint8_t op)
{
    unsigned value = op >> 3;
    switch (op & 7) {
    case 0: if (UndoAvailable()) PerformUndo(); break;
    case 1: if (RedoAvailable()) PerformRedo(); break;
    case 2: UnPrefs.setFunction(value % FunctionCount); break;
    case 3:
        Prefs.setRpnInput(value % 3 == 2);
        Prefs.setPrecedenceInput(value % 3 == 1);
        break;
    case 4: Prefs.stackSize = uint16_t(4 * (value % 5 + 1)); break;
    case 5: Prefs.setIntegerSize(value % 8); break;
    case 6:
        Prefs.setDisplayFormat(value & 3);
        Prefs.setDigits(value >> 1);
        break;
    default:
        Prefs.setHundredRegisters(value & 1);
        Prefs.setCommaRadix(value & 2);
        Prefs.setStickyShift(value & 4);
        Prefs.setUserKeysInteger(value & 8);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ResetCalculator();
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF && i + 1 < size) {
            Control(data[++i]);
        } else {
            int key = data[i];
            HandleButton(KeyOp(key));
            AfterKey(KeyOp(key));
        }
        CheckInvariants();
    }
    // The registers change seldom; their text is checked once at the end.
    for (int r = 0; r < RegisterCount; ++r)
        CheckFormats(Regs.registers[r], r < UserRegisterCount ? uint16_t(Regs.registerLabel[r]) : 0);
    CheckFormats(Regs.memory, 0);
    // So is the tape: every entry it shows must compose as a line and a row.
    if (TapeLines().size() > size_t(TapeCapacity))
        Fail("tape beyond its bound");
    TapeCsv();
    CheckPoints();
    // The loan schedule of the registers reads every row.
    const double periods = Regs.registers[RegN];
    if (periods >= 1 && periods <= 400) {
        const Schedule schedule = ReadSchedule();
        for (int r = 0; r < ScheduleRowCount(schedule); ++r)
            ScheduleRowAt(schedule, r);
    }
    // An edit of the cash-flow list keeps it within its bounds and is one
    // undo step that gives back the registers exactly.
    if (size > 0) {
        RegsRecord before;
        std::memcpy(&before, &Regs, sizeof Regs);
        const unsigned steps = CountUndoLists().undo;
        const int j = data[0] % (MaxCashFlowGroups + 1);
        const uint8_t how = data[size - 1];
        if (how & 1)
            InsertCashFlow(j);
        else
            SetCashFlowCount(j, how >> 1);
        if (CashFlowGroups() < 1 || CashFlowGroups() > MaxCashFlowGroups)
            Fail("cash-flow list beyond its bounds");
        // No step is recorded while every record holds a redo step.
        const bool recorded = steps == UndoPoolSize || CountUndoLists().undo == steps + 1;
        if (std::memcmp(&before, &Regs, sizeof Regs) != 0 && recorded) {
            PerformUndo();
            if (std::memcmp(&before, &Regs, sizeof Regs) != 0)
                Fail("undo of a cash-flow edit did not give back the registers");
        }
        if (!UndoListsConsistent())
            Fail("undo record lost or on two lists");
    }
    return 0;
}
