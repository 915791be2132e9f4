// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tape.h"

#include "BesideState.h"
#include "Calculator.h"
#include "Undo.h"

#include "core/State.h"

#include <cstddef>
#include <cstring>

namespace {

// Room for the entries shown and for some that an undo has hidden, so that
// undoing a key on a full tape rarely loses its oldest lines.  A power of
// two, so that the place of an entry is its number modulo the size.
constexpr uint32_t RingSize = 1024;
static_assert(RingSize >= TapeCapacity, "the ring holds a full tape");

// Marks a place that holds no entry: no entry is ever given this number.
constexpr uint32_t NoEntry = 0xFFFFFFFF;

struct Slot {
    uint32_t number = NoEntry; // the entry's number, NoEntry for none
    uint32_t previous = 0;     // the number of the entry before it, plus one; 0 for none
    TapeEntry entry;
};

// Allocated once with the program; keys only overwrite places.
Slot Ring[RingSize];
// The number the next entry gets.  Never undone, so that a number names
// one entry for as long as its place holds it.
uint32_t NextNumber = 0;

TapeCursor& Cursor()
{
    return Beside.tape;
}

// The slot of the entry numbered `end - 1`, or nullptr when its place no
// longer holds it.
const Slot* SlotBefore(uint32_t end)
{
    if (end == 0)
        return nullptr;
    const Slot& slot = Ring[(end - 1) % RingSize];
    return slot.number == end - 1 ? &slot : nullptr;
}

// Calls `visit` with each slot shown, newest first.
template <typename Visit>
void VisitShown(Visit visit)
{
    uint32_t end = Cursor().end;
    unsigned count = Cursor().count;
    for (unsigned i = 0; i < count && i < TapeCapacity; ++i) {
        const Slot* slot = SlotBefore(end);
        if (!slot)
            break;
        visit(*slot);
        end = slot->previous;
    }
}

// The shapes a kind's entries take: operands and results.
struct Shape {
    uint8_t operands, results;
};

bool ShapeOf(TapeKind kind, Shape shape)
{
    auto is = [&](int operands, int results) { return shape.operands == operands && shape.results == results; };
    switch (kind) {
    case TapeKind::Binary:
    case TapeKind::PercentOf:
    case TapeKind::Register:
    case TapeKind::Sigma: return is(2, 1);
    case TapeKind::Function: return is(1, 1) || is(2, 2);
    case TapeKind::Conversion: return is(1, 1);
    case TapeKind::Result: return is(0, 1) || is(0, 2) || is(1, 2);
    case TapeKind::Amortization: return is(0, 3);
    }
    return false;
}

// Whether an entry holds values in the shape of its kind, as a loaded one
// must.
bool EntryValid(const TapeEntry& entry)
{
    return uint8_t(entry.kind) < TapeKindCount && ShapeOf(entry.kind, {entry.operands, entry.results});
}

// The last number a loaded tape may use, far below NoEntry, so that a
// session can never reach the marker.
constexpr uint32_t LastLoadedNumber = 0x7FFFFFFF;

} // namespace

TapeEntry& NewTapeEntry(TapeKind kind, KeyOp op, int operands, int results)
{
    TapeCursor& cursor = Cursor();
    Slot& slot = Ring[NextNumber % RingSize];
    slot.number = NextNumber;
    slot.previous = cursor.end;
    cursor.end = ++NextNumber;
    if (cursor.count < TapeCapacity)
        ++cursor.count;
    TapeEntry& entry = slot.entry;
    entry.kind = kind;
    entry.operation = uint8_t(op);
    entry.operands = uint8_t(operands);
    entry.results = uint8_t(results);
    entry.tag = 0;
    entry.tag2 = 0;
    return entry;
}

TapeValue TapePlain(double value, uint16_t label)
{
    TapeValue v;
    v.value = value;
    v.label = label;
    v.index = NoLabelIndex;
    return v;
}

void RecordBinary(KeyOp op, const TapeValue& left, const TapeValue& right)
{
    RecordTape(TapeKind::Binary, op, 2, left, right, TapeLevel(0));
}

void RecordFunction(KeyOp op, bool hyperbolic, const TapeValue& operand)
{
    RecordTape(TapeKind::Function, op, 1, operand, TapeLevel(0)).tag = uint16_t(hyperbolic);
}

void RecordConversion(KeyOp key, const TapeValue& given)
{
    RecordTape(TapeKind::Conversion, key, 1, given, TapeLevel(0));
}

