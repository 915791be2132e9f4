// SPDX-License-Identifier: GPL-3.0-or-later
// Number text: decimal formats, the integer bases, and reading text back.

#include "TestSupport.h"

#include "engine/Programmer.h"
#include "format/Format.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace {

class FormatTest : public EngineTest {
protected:
    std::string Text(double value, unsigned format, unsigned digits)
    {
        Prefs.setDisplayFormat(format);
        char buffer[FormatBufferSize];
        if (FormatDecimalNumber(value, buffer, false, int(digits)) != FormatOk)
            return "error";
        return buffer;
    }
    std::string InBase(unsigned base, double value, uint16_t label, bool plain = false)
    {
        UnPrefs.setBase(base);
        char buffer[FormatBufferSize];
        EXPECT_EQ(FormatNumber(value, label, buffer, plain), FormatOk);
        return buffer;
    }
};

struct DecimalCase {
    double value;
    unsigned format;
    unsigned digits;
    const char* text;
};

TEST_F(FormatTest, DecimalText)
{
    const double inf = std::numeric_limits<double>::infinity();
    const DecimalCase cases[] = {
        {0.1 + 0.2, FormatGeneral, 0, "0.3"},
        {1500, FormatGeneral, 0, "1500."},
        {1e12, FormatGeneral, 0, "1.e12"},
        {1e-12, FormatGeneral, 0, "0.000000000001"},
        {1e-13, FormatGeneral, 0, "1.e-13"},
        {1500, FormatScientific, 0, "1.5e3"},
        {15000, FormatEngineering, 0, "15.e3"},
        {0.00015, FormatEngineering, 0, "150.e-6"},
        {12345, FormatEngineering, 3, "12.3e3"},
        {0.0099, FormatGeneral, 3, "9.90e-3"},
        {0.01, FormatGeneral, 3, "0.01"},
        {0.004, FormatFixed, 3, "0.00"},
        {0.005, FormatFixed, 3, "0.01"},
        {12345.678, FormatFixed, 13, "12345.6780000"},
        {0, FormatScientific, 0, "0.e0"},
        // Zero and signs.
        {0, FormatGeneral, 0, "0."},
        {0, FormatFixed, 0, "0."},
        {0, FormatFixed, 4, "0.000"},
        {0, FormatEngineering, 0, "0.e0"},
        {-0.0, FormatGeneral, 0, "-0."},
        {-0.001, FormatFixed, 3, "-0.00"},
        {-1234, FormatGeneral, 0, "-1234."},
        // The 12-digit boundary.
        {999999999999.5, FormatGeneral, 0, "1.e12"},
        {999999999999.5, FormatFixed, 0, "1.e12"},
        {999999999999.0, FormatGeneral, 0, "999999999999."},
        {123456789012.4, FormatGeneral, 0, "123456789012."},
        {0.1234567890125, FormatGeneral, 0, "0.123456789013"},
        {2.0 / 3, FormatGeneral, 0, "0.666666666667"},
        {2.0 / 3, FormatFixed, 4, "0.667"},
        {2.0 / 3, FormatFixed, 13, "0.666666666667"},
        {123456789.123456, FormatFixed, 13, "123456789.123"},
        {1.5e-12, FormatFixed, 0, "0.000000000002"},
        {1e-13, FormatFixed, 0, "0."},
        {1e-300, FormatFixed, 0, "0."},
        {1e-300, FormatFixed, 13, "0.000000000000"},
        // General with a digit count turns to exponent form below the last place.
        {0.004, FormatGeneral, 3, "4.00e-3"},
        {0.004, FormatFixed, 3, "0.00"},
        {1e15, FormatFixed, 3, "1.00e15"},
        {123456, FormatScientific, 3, "1.23e5"},
        {123456, FormatScientific, 14, "1.23456000000e5"},
        {0.000123, FormatEngineering, 0, "123.e-6"},
        {1, FormatEngineering, 4, "1.000e0"},
        {1e100, FormatEngineering, 0, "10.e99"},
        // The extremes of a double.
        {DBL_MAX, FormatGeneral, 0, "1.79769313486e308"},
        {-DBL_MAX, FormatScientific, 0, "-1.79769313486e308"},
        {std::numeric_limits<double>::denorm_min(), FormatGeneral, 0, "5.e-324"},
        {DBL_MIN, FormatEngineering, 0, "22.2507385851e-309"},
        {inf, FormatGeneral, 0, "error"},
        {-inf, FormatFixed, 3, "error"},
        {std::nan(""), FormatGeneral, 0, "error"},
    };
    for (const DecimalCase& c : cases)
        EXPECT_EQ(Text(c.value, c.format, c.digits), c.text)
            << c.value << " format " << c.format << " digits " << c.digits;
}

