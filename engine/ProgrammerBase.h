// SPDX-License-Identifier: GPL-3.0-or-later
// The number base belongs to the integer functions.
//
// A base other than ten holds only while IntegerFunctions() holds (the
// Programmer function, or a User keypad of integer keys).  Every other
// function shows and takes decimal numbers: leaving the integer functions
// keeps their base and X's word aside, turns the base to decimal and X into
// a plain number; coming back brings the base and word back, and X becomes
// a whole number of the word, as a base key makes it.  What is kept aside
// is part of the state beside the records (BesideState.h), in a group of
// its own.
#pragma once

#include "BesideGroups.h"

#include "core/Record.h"

#include <cstdint>

// The integer functions' base and word while another function is in force.
struct ProgrammerBaseRecord {
    uint8_t base; // Base: the base to come back to
    LeU16 word;   // X's own word (a word label), 0 for none
};

// Selects a function (0..FunctionCount - 1; others are ignored) and settles
// the base for it.
void SelectFunction(unsigned function);

// Settles the base after the integer functions may have begun or ended
// (`wasInteger`: whether IntegerFunctions() held before): an integer base
// is kept aside and the base turns decimal when they end, and the kept base
// and word come back when they begin.  An open entry ends when the base
// changes.  A change of the User keypad's integer keys calls this too.
void SettleBase(bool wasInteger);

// Decimal kept aside, no word: a first start.
void ResetProgrammerBase();

// The group of the settings file (BesideGroups.h).  Loading also settles a
// state saved with an integer base outside the integer functions (by an
// earlier version); a damaged group leaves decimal kept aside.
BesideEntries SaveProgrammerBase();
bool LoadProgrammerBase(const BesideReader& read);
