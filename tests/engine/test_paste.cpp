// SPDX-License-Identifier: GPL-3.0-or-later
// Pasting: which texts read as one number in each base and radix setting,
// which are refused and why, and what an accepted or refused paste does to
// the stack, the open entry, the registers and the undo history.
#include "TestSupport.h"

#include "core/Words.h"
#include "engine/Undo.h"
#include "format/PastedNumber.h"

#include <cstring>
#include <string>

namespace {

struct PasteCase {
    unsigned base;
    bool comma;
    uint16_t word;
    const char* text;
    PasteRefusal refusal;
    double value;
};

constexpr bool Point = false, Comma = true;
constexpr unsigned Dec = BaseDecimal, Bin = BaseBinary, Oct = BaseOctal, Hex = BaseHexadecimal;
constexpr PasteRefusal Ok = PasteAccepted, NoNumber = PasteNoNumber, TooLarge = PasteTooLarge,
                       NoFit = PasteDoesNotFitWord;

const PasteCase Cases[] = {
    // Decimal with the radix point: signs, white space, radix marks, exponents.
    {Dec, Point, LabelS32, "  -2.5e-3\n", Ok, -0.0025},
    {Dec, Point, LabelS32, "\xE2\x88\x92" "7", Ok, -7}, // U+2212 minus
    {Dec, Point, LabelS32, "+5.", Ok, 5},
    {Dec, Point, LabelS32, "-.5", Ok, -0.5},
    {Dec, Point, LabelS32, "1.e12", Ok, 1e12},
    // Grouping, only as grouping, one separator throughout.
    {Dec, Point, LabelS32, "1,234,567.89", Ok, 1234567.89},
    {Dec, Point, LabelS32, "1\xC2\xA0" "000", Ok, 1000}, // no-break space
    {Dec, Point, LabelS32, "1'000'000", Ok, 1e6},
    {Dec, Point, LabelS32, "1,5", NoNumber, 0},
    {Dec, Point, LabelS32, "1 2", NoNumber, 0},
    {Dec, Point, LabelS32, "1,234 567", NoNumber, 0},
    {Dec, Point, LabelS32, "0,125", NoNumber, 0},
    // Anything else.
    {Dec, Point, LabelS32, "12abc34", NoNumber, 0},
    {Dec, Point, LabelS32, "$ 1 234.50", NoNumber, 0},
    {Dec, Point, LabelS32, "", NoNumber, 0},
    {Dec, Point, LabelS32, "e5", NoNumber, 0},
    {Dec, Point, LabelS32, "0x10", NoNumber, 0},
    {Dec, Point, LabelS32, "1e400", TooLarge, 0},
    // Decimal with the comma radix.
    {Dec, Comma, LabelS32, "1.234,5", Ok, 1234.5},
    {Dec, Comma, LabelS32, "1,5", Ok, 1.5},
    {Dec, Comma, LabelS32, "1.5", NoNumber, 0},
    {Dec, Comma, LabelS32, "1'000", NoNumber, 0},
    // Hexadecimal: either case, the prefix, copy's groups, the word's bits.
    {Hex, Point, LabelS32, "0001 2345", Ok, 0x12345},
    {Hex, Point, LabelS32, "0x1f", Ok, 31},
    {Hex, Point, LabelS32, "FFFF FFFF", Ok, -1},
    {Hex, Point, LabelU32, "FFFF FFFF", Ok, 4294967295.0},
    {Hex, Point, LabelS8, "FF", Ok, -1},
    {Hex, Point, LabelS8, "-80", Ok, -128},
    {Hex, Comma, LabelS32, "0,", Ok, 0}, // copied zero
    {Hex, Point, LabelU8, "FF FF", NoFit, 0},
    {Hex, Point, LabelU16, "-1", NoFit, 0},
    {Hex, Point, LabelS32, "12 345", NoNumber, 0},
    // Binary and octal.
    {Bin, Point, LabelS32, "00000001 00100011 01000101", Ok, 0x12345},
    {Bin, Point, LabelS32, "0b101", Ok, 5},
    {Bin, Point, LabelS32, "1010 1010", NoNumber, 0},
    {Oct, Point, LabelS32, "0o777", Ok, 511},
    {Oct, Point, LabelS32, "8", NoNumber, 0},
    {Oct, Point, LabelS32, "777 777", NoNumber, 0},
};

} // namespace

