// Shared helpers of the window tests.
#pragma once

#include "engine/State.h"
#include "engine/Undo.h"

// Puts every record in its first-start state and prepares undo.
inline void ResetCalculator()
{
    ResetRecords();
    PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 0;
    InitializeUndo();
}
