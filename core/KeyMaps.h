// SPDX-License-Identifier: GPL-3.0-or-later
// The key maps of the main keypad.  Plain data, also for the keyboard map
// and the driver, which have no window.
//
// Maps are stored row by row.  The two function rows have a map per
// function and shift state; the main grid (keypad rows 3 to 7) has one per
// input style and shift state.  255 (KeyNone) marks an empty cell.
#pragma once

#include "core/KeyOp.h"

// Two rows of six keys: the function rows.
using FunctionMap = KeyOp[2][6];
// Five rows of six keys: the main grid.
using MainMap = KeyOp[5][6];

// The constant function maps, index function * 2 + shifted, for the
// functions Standard to Conversion.  The User maps are the two halves of
// KeyboardTable; GetFunctionMap covers all fourteen.
constexpr int ConstantFunctionMaps = 12;
extern const FunctionMap FunctionKeys[ConstantFunctionMaps];

// The main grid for simple and precedence input, and for RPN input, each
// normal and shifted; MainKeys holds them at index rpn * 2 + shifted.
extern const MainMap InfixKeys;
extern const MainMap SInfixKeys;
extern const MainMap RPNKeys;
extern const MainMap SRPNKeys;
extern const MainMap* const MainKeys[4];

// The function map of a function (0 Standard .. 6 User) and shift state,
// or null for any other function.  The User maps are copies of the user's
// KeyboardTable taken at the time of the call.
const FunctionMap* GetFunctionMap(int function, bool shifted);

// The code of one function-row cell (row 1..2, col 1..6); the User function
// reads KeyboardTable.  KeyNone outside the maps.
KeyOp FunctionKey(int function, bool shifted, int row, int col);

// Whether a key stands in the function rows of a function, normal or
// shifted.
bool FunctionHasKey(int function, KeyOp key);