TEST(PastedNumberTest, ReadsExactlyOneNumberOrSaysWhyNot)
{
    for (const PasteCase& c : Cases) {
        PastedNumber n = ReadPastedNumber(c.text, c.base, c.comma, c.word);
        EXPECT_EQ(n.refusal, c.refusal) << c.text;
        EXPECT_EQ(n.value, c.refusal == PasteAccepted ? c.value : 0.0) << c.text;
    }
}

TEST(PastedNumberTest, TextOverTheLimitIsRefused)
{
    const std::string digits(PastedTextLimit, '1');
    EXPECT_EQ(ReadPastedNumber("  " + digits + "\n", BaseDecimal, false, LabelS32).refusal, PasteAccepted);
    EXPECT_EQ(ReadPastedNumber(std::string(200000, '7'), BaseDecimal, false, LabelS32).refusal, PasteTooLarge);
}

namespace {

class PasteTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        InitializeUndo();
    }
    // Whether the records are as in `regs` and `unPrefs`.
    static bool Unchanged(const RegsRecord& regs, const UnPrefsRecord& unPrefs)
    {
        return std::memcmp(&regs, &Regs, sizeof Regs) == 0 && std::memcmp(&unPrefs, &UnPrefs, sizeof UnPrefs) == 0;
    }
};

} // namespace

TEST_F(PasteTest, RefusedPasteChangesNothing)
{
    Press({KeyDigit3, KeyStore, KeyDigit4, KeyDigit1, KeyEnter, KeyDigit5, KeyPoint});
    const RegsRecord regs = Regs;
    const UnPrefsRecord unPrefs = UnPrefs;
    const unsigned steps = CountUndoLists().undo;
    for (const char* text : {"12abc34", "1,5", "1e400", ""})
        EXPECT_NE(PasteNumber(text).refusal, PasteAccepted) << text;
    EXPECT_TRUE(Unchanged(regs, unPrefs));
    EXPECT_EQ(CountUndoLists().undo, steps);
}

// A paste is one undo step and acts like a recalled value: an open entry
// moves up as ENTER would move it, and the next key lifts the paste.
TEST_F(PasteTest, PasteIsOneUndoStep)
{
    Prefs.setRpnInput(true);
    Press({KeyDigit5, KeyEnter, KeyDigit6});
    const RegsRecord regs = Regs;
    const UnPrefsRecord unPrefs = UnPrefs;
    ASSERT_EQ(PasteNumber("7").refusal, PasteAccepted);
    EXPECT_EQ(X(), 7);
    EXPECT_EQ(Y(), 6);
    EXPECT_FALSE(UnPrefs.entering());
    PerformUndo();
    EXPECT_TRUE(Unchanged(regs, unPrefs));
    PerformRedo();
    Press({KeyDigit8});
    EXPECT_EQ(Y(), 7);
}

// In the integer bases X's word reads the text, and X keeps it; the signed
// 32-bit word of a value without a label needs none.
TEST_F(PasteTest, IntegerBasesKeepTheWord)
{
    UnPrefs.setFunction(FunctionProgrammer);
    Press({KeyHexadecimal, KeyWordS8});
    ASSERT_EQ(PasteNumber("FF").refusal, PasteAccepted);
    EXPECT_EQ(X(), -1);
    EXPECT_EQ(UnPrefs.stackLabel[0], LabelS8);
    EXPECT_EQ(PasteNumber("1FF").refusal, PasteDoesNotFitWord);
    UnPrefs.stackLabel[0] = 0;
    ASSERT_EQ(PasteNumber("FFFF FFFF").refusal, PasteAccepted);
    EXPECT_EQ(X(), -1);
    EXPECT_EQ(UnPrefs.stackLabel[0], 0);
}
