// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard map: which key operation a typed character or a named key
// of the keyboard gives in the calculator's present state.  The window and
// tovrin-keys both type through it, so what a user types can be checked
// from the command line.
#pragma once

#include "core/KeyOp.h"

// The keys of the keyboard that type no character of their own.
enum class NamedKey { None, Backspace, Delete, Escape, Return, F2, F9 };

// When a rule of the map applies.
enum class TypedCondition {
    Always,
    DecimalBase,      // the number base is decimal
    OtherBase,        // the number base is not decimal
    RpnInput,
    AlgebraicInput,   // simple or precedence input
    ExponentSign,     // an exponent is started and has no digit yet
    NegativeExponent, // the same, and its sign is minus
    FunctionHas,      // the current function's rows hold the key
};

// One rule: the characters (or the named key) that give the key operation
// while the condition holds.  An upper-case letter that follows its
// lower-case form in `characters` is the same key typed with Shift.
struct TypedKeyRule {
    const char* characters; // nullptr for a named key
    NamedKey named;
    TypedCondition condition;
    KeyOp key;              // KeyNone: the character does nothing then
};

// The rules in the order they are tried: the first whose characters (or
// named key) and condition match decides.
extern const TypedKeyRule TypedKeyRules[];
extern const int TypedKeyRuleCount;

// Whether a rule's condition holds now.
bool TypedConditionHolds(const TypedKeyRule& rule);

// The key operation of a typed character, or of a named key when `named`
// is not None; KeyNone when the keyboard map gives none.
KeyOp TypedKey(char32_t character, NamedKey named = NamedKey::None);
