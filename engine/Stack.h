// SPDX-License-Identifier: GPL-3.0-or-later
// The value stack: up to 20 levels with labels, LastX and the lift rules.
//
// Level 0 is X, 1 is Y, 2 Z, 3 T.  The working depth is the RPN stack size
// in RPN input and 20 in the algebraic modes; the rotations always use the
// RPN stack size.  Levels at and above the depth take no part in lifts,
// drops and fills.
#pragma once

#include <cstdint>

// Working depth of lifts, drops and fills.
int StackDepth();

// Levels move up one place; X stays, so X and Y are equal; the top is lost.
void LiftStack();
// Levels move down one place; the top level stays, so it is duplicated.
void DropStack();
// Every level above X takes X's value, label and index.
void FillStack();
// X goes to Y and the top level comes back into X.
void RotateStackUp();
// Y comes to X and X goes to the top level.
void RotateStackDown();
// All levels 0 without labels, LastX 0, operator stack empty, no prefix,
// no last operator; the per-key flags and hyperbolic cleared.
void ClearStack();

// X = v with no label and no index.
void StoreX(double v);
// Y = v with no label.
void StoreY(double v);
void LabelX(uint16_t id);
void LabelY(uint16_t id);
void StoreLastX();
void RestoreLastX();
// Exchanges X and Y with their labels and indexes.
void SwapXY();

// The push rule of keys that bring a new value into X without typing: lift
// when lift is enabled, or in RPN while a number is being typed, so that the
// typed number moves to Y.
void LiftStackForNewValue();
