// SPDX-License-Identifier: GPL-3.0-or-later
// The paper tape: every calculation that produces a result, as an entry to
// read back, copy and save.
//
// The engine records an entry as it calculates: the values with their
// labels and the operation, never text; TapeText.h composes the lines when
// they are shown, in the format, base and radix of that moment.
//
// The entries live in a ring allocated once, outside the undo image.  Each
// entry is linked to the one before it, and the state beside the records
// holds only a cursor: the newest entry shown and how many are shown.  An
// undo step thus carries a few bytes, undo hides the entries of the undone
// key and redo shows them again, and undoing a cleared tape shows its lines
// again, for as long as the ring has not reused their places.
#pragma once

#include "BesideGroups.h"

#include "core/KeyOp.h"
#include "core/Record.h"
#include "core/State.h"

#include <cstdint>
#include <vector>

// The most entries the tape shows; older ones fall off.
constexpr int TapeCapacity = 1000;

// A value with its label, as the stack holds it: byte types, copied as
// they are, so that recording costs a key next to nothing and an entry is
// stored as its bytes.
struct TapeValue {
    F64 value;
    LeU16 label;
    LeU16 index; // label index, NoLabelIndex for none
};

// How an entry reads (TapeText.h); `operands` values come first in
// `values`, then `results`.
enum class TapeKind : uint8_t {
    Binary,       // left op right = result
    PercentOf,    // base × percent % = result
    Function,     // f(x) = result; f(x, y) = x', y' for the coordinate keys
    Conversion,   // value in one unit = value in another
    Register,     // register: old op operand = result (store, recall, M+)
    Result,       // name = value; the estimates also keep the given value
    Sigma,        // Σ+ or Σ− of x, y and the new n
    Amortization, // the range of periods: interest, principal, balance
};
constexpr int TapeKindCount = 8;

// Where a register entry's result went.
enum TapeRegisterAction : uint16_t { TapeStore, TapeRecall, TapeMemory };

struct TapeEntry {
    TapeKind kind;
    uint8_t operation; // the key: KeyAdd, KeySin, KeySigmaPlus, KeyFeet...
    uint8_t operands;
    uint8_t results;
    // Function: 1 with the hyperbolic prefix.  Register: the register
    // number.  Amortization: the first period.
    LeU16 tag;
    // Register: TapeRegisterAction.  Amortization: the last period.
    LeU16 tag2;
    TapeValue values[4];
};
static_assert(sizeof(TapeEntry) == 56 && alignof(TapeEntry) == 1, "byte types only");

// The cursor that the state beside the records keeps: byte types only.
struct TapeCursor {
    LeU32 end;   // number of the newest entry shown, plus one; 0 for none
    LeU16 count; // how many entries are shown, at most TapeCapacity
};

// Starts an entry after the newest one shown, its tags 0; the caller puts
// in its values.
TapeEntry& NewTapeEntry(TapeKind kind, KeyOp op, int operands, int results);

// Adds an entry after the newest one shown: the first `operands` values
// are the operands, the rest the results.  Returns it, for the tags.
template <typename... Values>
TapeEntry& RecordTape(TapeKind kind, KeyOp op, int operands, const Values&... values)
{
    static_assert(sizeof...(values) >= 1 && sizeof...(values) <= 4, "one to four values");
    TapeEntry& entry = NewTapeEntry(kind, op, operands, int(sizeof...(values)) - operands);
    int i = 0;
    ((entry.values[i++] = values), ...);
    return entry;
}

// The value of a stack level as an entry keeps it.
inline TapeValue TapeLevel(int level)
{
    return {UnPrefs.stack[level], UnPrefs.stackLabel[level], UnPrefs.stackLabelIndex[level]};
}
TapeValue TapePlain(double value, uint16_t label = 0);

// The common shapes of entries.
void RecordBinary(KeyOp op, const TapeValue& left, const TapeValue& right);
void RecordFunction(KeyOp op, bool hyperbolic, const TapeValue& operand);
void RecordConversion(KeyOp key, const TapeValue& given);
// X as a named result (its label is the name).
void RecordResult(KeyOp key);

// Hides every entry: an ordinary undoable step.
void ClearTape();

// The entries shown, oldest first.  Valid until the next entry is recorded.
std::vector<const TapeEntry*> TapeEntries();
// The number of each entry shown, oldest first: a new entry or an undo
// changes the list, other keys do not.
std::vector<uint32_t> TapeNumbers();

// The entry of a number TapeNumbers gives, or nullptr when the tape no
// longer shows it.
const TapeEntry* FindTapeEntry(uint32_t number);

// An entry's result: the value at the end of its line, which the window
// aligns at the right; of a pair of values there (the coordinate keys),
// the first, which went to X.
const TapeValue& TapeResult(const TapeEntry& entry);

// Puts the result of an entry into X with its label and unit, as a number
// typed there (EnterValue): one undo step.  False, changing nothing, when
// the tape no longer shows the entry.
bool RecallTapeEntry(uint32_t number);
// The same for the line `back` lines up from the newest (1 is the newest).
bool RecallTapeLine(int back);

// No entries, as on a first start.
void ResetTape();

// The tape's group of the settings file.  A damaged group (false) keeps
// the entries that still read, from the oldest on; a missing one leaves
// the tape empty.
BesideEntries SaveTape();
bool LoadTape(const BesideReader& read);