TEST_F(FormatTest, ShowAllIgnoresTheDigitCount)
{
    UnPrefs.setShowAll(true);
    EXPECT_EQ(Text(2.0 / 3, FormatFixed, 3), "0.666666666667");
    EXPECT_EQ(Text(1234.5, FormatScientific, 2), "1.2345e3");
}

TEST_F(FormatTest, FormatNumberUsesTheDigitsPreference)
{
    Prefs.setDisplayFormat(FormatFixed);
    Prefs.setDigits(3);
    char buffer[FormatBufferSize];
    EXPECT_EQ(FormatNumber(2.0 / 3, 0, buffer, true), FormatOk);
    EXPECT_STREQ(buffer, "0.67");
    EXPECT_EQ(FormatNumber(1.0 / 0.0, 0, buffer, false), FormatError);
}

TEST(RoundDecimalNumber, HalfUpWithCarry)
{
    const struct { const char* digits; int e, count; const char* result; int e2, carry; } cases[] = {
        {"12345", 3, 3, "123", 3, 0},     {"12355", 3, 4, "1236", 3, 0},
        {"9995", 1, 3, "1", 2, 1},       {"1999", 1, 3, "2", 1, 0},
        {"5", -2, 0, "1", -1, 1},        {"4", -2, 0, "", -2, 0},
        {"123", 1, 5, "123", 1, 0},      {"123", 1, -3, "", 1, 0},
        {"1050", 1, 3, "105", 1, 0},
    };
    for (const auto& c : cases) {
        char s[DigitBufferSize];
        std::strcpy(s, c.digits);
        int e = c.e;
        EXPECT_EQ(RoundDecimalNumber(s, &e, c.count), c.carry) << c.digits;
        EXPECT_STREQ(s, c.result) << c.digits;
        EXPECT_EQ(e, c.e2) << c.digits;
    }
}

TEST_F(FormatTest, BinaryText)
{
    EXPECT_EQ(InBase(BaseBinary, 5, 0), "00000101.");
    EXPECT_EQ(InBase(BaseBinary, 300, 0), "00000001 00101100.");
    EXPECT_EQ(InBase(BaseBinary, 0x12345, 0), "...00100011 01000101.");
    EXPECT_EQ(InBase(BaseBinary, 0x12345, 0, true), "...00100011 01000101");
    EXPECT_EQ(InBase(BaseBinary, 0x10000, 0), "...00000000 00000000.");
    EXPECT_EQ(InBase(BaseBinary, 0, 0, true), "0.");
    EXPECT_EQ(InBase(BaseBinary, 5, 0, true), "00000101");
    EXPECT_EQ(InBase(BaseBinary, -1, LabelS8), "11111111.");
    EXPECT_EQ(InBase(BaseBinary, 70000, LabelU16), "00010001 01110000.");
    UnPrefs.setShowAll(true);
    EXPECT_EQ(InBase(BaseBinary, 0x12345, 0), "00000001...");
    EXPECT_EQ(InBase(BaseBinary, -1, 0), "11111111 11111111...");
    EXPECT_EQ(InBase(BaseBinary, 5, 0), "00000101.");
}

TEST_F(FormatTest, OctalAndHexadecimalText)
{
    EXPECT_EQ(InBase(BaseOctal, 8, 0), "10.");
    EXPECT_EQ(InBase(BaseOctal, 8, 0, true), "10");
    EXPECT_EQ(InBase(BaseOctal, 0, 0, true), "0.");
    EXPECT_EQ(InBase(BaseOctal, -1, 0), "37777777777.");
    EXPECT_EQ(InBase(BaseOctal, -1, LabelS8), "377.");
    EXPECT_EQ(InBase(BaseHexadecimal, 5, LabelU8), "05.");
    EXPECT_EQ(InBase(BaseHexadecimal, 0xABC, LabelU16), "0ABC.");
    EXPECT_EQ(InBase(BaseHexadecimal, -1, LabelS32), "FFFF FFFF.");
    EXPECT_EQ(InBase(BaseHexadecimal, 0x12345, 0), "0001 2345.");
    EXPECT_EQ(InBase(BaseHexadecimal, 0x12345, 0, true), "0001 2345");
    EXPECT_EQ(InBase(BaseHexadecimal, 0, LabelU8, true), "0.");
    EXPECT_EQ(InBase(BaseHexadecimal, 4294967295.0, LabelU32), "FFFF FFFF.");
    EXPECT_EQ(InBase(BaseHexadecimal, 0x1FF, LabelU8), "FF.");
}

