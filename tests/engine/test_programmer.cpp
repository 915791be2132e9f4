// SPDX-License-Identifier: GPL-3.0-or-later
// Integer words: reading doubles as words, wrap-around arithmetic, shifts
// and rotation in every word size; the base outside the integer functions.

#include "TestSupport.h"

#include "engine/KeyScript.h"
#include "engine/Programmer.h"
#include "engine/ProgrammerBase.h"
#include "format/Strings.h"

#include <cmath>
#include <limits>

namespace {

class ProgrammerTest : public EngineTest {
protected:
    void Word(uint16_t label) { Prefs.setIntegerSize(unsigned(label - LabelU8)); }
};

struct BinaryCase {
    uint16_t word;
    double (*op)(double, uint16_t, double, uint16_t);
    double y, x, expected;
};

TEST_F(ProgrammerTest, ArithmeticWrapsToThePreferredWord)
{
    const BinaryCase cases[] = {
        {LabelU8, IntegerAdd, 200, 100, 44},
        {LabelU8, IntegerSubtract, 5, 10, 251},
        {LabelU8, IntegerMultiply, 16, 16, 0},
        {LabelU8, IntegerDivide, 7, 2, 3},
        {LabelS8, IntegerAdd, 100, 100, -56},
        {LabelS8, IntegerDivide, -7, 2, -3},
        {LabelS8, IntegerDivide, -128, -1, -128},
        {LabelU16, IntegerAdd, 65535, 1, 0},
        {LabelU16, IntegerMultiply, 300, 300, 90000 % 65536},
        {LabelS16, IntegerSubtract, -32768, 1, 32767},
        {LabelS16, IntegerDivide, -32768, -1, -32768},
        {LabelU32, IntegerSubtract, 0, 1, 4294967295.0},
        {LabelU32, IntegerMultiply, 65536, 65536, 0},
        {LabelU32, IntegerDivide, 4294967295.0, 2, 2147483647},
        {LabelS32, IntegerAdd, 2147483647, 1, -2147483648.0},
        {LabelS32, IntegerDivide, -2147483648.0, -1, -2147483648.0},
        {LabelS32, IntegerDivide, 7.9, -2.9, -3},
        {LabelU8, IntegerAnd, 0xF0, 0x3C, 0x30},
        {LabelU8, IntegerOr, 0xF0, 0x0F, 0xFF},
        {LabelS8, IntegerXor, 0x0F, -1, -16},
    };
    for (const BinaryCase& c : cases) {
        Word(c.word);
        EXPECT_EQ(c.op(c.y, 0, c.x, 0), c.expected) << GetString(c.word) << " " << c.y << " , " << c.x;
    }
}

TEST_F(ProgrammerTest, DivisionByZeroIsNaNInEveryWord)
{
    for (uint16_t w = LabelU8; w <= LabelS32; ++w) {
        Word(w);
        EXPECT_TRUE(std::isnan(IntegerDivide(7, 0, 0, 0)));
        // A divisor that is zero only after reduction to the word.
        if (w < LabelU32) {
            EXPECT_TRUE(std::isnan(IntegerDivide(7, 0, 65536, 0)));
        }
    }
}

TEST_F(ProgrammerTest, NoWordSizeGivesZeroAndNaN)
{
    Prefs.setIntegerSize(6);
    EXPECT_EQ(IntegerUnit(0), 0);
    EXPECT_EQ(IntegerAdd(1, 0, 2, 0), 0);
    EXPECT_EQ(OnesComplement(5, 0), 0);
    EXPECT_TRUE(std::isnan(IntegerDivide(1, 0, 2, 0)));
    EXPECT_EQ(IntegerSize(0), 4u);
    EXPECT_EQ(IntegerMask(0), 0xFFFFFFFFu);
    // A labelled value keeps its own word.
    EXPECT_EQ(IntegerUnit(LabelU16), LabelU16);
}

TEST_F(ProgrammerTest, OperandLabelsOnlyDecideHowTheyAreRead)
{
    // Y = 1 and X = 255 labelled u8, the preference s32: 256.
    EXPECT_EQ(IntegerAdd(1, LabelU8, 255, LabelU8), 256);
    // -1 labelled s8 reads as -1; unlabelled in a u8 word it wraps to 255.
    Word(LabelU16);
    EXPECT_EQ(IntegerAdd(-1, LabelS8, 0, 0), 65535);
    Word(LabelS16);
    EXPECT_EQ(IntegerAdd(200, LabelU8, 0, 0), 200);
    EXPECT_EQ(IntegerAdd(200, LabelS8, 0, 0), 200); // the value itself is read, not its word
}

TEST_F(ProgrammerTest, ReadersTruncateWrapAndSaturate)
{
    EXPECT_EQ(IntegerAsUnsigned32(4294967295.0, LabelU32), 0xFFFFFFFFu);
    EXPECT_EQ(IntegerAsUnsigned32(-1, LabelU32), 0xFFFFFFFFu);
    EXPECT_EQ(IntegerAsUnsigned32(-2147483648.0, LabelU32), 0x80000000u);
    EXPECT_EQ(IntegerAsUnsigned32(5e9, LabelU32), 0xFFFFFFFFu);
    EXPECT_EQ(IntegerAsUnsigned32(-5e9, LabelU32), 0x80000000u);
    EXPECT_EQ(IntegerAsSigned32(5e9, LabelS32), 2147483647);
    EXPECT_EQ(IntegerAsSigned32(-5e9, LabelS32), -2147483647 - 1);
    EXPECT_EQ(IntegerAsSigned32(-2.9, 0), -2);
    EXPECT_EQ(IntegerAsUnsigned32(std::nan(""), LabelU32), 0x7FFFFFFFu);
    EXPECT_EQ(IntegerAsSigned32(std::numeric_limits<double>::infinity(), LabelS32), 2147483647);
    EXPECT_EQ(IntegerAsUnsigned8(300, 0), 44u);
    EXPECT_EQ(IntegerAsSigned8(200, 0), -56);
    EXPECT_EQ(IntegerAsUnsigned16(-1, 0), 65535u);
    EXPECT_EQ(IntegerAsSigned16(40000, 0), 40000 - 65536);
}

TEST_F(ProgrammerTest, SizeFunctions)
{
    const struct { uint16_t label; unsigned bytes; uint32_t mask; } sizes[] = {
        {LabelU8, 1, 0xFF}, {LabelS8, 1, 0xFF}, {LabelU16, 2, 0xFFFF},
        {LabelS16, 2, 0xFFFF}, {LabelU32, 4, 0xFFFFFFFF}, {LabelS32, 4, 0xFFFFFFFF},
    };
    for (const auto& s : sizes) {
        EXPECT_EQ(IntegerSize(s.label), s.bytes);
        EXPECT_EQ(IntegerMask(s.label), s.mask);
    }
    EXPECT_EQ(IntegerUnit(1901), LabelS32); // feet: the preferred word
    EXPECT_EQ(IntegerUnitDefaultS32(0), LabelS32);
    EXPECT_EQ(IntegerUnitDefaultS32(LabelU8), LabelU8);
    EXPECT_EQ(NonIntegerUnit(LabelU8), 0);
    EXPECT_EQ(NonIntegerUnit(1901), 1901);
}

TEST_F(ProgrammerTest, ComplementsInTheValuesWord)
{
    EXPECT_EQ(OnesComplement(5, LabelS8), -6);
    EXPECT_EQ(OnesComplement(5, LabelU16), 65530);
    EXPECT_EQ(OnesComplement(5, LabelU32), 4294967290.0);
    EXPECT_EQ(TwosComplement(1, LabelU8), 255);
    EXPECT_EQ(TwosComplement(0, LabelU8), 0);
    EXPECT_EQ(TwosComplement(-128, LabelS8), -128);
    EXPECT_EQ(TwosComplement(-2147483648.0, LabelS32), -2147483648.0);
    EXPECT_EQ(TwosComplement(7, 0), -7); // unlabelled: the preferred s32
}

TEST_F(ProgrammerTest, ConvertXExamples)
{
    const struct { double x; uint16_t from, to; double expected; } cases[] = {
        {200, LabelU8, LabelS8, -56},   {-1, LabelS16, LabelU16, 65535},
        {4294967295.0, LabelU32, LabelS32, -1}, {70000, LabelU32, LabelU16, 4464},
        {2.9, 0, LabelS32, 2},          {-2.9, 0, LabelU8, 254},
    };
    for (const auto& c : cases) {
        SetStack({c.x});
        UnPrefs.stackLabel[0] = c.from;
        UnPrefs.stackLabelIndex[0] = 3;
        EXPECT_EQ(IntegerConvertX(c.to), c.to);
        EXPECT_EQ(X(), c.expected) << c.x;
        EXPECT_EQ(UnPrefs.stackLabel[0], c.to);
        EXPECT_EQ(UnPrefs.stackLabelIndex[0], NoLabelIndex);
    }
    // Without a word size X keeps its value and loses its label.
    Prefs.setIntegerSize(7);
    SetStack({2.5});
    UnPrefs.stackLabel[0] = 1901;
    EXPECT_EQ(IntegerConvertX(0), 0);
    EXPECT_EQ(X(), 2.5);
    EXPECT_EQ(UnPrefs.stackLabel[0], 0);
}

TEST_F(ProgrammerTest, ShiftsKeepYsWord)
{
    Word(LabelS32);
    EXPECT_EQ(IntegerShiftLeft(1, LabelU8, 8, 0), 0);
    EXPECT_EQ(IntegerShiftLeft(1, LabelU8, 7, 0), 128);
    EXPECT_EQ(IntegerShiftLeft(2, LabelU8, -1, 0), 1);
    EXPECT_EQ(IntegerShiftRight(-128, LabelS8, 1, 0), 64);
    EXPECT_EQ(IntegerArithmeticShiftRight(-128, LabelS8, 1, 0), -64);
    EXPECT_EQ(IntegerArithmeticShiftRight(-128, LabelS8, 20, 0), -1);
    EXPECT_EQ(IntegerShiftRight(-128, LabelS8, 20, 0), 0);
    EXPECT_EQ(IntegerShiftLeft(1, LabelU32, 31, 0), 2147483648.0);
    EXPECT_EQ(IntegerShiftLeft(1, LabelU32, 32, 0), 0);
    EXPECT_EQ(IntegerShiftLeft(1, LabelU32, 2147483647, 0), 0);
    EXPECT_EQ(IntegerShiftLeft(1, LabelU32, -2147483648.0, 0), 0);
    EXPECT_EQ(IntegerShiftRight(-1, LabelS16, 1, 0), 32767);
    EXPECT_EQ(IntegerArithmeticShiftRight(-4, LabelS32, 1.9, 0), -2); // count truncated
    EXPECT_EQ(IntegerRotate(0x8000, LabelU16, 1, 0), 0x4000);
    EXPECT_EQ(IntegerRotate(1, LabelU16, 1, 0), 0x8000);
    EXPECT_EQ(IntegerRotate(0x1234, LabelU16, 17, 0), IntegerRotate(0x1234, LabelU16, 1, 0));
    EXPECT_EQ(IntegerRotate(0x8000, LabelU16, -1, 0), 1);
    EXPECT_EQ(IntegerRotate(1, LabelS8, 1, 0), -128);
    EXPECT_EQ(IntegerRotate(1, LabelU32, 1, 0), 2147483648.0);
    // Unlabelled Y: the preferred word.
    Word(LabelU8);
    EXPECT_EQ(IntegerShiftLeft(3, 0, 7, 0), 128);
}

TEST(BitFunctions, ShiftAndRotate)
{
    EXPECT_EQ(shift(0x80, 1, 1, true), 0xC0ul);
    EXPECT_EQ(shift(0x80, 1, 100, true), 0xFFul);
    EXPECT_EQ(shift(0x80, 1, 100, false), 0ul);
    EXPECT_EQ(shift(0x1, 4, -31, false), 0x80000000ul);
    EXPECT_EQ(shift(0xFFFFFFFF, 4, -4, false), 0xFFFFFFF0ul);
    EXPECT_EQ(shift(0x1234, 2, 0, false), 0x1234ul);
    EXPECT_EQ(rotate(0x01, 1, 1), 0x80ul);
    EXPECT_EQ(rotate(0x80000001, 4, 4), 0x18000000ul);
    EXPECT_EQ(rotate(0x0001, 2, -1), 0x0002ul);
}

} // namespace

