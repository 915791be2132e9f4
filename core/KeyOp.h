// SPDX-License-Identifier: GPL-3.0-or-later
// Key operation codes.
//
// Every key of every keypad and every understood key of the keyboard becomes
// one of these codes before it reaches the engine.  The codes are stored in
// key maps, in the user key table, on the operator stack and in undo records,
// so their numeric values never change.  KeyList.h defines them.
#pragma once

#include "KeyList.h"

enum KeyOp : int {
#define TOVRIN_KEY_ENUM(name, code) Key##name = code,
    TOVRIN_KEY_LIST(TOVRIN_KEY_ENUM)
#undef TOVRIN_KEY_ENUM
};

// How many codes the key list defines.
constexpr int KeyOpCount = 0
#define TOVRIN_KEY_COUNT(name, code) +1
    TOVRIN_KEY_LIST(TOVRIN_KEY_COUNT)
#undef TOVRIN_KEY_COUNT
    ;

// The name of a code without its "Key" prefix ("Digit7", "Add", "Sin"), or
// nullptr for a code that has no name.
const char* KeyOpName(int code);

// The code whose name (without "Key", any letter case) is `name`, or -1.
int KeyOpFromName(const char* name);

// The face a key shows while integer arithmetic is in force: the sign
// change, round and the four arithmetic keys have integer faces of their
// own (codes that only the keypad draws); every other code is itself.
KeyOp IntegerKey(KeyOp key);
