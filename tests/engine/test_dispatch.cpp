// SPDX-License-Identifier: GPL-3.0-or-later
// The dispatcher: prefixes, modes, entry closing and the stack-lift rules.
#include "TestSupport.h"

#include "engine/Clearing.h"
#include "engine/Programmer.h"
#include "engine/Reset.h"
#include "engine/Stack.h"

namespace {

using DispatchTest = EngineTest;

TEST_F(DispatchTest, EnterThenDigitReplacesX)
{
    Prefs.setRpnInput(true);
    SetStack({1, 2, 3, 4});
    UnPrefs.setLiftEnabled(true);
    Press({KeyEnter});
    EXPECT_EQ(X(), 1);
    EXPECT_EQ(Y(), 1);
    EXPECT_EQ(Level(2), 2);
    EXPECT_EQ(Level(3), 3);
    Press({KeyDigit7});
    EXPECT_EQ(X(), 7);
    EXPECT_EQ(Y(), 1);
}

TEST_F(DispatchTest, FirstDigitLiftsLaterDigitsDoNot)
{
    Prefs.setRpnInput(true);
    SetStack({5});
    UnPrefs.setLiftEnabled(true);
    Press({KeyDigit7, KeyDigit2});
    EXPECT_EQ(X(), 72);
    EXPECT_EQ(Y(), 5);
    EXPECT_EQ(Level(2), 0);
    EXPECT_TRUE(UnPrefs.entering());
}

TEST_F(DispatchTest, ClearXDisablesLiftAndModeKeysKeepIt)
{
    Prefs.setRpnInput(true);
    SetStack({4, 9});
    UnPrefs.setLiftEnabled(true);
    Press({KeyClearX, KeyDigit6});
    EXPECT_EQ(X(), 6);
    EXPECT_EQ(Y(), 9);

    SetStack({13});
    UnPrefs.setEntering(false);
    UnPrefs.setLiftEnabled(true);
    Press({KeyRadians, KeyDigit6});
    EXPECT_EQ(X(), 6);
    EXPECT_EQ(Y(), 13);
    EXPECT_EQ(Prefs.angleMode(), unsigned(AngleRadians));
    EXPECT_EQ(PrefsChanged, 1);

    UnPrefs.setEntering(false);
    UnPrefs.setLiftEnabled(false);
    Press({KeyGrads});
    EXPECT_FALSE(UnPrefs.liftEnabled());
}

TEST_F(DispatchTest, RefusedKeyAboveTwentyClosesTheEntry)
{
    Press({KeyDigit4, KeyDigit2});
    EXPECT_TRUE(UnPrefs.entering());
    EXPECT_FALSE(HandleButton(KeyOp(200)));
    EXPECT_FALSE(UnPrefs.entering());
    EXPECT_TRUE(UnPrefs.liftEnabled());
    EXPECT_EQ(X(), 42);
    // KeyNone too.
    Press({KeyDigit1});
    EXPECT_FALSE(HandleButton(KeyNone));
    EXPECT_FALSE(UnPrefs.entering());
}

TEST_F(DispatchTest, ShiftNeitherClosesAnEntryNorAPrefix)
{
    Press({KeyDigit3, KeyShift});
    EXPECT_TRUE(UnPrefs.entering());
    EXPECT_TRUE(UnPrefs.shift());
    Press({KeyShift});
    EXPECT_FALSE(UnPrefs.shift());
    Press({KeyFormatFixed, KeyShift, KeyDigit4});
    EXPECT_EQ(Prefs.displayFormat(), unsigned(FormatFixed));
    EXPECT_EQ(Prefs.digits(), 5u);
    EXPECT_EQ(int(UnPrefs.formatPrefix), 255);
}

struct FormatCase {
    std::vector<int> keys;
    unsigned format, digits;
    int waiting;
};

TEST_F(DispatchTest, FormatPrefixes)
{
    const FormatCase cases[] = {
        {{KeyFormatFixed, KeyDigit4}, FormatFixed, 5, 255},
        {{KeyFormatFixed, KeyPoint}, FormatFixed, 0, 255},
        {{KeyFormatScientific, KeyDigit0}, FormatScientific, 1, 255},
        {{KeyFormatEngineering, KeyDigit9}, FormatEngineering, 10, 255},
        {{KeyFormatGeneral, KeyDigit2}, FormatGeneral, 3, 255},
        {{KeyFormatFixed, KeyFormatScientific}, FormatGeneral, 0, KeyFormatScientific},
    };
    for (const FormatCase& c : cases) {
        ResetCalculator();
        for (int key : c.keys)
            Press({key});
        EXPECT_EQ(Prefs.displayFormat(), c.format);
        EXPECT_EQ(Prefs.digits(), c.digits);
        EXPECT_EQ(int(UnPrefs.formatPrefix), c.waiting);
    }
}

TEST_F(DispatchTest, AnotherKeyCancelsTheFormatPrefixAndActs)
{
    Prefs.setRpnInput(true);
    SetStack({1, 2, 3, 4});
    Press({KeyFormatFixed, KeySwapXY});
    EXPECT_EQ(int(UnPrefs.formatPrefix), 255);
    EXPECT_EQ(X(), 2);
    EXPECT_EQ(Prefs.displayFormat(), unsigned(FormatGeneral));
}

TEST_F(DispatchTest, DigitsSwitchTheBase)
{
    UnPrefs.setBase(BaseBinary);
    Press({KeyDigit1, KeyDigit2});
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseDecimal));
    EXPECT_STREQ(UnPrefs.entryText, "12");

    ResetCalculator();
    UnPrefs.setBase(BaseOctal);
    Press({KeyDigit9});
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseDecimal));
    EXPECT_EQ(X(), 9);

    ResetCalculator();
    Press({KeyDigit7});
    EXPECT_FALSE(HandleButton(KeyHexA));
    EXPECT_EQ(X(), 7);
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseDecimal));
    EXPECT_STREQ(UnPrefs.entryText, "7");

    ResetCalculator();
    UnPrefs.setFunction(FunctionProgrammer);
    EXPECT_TRUE(HandleButton(KeyHexA));
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseHexadecimal));
    EXPECT_STREQ(UnPrefs.entryText, "A");
}

