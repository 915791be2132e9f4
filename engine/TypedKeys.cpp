// SPDX-License-Identifier: GPL-3.0-or-later
#include "TypedKeys.h"

#include "Entry.h"

#include "core/KeyMaps.h"
#include "core/State.h"

#include <cstring>

namespace {

using C = TypedCondition;

constexpr TypedKeyRule Typed(const char* characters, KeyOp key, TypedCondition condition = C::Always)
{
    return {characters, NamedKey::None, condition, key};
}

constexpr TypedKeyRule Named(NamedKey named, KeyOp key, TypedCondition condition = C::Always)
{
    return {nullptr, named, condition, key};
}

} // namespace

// Digits come before letters, so that where a letter could name a function
// key the hexadecimal digit wins.  A minus or plus right after the exponent
// mark is the exponent's sign.
const TypedKeyRule TypedKeyRules[] = {
    Typed("0", KeyDigit0), Typed("1", KeyDigit1), Typed("2", KeyDigit2), Typed("3", KeyDigit3),
    Typed("4", KeyDigit4), Typed("5", KeyDigit5), Typed("6", KeyDigit6), Typed("7", KeyDigit7),
    Typed("8", KeyDigit8), Typed("9", KeyDigit9),
    Typed("eE", KeyExponent, C::DecimalBase),
    Typed("aA", KeyHexA), Typed("bB", KeyHexB), Typed("cC", KeyHexC), Typed("dD", KeyHexD),
    Typed("eE", KeyHexE, C::OtherBase), Typed("fF", KeyHexF),
    Typed(".,", KeyPoint),
    Named(NamedKey::Backspace, KeyBackspace),
    Named(NamedKey::Escape, KeyClear),
    Named(NamedKey::Delete, KeyClear),
    Typed("=", KeyEquals),
    Named(NamedKey::Return, KeyEnter, C::RpnInput),
    Named(NamedKey::Return, KeyEquals, C::AlgebraicInput),
    Typed("-", KeyChangeSign, C::ExponentSign),
    Typed("+", KeyChangeSign, C::NegativeExponent),
    Typed("+", KeyNone, C::ExponentSign),
    Typed("+", KeyAdd),
    Typed("-", KeySubtract),
    Typed("*xX", KeyMultiply),
    Typed("/", KeyDivide),
    Typed("%", KeyPercent),
    Typed("(", KeyOpenParen),
    Typed(")", KeyCloseParen),
    Typed("sS", KeyStore),
    Typed("rR", KeyRecall),
    Typed("^", KeyPower, C::FunctionHas),
    Typed("!", KeyFactorial, C::FunctionHas),
    Named(NamedKey::F9, KeyChangeSign),
    Named(NamedKey::F2, KeyShift),
};

const int TypedKeyRuleCount = int(sizeof TypedKeyRules / sizeof TypedKeyRules[0]);

bool TypedConditionHolds(const TypedKeyRule& rule)
{
    switch (rule.condition) {
    case C::Always: return true;
    case C::DecimalBase: return UnPrefs.base() == BaseDecimal;
    case C::OtherBase: return UnPrefs.base() != BaseDecimal;
    case C::RpnInput: return Prefs.rpnInput();
    case C::AlgebraicInput: return !Prefs.rpnInput();
    case C::ExponentSign: return ExponentSignOpen();
    case C::NegativeExponent: return ExponentSignOpen() && ExponentNegative();
    case C::FunctionHas: return FunctionHasKey(int(UnPrefs.function()), rule.key);
    }
    return false;
}

KeyOp TypedKey(char32_t character, NamedKey named)
{
    for (const TypedKeyRule& rule : TypedKeyRules) {
        const bool matches = named != NamedKey::None
                                 ? rule.named == named
                                 : rule.characters && character > 0 && character < 128 &&
                                       std::strchr(rule.characters, int(character)) != nullptr;
        if (matches && TypedConditionHolds(rule))
            return rule.key;
    }
    return KeyNone;
}