// A base other than ten holds only in the integer functions; leaving them
// turns the base decimal and ends a hexadecimal entry, coming back brings
// back the base and the word.
TEST_F(ProgrammerTest, TheBaseBelongsToTheIntegerFunctions)
{
    struct Case {
        bool userKeysInteger;
        const char* script;
        unsigned base;
        double x;
        uint16_t label;
    };
    const Case cases[] = {
        {false, "Function=programmer Hexadecimal Function=standard 0.5 Add 0.25 Equals", BaseDecimal, 0.75, 0},
        {false, "Function=programmer Hexadecimal Function=standard 2 SquareRoot", BaseDecimal, std::sqrt(2.0), 0},
        {false, "Function=programmer Hexadecimal HexF HexF Function=standard Add 1 Equals", BaseDecimal, 256, 0},
        {false, "Function=programmer Hexadecimal Function=standard Function=programmer 255 Equals", BaseHexadecimal,
         0x255, 0},
        {false, "Function=programmer WordU8 Hexadecimal Function=standard 300 Function=programmer", BaseHexadecimal,
         44, LabelU8},
        {false, "Function=programmer Binary Function=scientific Function=financial", BaseDecimal, 0, 0},
        {false, "Function=programmer Binary Function=scientific Function=programmer", BaseBinary, 0, LabelS32},
        {false, "Function=programmer Octal Function=user", BaseDecimal, 0, 0},
        {true, "Function=programmer Octal Function=user", BaseOctal, 0, LabelS32},
        {false, "Function=programmer WordU16 Function=standard Function=programmer", BaseDecimal, 0, LabelU16},
        {false, "Hexadecimal", BaseDecimal, 0, 0},
    };
    for (const Case& c : cases) {
        ResetCalculator();
        Prefs.setUserKeysInteger(c.userKeysInteger);
        std::vector<KeyAction> actions;
        std::string bad;
        ASSERT_TRUE(ReadKeyScript(c.script, actions, bad)) << bad;
        for (const KeyAction& action : actions)
            PerformKeyAction(action);
        EXPECT_EQ(UnPrefs.base(), c.base) << c.script;
        EXPECT_DOUBLE_EQ(X(), c.x) << c.script;
        EXPECT_EQ(UnPrefs.stackLabel[0], c.label) << c.script;
        EXPECT_FALSE(UnPrefs.entering()) << c.script;
    }
}

// A change of the User keypad's integer keys settles the base too, and a
// state saved with an integer base outside the integer functions keeps it
// aside.
TEST_F(ProgrammerTest, IntegerUserKeysAndOlderStates)
{
    UnPrefs.setFunction(FunctionUser);
    Prefs.setUserKeysInteger(true);
    Press({KeyHexadecimal});
    Prefs.setUserKeysInteger(false);
    SettleBase(true);
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseDecimal));
    Prefs.setUserKeysInteger(true);
    SettleBase(false);
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseHexadecimal));

    ResetCalculator();
    UnPrefs.setBase(BaseBinary);
    LoadProgrammerBase([](const std::string&, std::string&) { return false; });
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseDecimal));
    SelectFunction(FunctionProgrammer);
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseBinary));
}