TEST_F(DispatchTest, PointAndExponentOnlyInDecimal)
{
    UnPrefs.setBase(BaseHexadecimal);
    EXPECT_FALSE(HandleButton(KeyPoint));
    EXPECT_FALSE(HandleButton(KeyExponent));
    UnPrefs.setBase(BaseDecimal);
    EXPECT_TRUE(HandleButton(KeyPoint));
}

TEST_F(DispatchTest, BackspaceCancelsHyperbolicWithoutErasing)
{
    Press({KeyDigit1, KeyDigit2, KeyHyperbolic});
    EXPECT_TRUE(UnPrefs.hyperbolic());
    EXPECT_FALSE(UnPrefs.entering());
    EXPECT_TRUE(HandleButton(KeyBackspace));
    EXPECT_FALSE(UnPrefs.hyperbolic());
    EXPECT_EQ(X(), 12);
    // A number typed after the prefix stays, its entry closed by backspace.
    ResetCalculator();
    Press({KeyHyperbolic, KeyDigit5, KeyBackspace});
    EXPECT_EQ(X(), 5);
    EXPECT_FALSE(UnPrefs.entering());
    EXPECT_FALSE(UnPrefs.hyperbolic());
}

TEST_F(DispatchTest, BackspaceOutsideAnEntryClearsX)
{
    Prefs.setRpnInput(true);
    SetStack({8, 1});
    UnPrefs.setLiftEnabled(true);
    Press({KeyBackspace});
    EXPECT_EQ(X(), 0);
    EXPECT_FALSE(UnPrefs.liftEnabled());
    Press({KeyDigit3});
    EXPECT_EQ(X(), 3);
    EXPECT_EQ(Y(), 1);
}

TEST_F(DispatchTest, BackspaceOverTheLastCharacterClosesTheEntry)
{
    Press({KeyDigit5, KeyBackspace});
    EXPECT_EQ(X(), 0);
    EXPECT_FALSE(UnPrefs.entering());
    EXPECT_FALSE(UnPrefs.liftEnabled());
}

TEST_F(DispatchTest, ChangeSignOutsideEntryKeepsUnitsDropsOtherLabels)
{
    StoreX(2);
    LabelX(1901);
    Press({KeyChangeSign});
    EXPECT_EQ(X(), -2);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), 1901);
    LabelX(1409); // "PMT"
    Press({KeyChangeSign});
    EXPECT_EQ(X(), 2);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), 0);
}