TEST_F(FormatTest, IntegerTextReadsBack)
{
    EXPECT_EQ(ConvertBinaryNumber("101", LabelU8), 5);
    EXPECT_EQ(ConvertBinaryNumber("1012", LabelU8), 5);
    EXPECT_EQ(ConvertOctalNumber("777.", LabelU16), 511);
    EXPECT_EQ(ConvertOctalNumber("78", LabelU16), 7);
    EXPECT_EQ(ConvertHexadecimalNumber("ff", LabelU8), 255);
    EXPECT_EQ(ConvertHexadecimalNumber("FFFFFFFF", LabelU32), 4294967295.0);
    EXPECT_EQ(ConvertHexadecimalNumber("FFFFFFFF", LabelS32), -1);
    EXPECT_EQ(ConvertHexadecimalNumber("FF", LabelS8), 255); // no sign extension of short words
    EXPECT_EQ(ConvertHexadecimalNumber("123456789", LabelU32), double(0x23456789));
    EXPECT_EQ(ConvertHexadecimalNumber("0001 2345", LabelS32), 1);
    EXPECT_EQ(ConvertHexadecimalNumber("", LabelS32), 0);
    EXPECT_EQ(ConvertHexadecimalNumber("G1", LabelS32), 0);
    UnPrefs.setBase(BaseHexadecimal);
    EXPECT_EQ(ConvertNumber("1A", LabelS32), 26);
    UnPrefs.setBase(BaseDecimal);
    EXPECT_EQ(ConvertNumber("1A", LabelS32), 1);
}

TEST(ConvertDecimalNumber, ReadsTheReadablePrefix)
{
    const struct { const char* text; double value; } cases[] = {
        {"1.5", 1.5},      {"-12", -12},     {"1e", 1},      {"12e-", 12},
        {"1e3", 1000},     {"12e-3", 0.012}, {"-", 0},       {".", 0},
        {"", 0},           {".5", 0.5},      {"1.", 1},      {"-1.50e-3", -0.0015},
        {"0.3", 0.3},      {"1e999", HUGE_VAL}, {"1e-999", 0}, {"-1e999", -HUGE_VAL},
        {"1,5", 1},        {"2e5x", 2e5},    {"123456789012345678901234567890", 1.2345678901234568e29},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
        // Exponents far past the range of any integer type saturate.
        {"5e+00000000000000000000009223372036854775807", HUGE_VAL},
        {"5e-99999999999999999999999", 0}, {"0.000e99999999999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertDecimalNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_FALSE(std::signbit(ConvertDecimalNumber("-")));
    EXPECT_TRUE(std::signbit(ConvertDecimalNumber("-0")));
}

TEST_F(FormatTest, ShortestDigitsRoundTrip)
{
    const double values[] = {0.1, 1.0 / 3, 123456.789, 5e-324, DBL_MAX, 2.0 / 3 * 1e-200};
    for (double v : values) {
        char digits[DigitBufferSize];
        int e;
        bool sign;
        ShortestDigits(v, digits, &e, &sign);
        std::string text = std::string("0.") + digits + "e" + std::to_string(e);
        EXPECT_EQ(ConvertDecimalNumber(text.c_str()), v) << text;
    }
}

// Text and numbers do not follow the process locale.
TEST_F(FormatTest, IndependentOfTheLocale)
{
    std::string old = std::setlocale(LC_ALL, nullptr);
    const char* locales[] = {"de_DE.UTF-8", "de_DE.utf8", "C.UTF-8"};
    int tried = 0;
    for (const char* name : locales) {
        if (!std::setlocale(LC_ALL, name))
            continue;
        ++tried;
        EXPECT_EQ(ConvertDecimalNumber("1.5"), 1.5) << name;
        EXPECT_EQ(Text(1.5, FormatGeneral, 0), "1.5") << name;
        EXPECT_EQ(Text(1234.5, FormatFixed, 3), "1234.50") << name;
    }
    std::setlocale(LC_ALL, old.c_str());
    if (tried == 0)
        GTEST_SKIP() << "no other locale is installed";
}

} // namespace
