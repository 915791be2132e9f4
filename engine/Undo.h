// Undo and redo of whole keys, ten steps deep.
#pragma once

void InitializeUndo();
bool UndoAvailable();
bool RedoAvailable();
void SaveSnapshot();
bool UndoChanged();
void SaveUndo();
void PerformUndo();
void PerformRedo();
