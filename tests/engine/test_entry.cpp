// SPDX-License-Identifier: GPL-3.0-or-later
// Number entry: the typed text, its limits in every base, and X.

#include "TestSupport.h"

#include "core/Text.h"
#include "engine/Entry.h"
#include "engine/Programmer.h"
#include "engine/Reset.h"

#include <algorithm>
#include <string>

namespace {

class EntryTest : public EngineTest {
protected:
    std::string Typed() { return UnPrefs.entryText; }
    // Types `count` copies of `key` straight into the entry and tells how
    // many were accepted.
    int TypeMany(KeyOp key, int count)
    {
        int accepted = 0;
        for (int i = 0; i < count; ++i)
            accepted += EnterNumber(key) ? 1 : 0;
        return accepted;
    }
};

TEST_F(EntryTest, MantissaDigitLimitOfEachBase)
{
    const struct { unsigned base; KeyOp key; int limit; } bases[] = {
        {BaseDecimal, KeyDigit9, 12}, {BaseBinary, KeyDigit1, 32},
        {BaseOctal, KeyDigit7, 11},   {BaseHexadecimal, KeyHexF, 8},
    };
    for (const auto& b : bases) {
        ResetCalculator();
        UnPrefs.setBase(b.base);
        EXPECT_EQ(TypeMany(b.key, b.limit + 1), b.limit) << "base " << b.base;
        EXPECT_EQ(int(UnPrefs.mantissaDigits), b.limit);
        EXPECT_EQ(Typed().size(), size_t(b.limit));
    }
}

TEST_F(EntryTest, ValueOfTheTextInEachBase)
{
    UnPrefs.setBase(BaseBinary);
    TypeMany(KeyDigit1, 32);
    EXPECT_EQ(X(), -1); // the s32 word
    ResetCalculator();
    Prefs.setIntegerSize(4); // u32
    UnPrefs.setBase(BaseHexadecimal);
    TypeMany(KeyHexF, 8);
    EXPECT_EQ(X(), 4294967295.0);
    ResetCalculator();
    UnPrefs.setBase(BaseOctal);
    EnterNumber(KeyDigit1);
    EnterNumber(KeyDigit7);
    EXPECT_EQ(X(), 15);
}

TEST_F(EntryTest, ExponentDigitsAndMarks)
{
    EXPECT_TRUE(EnterNumber(KeyExponent));
    EXPECT_EQ(Typed(), "1e");
    EXPECT_EQ(X(), 1);
    EXPECT_EQ(UnPrefs.mantissaDigits, 1); // the mantissa 1 counts
    EXPECT_TRUE(EnterNumber(KeyDigit3));
    EXPECT_EQ(Typed(), "1e3");
    EXPECT_EQ(X(), 1000);
    EXPECT_EQ(TypeMany(KeyDigit1, 3), 2); // the fourth exponent digit is refused
    EXPECT_FALSE(EnterNumber(KeyExponent));
    EXPECT_TRUE(EnterNumber(KeyPoint)); // accepted, changes nothing
    EXPECT_EQ(Typed(), "1e311");
}

TEST_F(EntryTest, PointOnlyOnce)
{
    for (KeyOp key : {KeyDigit1, KeyPoint, KeyDigit5, KeyPoint, KeyDigit0})
        EXPECT_TRUE(EnterNumber(key));
    EXPECT_EQ(Typed(), "1.50");
    EXPECT_EQ(X(), 1.5);
    ResetCalculator();
    EnterNumber(KeyPoint);
    EXPECT_EQ(Typed(), ".");
    EXPECT_EQ(X(), 0);
}

TEST_F(EntryTest, ChangeSignTogglesMantissaOrExponent)
{
    EnterNumber(KeyDigit1);
    EnterNumber(KeyDigit2);
    EnterNumber(KeyChangeSign);
    EXPECT_EQ(Typed(), "-12");
    EXPECT_EQ(X(), -12);
    EnterNumber(KeyChangeSign);
    EnterNumber(KeyExponent);
    EnterNumber(KeyDigit3);
    EnterNumber(KeyChangeSign);
    EXPECT_EQ(Typed(), "12e-3");
    EXPECT_EQ(X(), 0.012);
    EnterNumber(KeyChangeSign);
    EXPECT_EQ(Typed(), "12e3");
    // A sign typed before the exponent digits.
    ResetCalculator();
    for (KeyOp key : {KeyDigit2, KeyExponent, KeyChangeSign})
        EnterNumber(key);
    EXPECT_EQ(Typed(), "2e-");
    EXPECT_EQ(X(), 2);
}

TEST_F(EntryTest, BackspaceGivesBackItsPlace)
{
    EnterNumber(KeyDigit1);
    EnterNumber(KeyExponent);
    EnterNumber(KeyDigit2);
    EnterNumber(KeyBackspace);
    EXPECT_EQ(UnPrefs.exponentDigits, 0);
    EnterNumber(KeyBackspace); // the exponent mark
    EXPECT_FALSE(UnPrefs.exponentEntry());
    EnterNumber(KeyDigit2);
    EXPECT_EQ(Typed(), "12");
    EXPECT_EQ(UnPrefs.mantissaDigits, 2);

    ResetCalculator();
    UnPrefs.setBase(BaseHexadecimal);
    TypeMany(KeyHexA, 8);
    EXPECT_FALSE(EnterNumber(KeyHexB));
    EnterNumber(KeyBackspace);
    EXPECT_TRUE(EnterNumber(KeyHexB));
    EXPECT_EQ(Typed(), "AAAAAAAB");
}

TEST_F(EntryTest, TheMantissaOneOfAnExponentCountsAsADigit)
{
    // Erasing the exponent mark leaves "1" with room for eleven more digits,
    // and erasing that "1" ends the entry with a zero count.
    EnterNumber(KeyExponent);
    EnterNumber(KeyBackspace);
    EXPECT_EQ(Typed(), "1");
    EXPECT_EQ(UnPrefs.mantissaDigits, 1);
    TypeMany(KeyDigit2, 12);
    EXPECT_EQ(Typed(), "122222222222");
    while (UnPrefs.entering())
        EnterNumber(KeyBackspace);
    EXPECT_EQ(UnPrefs.mantissaDigits, 0);
}

TEST_F(EntryTest, ExponentAfterALoneMinusGetsTheMantissaOne)
{
    // 5, sign, backspace leaves "-"; the exponent must not read as zero.
    EnterNumber(KeyDigit5);
    EnterNumber(KeyChangeSign);
    EnterNumber(KeyBackspace);
    EnterNumber(KeyExponent);
    EnterNumber(KeyDigit3);
    EXPECT_EQ(Typed(), "-1e3");
    EXPECT_EQ(X(), -1000);
}

TEST_F(EntryTest, AFullStoredTextTakesNoMoreCharacters)
{
    // A damaged stored entry with a full text and zero counters must not
    // write past its 49 bytes.
    EnterNumber(KeyDigit1);
    std::string full(EntryTextSize - 1, '1');
    std::copy(full.begin(), full.end(), UnPrefs.entryText);
    UnPrefs.entryText[EntryTextSize - 1] = '\0';
    UnPrefs.mantissaDigits = 0;
    for (KeyOp key : {KeyDigit2, KeyPoint, KeyChangeSign, KeyExponent})
        EXPECT_EQ(EnterNumber(key), key == KeyPoint || key == KeyChangeSign) << key;
    EXPECT_EQ(Typed(), full);
}

TEST_F(EntryTest, BackspaceOverTheLastCharacterEndsTheEntry)
{
    SetStack({7});
    EnterNumber(KeyDigit5);
    EnterNumber(KeyBackspace);
    EXPECT_FALSE(UnPrefs.entering());
    EXPECT_EQ(Typed(), "");
    EXPECT_EQ(X(), 0);
}

TEST_F(EntryTest, FirstDigitLiftsOnceWhenLiftIsEnabled)
{
    SetStack({8, 1});
    UnPrefs.setLiftEnabled(true);
    EnterNumber(KeyDigit7);
    EnterNumber(KeyDigit2);
    EXPECT_EQ(X(), 72);
    EXPECT_EQ(Y(), 8);
    EXPECT_EQ(Level(2), 1);
}

TEST_F(EntryTest, RefusedKeysStillStoreXAndChangeNothing)
{
    TypeMany(KeyDigit4, 12);
    UnPrefs.stack[0] = 99;
    UnPrefs.stackLabel[0] = LabelU8;
    EXPECT_FALSE(EnterNumber(KeyDigit4));
    EXPECT_EQ(Typed(), "444444444444");
    EXPECT_EQ(X(), 444444444444.0);
    EXPECT_EQ(UnPrefs.stackLabel[0], 0);
}

TEST_F(EntryTest, ThroughTheDispatcherEveryBase)
{
    UnPrefs.setFunction(FunctionProgrammer);
    Press({KeyBinary, KeyDigit1, KeyDigit0, KeyDigit1});
    EXPECT_EQ(Typed(), "101");
    EXPECT_EQ(X(), 5);
    Press({KeyDigit2}); // not a binary digit: the base turns decimal, entry goes on
    EXPECT_EQ(UnPrefs.base(), BaseDecimal);
    EXPECT_EQ(Typed(), "1012");
    EXPECT_EQ(X(), 1012);
    Press({KeyHexA}); // turns hexadecimal in the Programmer function
    EXPECT_EQ(Typed(), "1012A");
    EXPECT_EQ(X(), double(0x1012A));
    Press({KeyOctal});
    EXPECT_FALSE(UnPrefs.entering());
}

TEST(TextHelpers, InsertDeleteReverse)
{
    char text[16] = "abc";
    AppendChar(text, 'd');
    EXPECT_STREQ(text, "abcd");
    InsertChar(text, '-');
    EXPECT_STREQ(text, "-abcd");
    InsertChar(text + 5, 'e');
    EXPECT_STREQ(text, "-abcde");
    DeleteChar(text);
    EXPECT_STREQ(text, "abcde");
    InsertChar(text + 2, '\0');
    EXPECT_STREQ(text, "ab");
    ReverseString(text);
    EXPECT_STREQ(text, "ba");
    char odd[] = "12345";
    ReverseString(odd);
    EXPECT_STREQ(odd, "54321");
    char empty[] = "";
    ReverseString(empty);
    EXPECT_STREQ(empty, "");
}

TEST_F(EntryTest, HexadecimalLettersAreDigitsOnlyInHexadecimal)
{
    EXPECT_TRUE(isDigit('7'));
    EXPECT_FALSE(isDigit('A'));
    UnPrefs.setBase(BaseHexadecimal);
    EXPECT_TRUE(isDigit('A'));
    EXPECT_TRUE(isDigit('f'));
    EXPECT_FALSE(isDigit('g'));
    EXPECT_FALSE(isDigit('.'));
}

} // namespace
