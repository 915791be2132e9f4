// SPDX-License-Identifier: GPL-3.0-or-later
// Returning the calculator, or one of its records, to a first start.
#pragma once

// The whole calculator as a first start with an empty settings file leaves
// it: every record and the state beside them (BesideState.h) at its
// defaults, no change flags set, and an empty undo
// history (the undo pool is allocated on the first call).  Everything that
// starts a calculator from nothing calls this: the driver, the picture
// renderer, the fuzz targets and the tests.
void ResetCalculator();

// One record at a time, for a settings file that lacks a block or holds a
// damaged one.  ResetPrefs gives the default preferences; ResetRegs
// zero-fills the registers and clears them (P/YR 12, no last register);
// ResetUnPrefs zero-fills the working state and clears the stack;
// ResetKeyboardTable leaves every user key unassigned; ResetColors restores
// the default colours.  Only ResetRegs sets a change flag (RegsChanged, as
// every clearing of registers does).
void ResetPrefs();
void ResetRegs();
void ResetUnPrefs();
void ResetKeyboardTable();
void ResetColors();
