// SPDX-License-Identifier: GPL-3.0-or-later
// The number text as the display draws it: radix mark, grouping, zeros.

#include "TestSupport.h"

#include "engine/Reset.h"
#include "format/DisplayText.h"
#include "format/Strings.h"

#include <string>

namespace {

class DisplayTextTest : public EngineTest {
protected:
    std::string Shown(const char* text, bool comma = false)
    {
        char out[DisplayTextSize];
        DisplayNumberText(text, comma, out);
        return out;
    }
};

TEST_F(DisplayTextTest, GroupingAndRadixMark)
{
    const struct { const char* text; bool comma; const char* shown; } cases[] = {
        {"1234567.5", false, "1,234,567.5"}, {"1234567.5", true, "1.234.567,5"},
        {"-1234.", false, "-1,234."},        {"123.", false, "123."},
        {"1234.", false, "1,234."},          {"123456789012.", false, "123,456,789,012."},
        {".5", false, "0.5"},                {"-.5", true, "-0,5"},
        {"12345.e3", false, "12,345.e3"},    {"1234e5", false, "1,234e5"},
        {"1234", false, "1,234"},            {"0.e0", false, "0.e0"},
        {"1.2345e-300", true, "1,2345e-300"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(c.text, c.comma), c.shown) << c.text;
}

TEST_F(DisplayTextTest, TrailingZerosGoWhenAllDigitsAreShown)
{
    EXPECT_EQ(Shown("1.2500"), "1.25");
    EXPECT_EQ(Shown("1.000e5"), "1.e5");
    EXPECT_EQ(Shown("1500."), "1,500.");
    EXPECT_EQ(Shown("0.000"), "0.");
    EXPECT_EQ(Shown("1.2500", true), "1,25");
    Prefs.setDigits(5); // Fixed with 4 places keeps them
    EXPECT_EQ(Shown("1.2500"), "1.2500");
    UnPrefs.setShowAll(true);
    EXPECT_EQ(Shown("1.2500"), "1.25");
}

TEST_F(DisplayTextTest, TypedZerosStay)
{
    UnPrefs.setEntering(true);
    EXPECT_EQ(Shown("1.50"), "1.50");
    EXPECT_EQ(Shown("12345.60"), "12,345.60");
    EXPECT_EQ(Shown("100"), "100");
}

TEST_F(DisplayTextTest, OtherBasesAreLeftAlone)
{
    for (unsigned base : {BaseBinary, BaseOctal, BaseHexadecimal}) {
        UnPrefs.setBase(base);
        EXPECT_EQ(Shown("1000 0000."), "1000 0000.");
        EXPECT_EQ(Shown("1000"), "1000");
        EXPECT_EQ(Shown("12345670."), "12345670.");
    }
    UnPrefs.setBase(BaseOctal);
    EXPECT_EQ(Shown("1000.", true), "1000,");
}

} // namespace

TEST(LabelText, CashFlowLabelsShowTheirIndexOnlyWhenTheyHaveOne)
{
    ResetCalculator();
    char text[LabelTextSize];
    Regs.lastRegister = 3;
    const struct { unsigned id, index; const char* shown; } cases[] = {
        {LabelCFj, 3, "CFj 3"}, {LabelNj, 0, "Nj 0"}, {LabelCFj, NoLabelIndex, "CFj"},
        {LabelFeet, 3, "feet"}, {LabelPYR, NoLabelIndex, "P/YR"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(LabelText(c.id, c.index, text));
        EXPECT_STREQ(text, c.shown);
    }
    Regs.lastRegister = -1;
    EXPECT_TRUE(LabelText(LabelCFj, 3, text));
    EXPECT_STREQ(text, "CFj");
    EXPECT_FALSE(LabelText(1234, 0, text));
    EXPECT_STREQ(text, "");
}