void RecordResult(KeyOp key)
{
    RecordTape(TapeKind::Result, key, 0, TapeLevel(0));
}

void ClearTape()
{
    SaveSnapshot();
    Cursor().count = 0;
    SaveUndo();
}

std::vector<const TapeEntry*> TapeEntries()
{
    std::vector<const TapeEntry*> entries;
    VisitShown([&](const Slot& slot) { entries.push_back(&slot.entry); });
    return {entries.rbegin(), entries.rend()};
}

std::vector<uint32_t> TapeNumbers()
{
    std::vector<uint32_t> numbers;
    VisitShown([&](const Slot& slot) { numbers.push_back(slot.number); });
    return {numbers.rbegin(), numbers.rend()};
}

const TapeEntry* FindTapeEntry(uint32_t number)
{
    const TapeEntry* found = nullptr;
    VisitShown([&](const Slot& slot) {
        if (slot.number == number)
            found = &slot.entry;
    });
    return found;
}

const TapeValue& TapeResult(const TapeEntry& entry)
{
    const bool pair = entry.kind == TapeKind::Function && entry.results == 2;
    return entry.values[pair ? entry.operands : entry.operands + entry.results - 1];
}

bool RecallTapeEntry(uint32_t number)
{
    const TapeEntry* entry = FindTapeEntry(number);
    if (!entry)
        return false;
    const TapeValue result = TapeResult(*entry);
    EnterValue(result.value, result.label, result.index, true);
    return true;
}

bool RecallTapeLine(int back)
{
    const std::vector<uint32_t> numbers = TapeNumbers();
    if (back < 1 || std::size_t(back) > numbers.size())
        return false;
    return RecallTapeEntry(numbers[numbers.size() - std::size_t(back)]);
}

void ResetTape()
{
    for (Slot& slot : Ring)
        slot.number = NoEntry;
    NextNumber = 0;
    std::memset(&Cursor(), 0, sizeof(TapeCursor));
}

// The group holds the cursor as the hexadecimal text of its bytes and the
// entries shown, oldest first, as the text of their images.  Every key is
// written every time, so no key of an earlier tape is left behind.
BesideEntries SaveTape()
{
    std::vector<TapeEntry> entries;
    for (const TapeEntry* entry : TapeEntries())
        entries.push_back(*entry);
    // The cursor counts the entries written (fewer than it shows once the
    // ring has lost some), so that a group cut short between two entries
    // reads as damaged.
    TapeCursor cursor = Cursor();
    cursor.count = uint16_t(entries.size());
    return {{"cursor", HexText(&cursor, sizeof cursor)},
            {"entries", HexText(entries.data(), entries.size() * sizeof(TapeEntry))}};
}

bool LoadTape(const BesideReader& read)
{
    ResetTape();
    std::string cursorText, entriesText;
    TapeCursor cursor;
    const bool cursorRead = read("cursor", cursorText) && HexBytes(cursorText, &cursor, sizeof cursor) &&
                            cursor.count <= TapeCapacity && cursor.end <= LastLoadedNumber;
    const bool entriesFound = read("entries", entriesText);
    // The entries that read, from the oldest on up to the first that does
    // not: what a damaged group still gives.
    const std::size_t entryText = 2 * sizeof(TapeEntry);
    std::vector<TapeEntry> entries;
    for (std::size_t at = 0; at + entryText <= entriesText.size() && entries.size() < TapeCapacity; at += entryText) {
        TapeEntry entry;
        if (!HexBytes(entriesText.substr(at, entryText), &entry, sizeof entry) || !EntryValid(entry))
            break;
        entries.push_back(entry);
    }
    const uint32_t count = uint32_t(entries.size());
    const bool whole = cursorRead && entriesFound && count * entryText == entriesText.size() &&
                       count == cursor.count && cursor.end >= count;
    if (!whole) {
        // Shown as they were read, below the cursor's end if it holds them.
        cursor.count = uint16_t(count);
        if (!cursorRead || cursor.end < count)
            cursor.end = count;
    }
    // The entries keep their numbers below the cursor's end, so that the
    // cursor reads back as it was saved.
    uint32_t number = cursor.end - count;
    for (const TapeEntry& entry : entries) {
        Slot& slot = Ring[number % RingSize];
        slot.number = number;
        slot.previous = number;
        slot.entry = entry;
        ++number;
    }
    NextNumber = cursor.end;
    Cursor() = cursor;
    return whole;
}
