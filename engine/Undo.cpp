// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: whole copies of Regs, UnPrefs and the image of the state
// beside them (BesideState.h) taken around each key.
//
// Ten records, allocated once as one block, move between three singly
// linked lists: free records, undo steps (newest first) and redo steps
// (newest first).  Keys never allocate.

#include "Undo.h"

#include "BesideState.h"

#include "core/State.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <new>

namespace {

struct UndoRecord {
    RegsRecord regs;
    UnPrefsRecord unPrefs;
    BesideRecord beside;
    UndoRecord* next;
};

std::unique_ptr<UndoRecord[]> UndoMemory;
UndoRecord Snapshot;
UndoRecord* UndoFreeList = nullptr;
UndoRecord* UndoList = nullptr;
UndoRecord* RedoList = nullptr;

// The state records as byte images.
void CopyState(UndoRecord* to)
{
    std::memcpy(&to->regs, &Regs, sizeof Regs);
    std::memcpy(&to->unPrefs, &UnPrefs, sizeof UnPrefs);
    std::memcpy(&to->beside, &Beside, sizeof Beside);
}

void RestoreState(const UndoRecord* from)
{
    std::memcpy(&Regs, &from->regs, sizeof Regs);
    std::memcpy(&UnPrefs, &from->unPrefs, sizeof UnPrefs);
    std::memcpy(&Beside, &from->beside, sizeof Beside);
}

void CopySnapshot(UndoRecord* to)
{
    std::memcpy(&to->regs, &Snapshot.regs, sizeof Snapshot.regs);
    std::memcpy(&to->unPrefs, &Snapshot.unPrefs, sizeof Snapshot.unPrefs);
    std::memcpy(&to->beside, &Snapshot.beside, sizeof Snapshot.beside);
}

UndoRecord* TakeFirst(UndoRecord*& list)
{
    UndoRecord* record = list;
    if (record) {
        list = record->next;
        record->next = nullptr;
    }
    return record;
}

void PutFirst(UndoRecord*& list, UndoRecord* record)
{
    record->next = list;
    list = record;
}

UndoRecord* TakeLast(UndoRecord*& list)
{
    if (!list)
        return nullptr;
    UndoRecord** link = &list;
    while ((*link)->next)
        link = &(*link)->next;
    UndoRecord* record = *link;
    *link = nullptr;
    return record;
}

// Restores the newest record of `from` and keeps the state it replaced in
// that record, now the newest of `to`.
void Exchange(UndoRecord*& from, UndoRecord*& to)
{
    if (!from)
        return;
    SaveSnapshot();
    UndoRecord* record = TakeFirst(from);
    RestoreState(record);
    CopySnapshot(record);
    PutFirst(to, record);
}

unsigned Length(const UndoRecord* list)
{
    unsigned n = 0;
    // A damaged list could loop; no sound list is longer than the pool.
    for (; list && n <= UndoPoolSize; list = list->next)
        ++n;
    return n;
}

} // namespace

void InitializeUndo()
{
    if (!UndoMemory)
        UndoMemory.reset(new (std::nothrow) UndoRecord[UndoPoolSize]());
    UndoFreeList = UndoList = RedoList = nullptr;
    if (UndoMemory) {
        for (unsigned i = UndoPoolSize; i-- > 0;)
            PutFirst(UndoFreeList, &UndoMemory[i]);
    }
    SaveSnapshot();
}

bool UndoAvailable()
{
    return UndoList != nullptr;
}

bool RedoAvailable()
{
    return RedoList != nullptr;
}

void SaveSnapshot()
{
    CopyState(&Snapshot);
}

// Whether the live state differs from the last recorded one: the newest undo
// step, or the snapshot while there is none.  A key that completes a prefix
// and changes only preferences thus still makes a step after an earlier
// change, and undoing it shows the preferences kept.
bool UndoChanged()
{
    const UndoRecord* reference = UndoList ? UndoList : &Snapshot;
    if (std::memcmp(&Regs, &reference->regs, sizeof Regs) != 0 ||
        std::memcmp(&Beside, &reference->beside, sizeof Beside) != 0)
        return true;
    // The shift flag is the keypad's state, not the calculator's: ignore it.
    const uint8_t* live = reinterpret_cast<const uint8_t*>(&UnPrefs);
    const uint8_t* saved = reinterpret_cast<const uint8_t*>(&reference->unPrefs);
    if ((live[ShiftFlagByte] & ~ShiftFlagMask) != (saved[ShiftFlagByte] & ~ShiftFlagMask))
        return true;
    return std::memcmp(live, saved, ShiftFlagByte) != 0 ||
           std::memcmp(live + ShiftFlagByte + 1, saved + ShiftFlagByte + 1,
                       sizeof UnPrefs - ShiftFlagByte - 1) != 0;
}

void SaveUndo()
{
    if (!UndoChanged())
        return;
    if (!UndoFreeList) {
        if (UndoRecord* oldest = TakeLast(UndoList))
            PutFirst(UndoFreeList, oldest);
    }
    if (UndoRecord* record = TakeFirst(UndoFreeList)) {
        CopySnapshot(record);
        PutFirst(UndoList, record);
    }
    // A new change ends the redo history.
    while (UndoRecord* record = TakeFirst(RedoList))
        PutFirst(UndoFreeList, record);
}

void PerformUndo()
{
    Exchange(UndoList, RedoList);
}

void PerformRedo()
{
    Exchange(RedoList, UndoList);
}

UndoListCounts CountUndoLists()
{
    UndoListCounts counts;
    counts.free = Length(UndoFreeList);
    counts.undo = Length(UndoList);
    counts.redo = Length(RedoList);
    return counts;
}

bool UndoListsConsistent()
{
    if (!UndoMemory)
        return !UndoFreeList && !UndoList && !RedoList;
    bool seen[UndoPoolSize] = {};
    unsigned total = 0;
    for (const UndoRecord* list : {UndoFreeList, UndoList, RedoList}) {
        for (; list; list = list->next) {
            std::uintptr_t base = reinterpret_cast<std::uintptr_t>(UndoMemory.get());
            std::uintptr_t at = reinterpret_cast<std::uintptr_t>(list);
            if (at < base || (at - base) % sizeof(UndoRecord) != 0)
                return false; // not a record of the pool
            std::size_t index = (at - base) / sizeof(UndoRecord);
            if (index >= UndoPoolSize || seen[index])
                return false; // foreign record, or one met twice (also ends a loop)
            seen[index] = true;
            ++total;
        }
    }
    return total == UndoPoolSize;
}
