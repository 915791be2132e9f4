// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard map that the window and tovrin-keys share: which key a typed
// character gives in which state, and the negative exponent in decimal and
// hexadecimal.

#include "TestSupport.h"

#include "engine/TypedKeys.h"

#include <string>

namespace {

class TypedKeysTest : public EngineTest {
protected:
    // Types the characters through the keyboard map, as the window does.
    void Type(const std::string& text)
    {
        for (char c : text) {
            const KeyOp key = TypedKey(char32_t(c));
            if (key != KeyNone)
                Press({key});
        }
    }
};

TEST_F(TypedKeysTest, KeyOfEachCharacterInItsState)
{
    enum Setup { Decimal, Hexadecimal, Rpn, Financial, Statistical, UserWithPower };
    const struct {
        Setup setup;
        const char* typed; // typed first
        char32_t character;
        NamedKey named;
        KeyOp expected;
    } cases[] = {
        {Decimal, "1e", U'-', NamedKey::None, KeyChangeSign},
        {Decimal, "1e-", U'-', NamedKey::None, KeyChangeSign},
        {Decimal, "1e-", U'+', NamedKey::None, KeyChangeSign},
        {Decimal, "1e", U'+', NamedKey::None, KeyNone},
        {Decimal, "1e5", U'-', NamedKey::None, KeySubtract},
        {Decimal, "12", U'-', NamedKey::None, KeySubtract},
        {Decimal, "", U'-', NamedKey::None, KeySubtract},
        {Decimal, "1e", U'5', NamedKey::None, KeyDigit5},
        {Decimal, "", U'e', NamedKey::None, KeyExponent},
        {Decimal, "", U'E', NamedKey::None, KeyExponent},
        {Hexadecimal, "", U'e', NamedKey::None, KeyHexE},
        {Hexadecimal, "1e", U'-', NamedKey::None, KeySubtract},
        {Decimal, "", U'x', NamedKey::None, KeyMultiply},
        {Decimal, "", U'A', NamedKey::None, KeyHexA},
        {Decimal, "", 0, NamedKey::Return, KeyEquals},
        {Rpn, "", 0, NamedKey::Return, KeyEnter},
        {Rpn, "", 0, NamedKey::Escape, KeyClear},
        {Decimal, "", 0, NamedKey::Delete, KeyClear},
        {Decimal, "", 0, NamedKey::F9, KeyChangeSign},
        {Decimal, "", 0, NamedKey::F2, KeyShift},
        {Decimal, "", U'^', NamedKey::None, KeyPower},
        {Financial, "", U'^', NamedKey::None, KeyNone},
        {UserWithPower, "", U'^', NamedKey::None, KeyPower},
        {Statistical, "", U'!', NamedKey::None, KeyFactorial},
        {Decimal, "", U'!', NamedKey::None, KeyNone},
        {Decimal, "", U'\x7f', NamedKey::None, KeyNone},
    };
    for (const auto& c : cases) {
        ResetCalculator();
        switch (c.setup) {
        case Decimal: break;
        case Hexadecimal:
            UnPrefs.setFunction(FunctionProgrammer);
            Press({KeyHexadecimal});
            break;
        case Rpn: Prefs.setRpnInput(true); break;
        case Financial: UnPrefs.setFunction(FunctionFinancial); break;
        case Statistical: UnPrefs.setFunction(FunctionStatistical); break;
        case UserWithPower:
            UnPrefs.setFunction(FunctionUser);
            KeyboardTable.keys[20] = KeyPower;
            break;
        }
        Type(c.typed);
        EXPECT_EQ(TypedKey(c.character, c.named), c.expected)
            << "after '" << c.typed << "' in setup " << c.setup << " typing " << int(c.character);
    }
}

TEST_F(TypedKeysTest, NegativeExponentInDecimalAndMinusInHexadecimal)
{
    Type("1e-5=");
    EXPECT_DOUBLE_EQ(X(), 1e-5);

    ResetCalculator();
    Type("12e-+3=");
    EXPECT_DOUBLE_EQ(X(), 12e3);

    ResetCalculator();
    UnPrefs.setFunction(FunctionProgrammer);
    Press({KeyHexadecimal});
    Type("1e-5=");
    EXPECT_DOUBLE_EQ(X(), 0x1E - 5);
}

} // namespace