TEST_F(DispatchTest, ChangeSignInsideEntryLeavesItOpen)
{
    Press({KeyDigit1, KeyDigit2, KeyChangeSign});
    EXPECT_TRUE(UnPrefs.entering());
    EXPECT_STREQ(UnPrefs.entryText, "-12");
    EXPECT_EQ(X(), -12);
}

TEST_F(DispatchTest, LastXLiftsWhileTypingInRpn)
{
    Prefs.setRpnInput(true);
    UnPrefs.lastX = 4;
    Press({KeyDigit9, KeyLastX});
    EXPECT_EQ(X(), 4);
    EXPECT_EQ(Y(), 9);
}

TEST_F(DispatchTest, OpenParenAfterAResultDoesNothing)
{
    UnPrefs.setLiftEnabled(true);
    Press({KeyOpenParen});
    EXPECT_EQ(int(UnPrefs.opCount), 0);
    UnPrefs.setLiftEnabled(false);
    Press({KeyOpenParen});
    EXPECT_EQ(int(UnPrefs.opCount), 1);
    EXPECT_FALSE(UnPrefs.liftEnabled());
}

TEST_F(DispatchTest, EnterPushesAMarkerOnlyInAlgebraicModes)
{
    Press({KeyDigit3, KeyEnter});
    EXPECT_EQ(int(UnPrefs.opCount), 1);
    EXPECT_EQ(int(UnPrefs.opStack[0]), KeyEnter);
    ResetCalculator();
    Prefs.setRpnInput(true);
    Press({KeyDigit3, KeyEnter});
    EXPECT_EQ(int(UnPrefs.opCount), 0);
}

TEST_F(DispatchTest, AFullOperatorStackRefusesMarkersAndParentheses)
{
    for (int i = 0; i < 45; ++i)
        Press({KeyEnter});
    EXPECT_EQ(int(UnPrefs.opCount), OpStackSize);
    SetStack({6, 5});
    EXPECT_FALSE(HandleButton(KeyEnter));
    EXPECT_EQ(int(UnPrefs.opCount), OpStackSize);
    EXPECT_EQ(X(), 6);
    EXPECT_EQ(Y(), 5); // no lift either

    ResetCalculator();
    for (int i = 0; i < 45; ++i)
        HandleButton(KeyOpenParen);
    EXPECT_EQ(int(UnPrefs.opCount), OpStackSize);
}

TEST_F(DispatchTest, ShiftAndShowAllToggle)
{
    EXPECT_TRUE(HandleButton(KeyShowAll));
    EXPECT_TRUE(UnPrefs.showAll());
    EXPECT_TRUE(HandleButton(KeyShowAll));
    EXPECT_FALSE(UnPrefs.showAll());
}

TEST_F(DispatchTest, BaseKeysAndBeginMode)
{
    // Outside the integer functions every number is decimal.
    EXPECT_FALSE(HandleButton(KeyHexadecimal));
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseDecimal));
    UnPrefs.setFunction(FunctionProgrammer);
    Press({KeyHexadecimal});
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseHexadecimal));
    Press({KeyOctal});
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseOctal));
    Press({KeyDecimal});
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseDecimal));
    Press({KeyBeginMode});
    EXPECT_TRUE(Prefs.beginMode());
    Press({KeyBeginMode});
    EXPECT_FALSE(Prefs.beginMode());
}

TEST_F(DispatchTest, IntegerFunctionsAndFaces)
{
    EXPECT_FALSE(IntegerFunctions());
    UnPrefs.setFunction(FunctionProgrammer);
    EXPECT_TRUE(IntegerFunctions());
    UnPrefs.setFunction(FunctionUser);
    EXPECT_FALSE(IntegerFunctions());
    Prefs.setUserKeysInteger(true);
    EXPECT_TRUE(IntegerFunctions());
    EXPECT_EQ(IntegerKey(KeyChangeSign), KeyIntChangeSign);
    EXPECT_EQ(IntegerKey(KeyRound), KeyIntRound);
    EXPECT_EQ(IntegerKey(KeyDivide), KeyIntDivide);
    EXPECT_EQ(IntegerKey(KeySin), KeySin);
}

TEST_F(DispatchTest, NoOpKeepsTheLiftState)
{
    UnPrefs.setLiftEnabled(false);
    EXPECT_TRUE(HandleButton(KeyNoOp));
    EXPECT_FALSE(UnPrefs.liftEnabled());
}

} // namespace
