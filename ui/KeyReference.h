// SPDX-License-Identifier: GPL-3.0-or-later
// The keys reference: what each key of the keypad is called, what it
// becomes when shifted and which key of the keyboard types it.  The keys'
// tooltips, the Keys window and tovrin --list-keys are made from it, and
// its names come from the key-name table.
#pragma once

#include "core/KeyOp.h"

#include <QList>
#include <QString>

// Texts in the user's language, or in English whatever the language.
enum class TextLanguage { User, English };

// The keyboard shortcut of a key in a function and input style, such as
// "F9 or - (after EEX)"; empty when the keyboard map gives the key no
// character or named key.
QString ShortcutText(KeyOp key, int function, bool rpn, TextLanguage language = TextLanguage::User);

// The tooltip of a key: its name, the name of the key of the other shift
// state where that differs (the key it becomes when shifted, or the one it
// is unshifted), and its shortcut.  An unassigned user key says how to
// assign it.
QString KeyToolTip(KeyOp key, KeyOp otherKey, bool shifted, const QString& shortcut,
                   TextLanguage language = TextLanguage::User);

// One key of one map of the keypad.
struct KeyReferenceRow {
    int function;
    bool mainKeypad; // rows 3 to 7, else the function rows 1 and 2
    bool rpn;        // the main keypad of RPN input, else of simple and precedence input
    bool shifted;
    int row;         // 1 to 7
    int col;         // 1 to 6
    KeyOp key;
    KeyOp otherKey;  // the key of the same place in the other shift state
};

// The keys of a function: its function rows, then the main keypad of the
// input style (of both styles when `bothStyles`), each normal then
// shifted.  A key that covers two places is listed once, at its first.
QList<KeyReferenceRow> KeyReferenceRows(int function, bool rpn, bool bothStyles = false);

// The map of a row, as --list-keys names it: "function", "algebraic" (the
// main keypad of simple and precedence input) or "rpn", with " shifted".
QString MapName(const KeyReferenceRow& row);

// The name of a function as tovrin-keys --function spells it.
const char* FunctionOptionName(int function);

// The face of a key on a function's keypad: its integer face while that
// function calculates in integers, the comma for the point with the comma
// radix.
KeyOp KeyFace(KeyOp key, int function);

// The lines of tovrin --list-keys, in English, for the calculator's
// present state: for each function and map, one line per key with the
// function, the map, the row and column, the driver's name of the key, its
// legend, its name and its shortcut, separated by tabs.
QString ListKeysText();

// A shortcut of the window that presses no key of the keypad.
struct WindowShortcut {
    const char* keys;   // "Ctrl+Z"
    const char* action; // "Undo"
};
extern const WindowShortcut WindowShortcuts[];
extern const int WindowShortcutCount;

// The keyboard's shortcuts in a function and input style: every key the
// keyboard map types there with its shortcut, then the window's own
// shortcuts, as pairs of shortcut and what it does.
QList<QPair<QString, QString>> KeyboardShortcuts(int function, bool rpn);
