// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reset.h"

#include "BesideState.h"
#include "Clearing.h"
#include "Stack.h"
#include "Undo.h"

#include "core/State.h"
#include "core/Words.h"

#include <cstring>

void ResetPrefs()
{
    std::memset(&Prefs, 0, sizeof Prefs);
    Prefs.version = CurrentVersion;
    Prefs.stackSize = 4;
    Prefs.setHundredRegisters(true);
    Prefs.setIntegerSize(DefaultIntegerSize);
    Prefs.setUseSystemColors(true);
    // A click on the display does nothing of its own: it is no button.
    Prefs.setLeftTapAction(TapNothing);
    Prefs.setCenterTapAction(TapNothing);
    Prefs.setRightTapAction(TapNothing);
}

void ResetRegs()
{
    std::memset(&Regs, 0, sizeof Regs);
    Regs.version = CurrentVersion;
    ClearUserRegs();
    ClearFinancialRegs();
    ClearStatRegs();
}

void ResetUnPrefs()
{
    std::memset(&UnPrefs, 0, sizeof UnPrefs);
    UnPrefs.version = CurrentVersion;
    ClearStack();
}

void ResetKeyboardTable()
{
    for (LeI32& key : KeyboardTable.keys)
        key = KeyNone;
}

void ResetColors()
{
    Colors.init();
}

void ResetCalculator()
{
    ResetPrefs();
    ResetRegs();
    ResetUnPrefs();
    ResetKeyboardTable();
    ResetColors();
    ResetBesideState();
    PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 0;
    InitializeUndo();
}
