// SPDX-License-Identifier: GPL-3.0-or-later
// Key dispatch: the engine's single entry point and its small handlers.
#pragma once

#include "core/KeyOp.h"
#include "format/PastedNumber.h"

#include <cstdint>
#include <functional>
#include <string_view>

// Processes one key: takes the undo snapshot, offers the key to the
// handlers in order, handles digits, clearing and stack keys itself, settles
// number entry and stack lift, and records the undo step.  True when the key
// was accepted.
bool HandleButton(KeyOp key);

// Pastes UTF-8 `text` into X when it is exactly one number of the current
// base, radix mark and word (X's word: its own word label, else the
// integerSize preference): it comes as a typed number does (EnterValue),
// in the integer bases X carries the word (unless it is the
// signed 32-bit word that a value without a label is anyway), and the
// paste is one undo step.  A refused text changes nothing; the result says why.
PastedNumber PasteNumber(std::string_view text);

// Makes a change that comes from elsewhere than a key (a side window's
// edit) one undo step, as a key would be; a waiting prefix goes on
// waiting, its key's step starting after the change.
void PerformStep(const std::function<void()>& change);

// How PasteNumber would read the text, without pasting it.
PastedNumber ReadPasteForX(std::string_view text);

// Brings a value with its label and label index into X as a typed number
// comes: the stack lifts when lift is enabled, and in RPN also over a
// number being typed, while in algebraic input a number being typed is
// replaced; an open entry ends, and it is one undo step.  With `toWord`, in
// an integer base X then becomes a whole number of its word, as the base
// keys make it.  Paste and the tape's recall bring their values this way.
void EnterValue(double value, uint16_t label, uint16_t labelIndex, bool toWord = false);

// Display-format prefix keys and the digit that completes them.
bool HandlePrefix(KeyOp key);

// Angle mode, number base and begin-mode keys.
bool HandleMode(KeyOp key);

// What every window does after passing a key to HandleButton: the show-all
// view lasts one key (a shift key leaves it), and shift lasts one key unless
// it is sticky.  Returns true when it cleared shift, so that the caller can
// show its keypad unshifted.
bool AfterKey(KeyOp key);
