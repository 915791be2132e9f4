// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of whole keys, ten steps deep.
#pragma once

// Records of the undo pool, allocated once by InitializeUndo.
constexpr unsigned UndoPoolSize = 10;

void InitializeUndo();
bool UndoAvailable();
bool RedoAvailable();
void SaveSnapshot();
bool UndoChanged();
void SaveUndo();
void PerformUndo();
void PerformRedo();

// Lengths of the three lists that share the pool.
struct UndoListCounts {
    unsigned free = 0;
    unsigned undo = 0;
    unsigned redo = 0;
};
UndoListCounts CountUndoLists();
// True when every record of the pool is on exactly one of the free, undo and
// redo lists (and the lists hold nothing else); with no pool yet, when all
// three lists are empty.
bool UndoListsConsistent();
