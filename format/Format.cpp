// SPDX-License-Identifier: GPL-3.0-or-later
// Values to display text in every format and base, and text back to values.

#include "Format.h"

#include "core/State.h"
#include "core/Text.h"
#include "core/Words.h"

#include <charconv>
#include <cstring>

namespace {

void AppendText(char* s, const char* text)
{
    std::strcat(s, text);
}

// Appends "0" until `s` has at least `length` characters.
void PadZeros(char* s, int length)
{
    while (int(std::strlen(s)) < length)
        AppendChar(s, '0');
}

// The shortest digits of a value, kept unrounded so that a form that needs
// fewer digits can round them afresh.
struct Digits {
    char s[DigitBufferSize];
    int e;

    void restart(const Digits& original) { *this = original; }
    int length() const { return int(std::strlen(s)); }
};

// Positional text: the digits with the point after the integer part.
void Positional(Digits& d, const Digits& unrounded, unsigned format, int n, char* out)
{
    if (n != 0) {
        // Integer and decimal digits never exceed the shown digits together.
        if (n + d.e - 1 > ShownDigits)
            n = ShownDigits + 1 - d.e;
        if (d.length() >= n + d.e) {
            d.restart(unrounded);
            RoundDecimalNumber(d.s, &d.e, d.e + n - 1);
        }
    } else if (format == FormatFixed && d.length() > d.e + ShownDigits) {
        d.restart(unrounded);
        RoundDecimalNumber(d.s, &d.e, d.e + ShownDigits);
    }
    // Below the last shown place the value is zero.  Rounding away every
    // digit leaves an empty string, which is zero too.
    if ((n != 0 && d.e <= 1 - n) || (n == 0 && d.e <= d.length() - (ShownDigits + 1)) || d.s[0] == '\0') {
        std::strcpy(d.s, "0");
        d.e = 1;
    }
    char* s = out + std::strlen(out);
    std::strcpy(s, d.s);
    for (; d.e <= 0; ++d.e)
        InsertChar(s, '0');
    PadZeros(s, d.e);
    InsertChar(s + d.e, '.');
    if (n != 0)
        PadZeros(s, d.e + 1 + (n - 1));
}

// Exponent text: mantissa digits, the point after the first one (or after
// the first one to three in engineering form), "e" and the exponent.
void ExponentForm(Digits& d, const Digits& unrounded, unsigned format, int n, char* out)
{
    if (n != 0) {
        if (n > ShownDigits)
            n = ShownDigits;
        d.restart(unrounded);
        RoundDecimalNumber(d.s, &d.e, n);
    }
    int shift = 0;
    if (format == FormatEngineering) {
        shift = (d.e - 1) % 3;
        if (shift < 0)
            shift += 3;
    }
    char* s = out + std::strlen(out);
    std::strcpy(s, d.s);
    PadZeros(s, shift + 1);
    PadZeros(s, n);
    InsertChar(s + shift + 1, '.');
    char exponent[12];
    std::to_chars_result r = std::to_chars(exponent, exponent + sizeof exponent - 1, d.e - shift - 1);
    *r.ptr = '\0';
    AppendChar(s, 'e');
    AppendText(s, exponent);
}

// The word a value of an integer base is shown in: its bits masked to the
// size of its label (32-bit signed without one).
uint32_t WordBits(double value, uint16_t label, uint16_t* wordLabel)
{
    *wordLabel = IntegerUnitDefaultS32(label);
    return IntegerAsUnsigned32(value, *wordLabel) & IntegerMask(*wordLabel);
}

// Writes `value` in groups of `groupDigits` digits of `bitsPerDigit` bits,
// each group padded with zeros, separated by spaces.  `groups` 0 means as
// many as the value needs.
void WriteGroups(char* out, uint32_t value, int bitsPerDigit, int groupDigits, int groups)
{
    int groupBits = bitsPerDigit * groupDigits;
    if (groups == 0) {
        groups = 1;
        while (groups * groupBits < 32 && (value >> (groups * groupBits)) != 0)
            ++groups;
    }
    static const char digitChars[] = "0123456789ABCDEF";
    for (int g = groups - 1; g >= 0; --g) {
        for (int i = groupDigits - 1; i >= 0; --i) {
            int bit = g * groupBits + i * bitsPerDigit;
            AppendChar(out, digitChars[(value >> bit) & ((1u << bitsPerDigit) - 1)]);
        }
        if (g > 0)
            AppendChar(out, ' ');
    }
}

// Reads digits of a base with `bitsPerDigit` bits each from the start of
// the text into a 32-bit accumulator; the first other character ends it.
double ConvertIntegerText(const char* text, int bitsPerDigit, uint16_t label)
{
    uint32_t accumulator = 0;
    unsigned radix = 1u << bitsPerDigit;
    for (const char* p = text; *p; ++p) {
        unsigned digit;
        if (*p >= '0' && *p <= '9')
            digit = unsigned(*p - '0');
        else if (*p >= 'A' && *p <= 'F')
            digit = unsigned(*p - 'A' + 10);
        else if (*p >= 'a' && *p <= 'f')
            digit = unsigned(*p - 'a' + 10);
        else
            break;
        if (digit >= radix)
            break;
        accumulator = (accumulator << bitsPerDigit) + digit;
    }
    if (label & 1)
        return double(int32_t(accumulator));
    return double(accumulator);
}

} // namespace

uint16_t FormatNumber(double value, uint16_t label, char* buffer, bool plain)
{
    switch (UnPrefs.base()) {
    case BaseBinary: return FormatBinaryNumber(value, label, buffer, plain);
    case BaseOctal: return FormatOctalNumber(value, label, buffer, plain);
    case BaseHexadecimal: return FormatHexadecimalNumber(value, label, buffer, plain);
    default: return FormatDecimalNumber(value, buffer, plain, int(Prefs.digits()));
    }
}

uint16_t FormatDecimalNumber(double value, char* buffer, bool, int digits)
{
    buffer[0] = '\0';
    unsigned format = Prefs.displayFormat();
    int n = UnPrefs.showAll() ? 0 : digits;

    Digits unrounded;
    bool sign;
    ShortestDigits(value, unrounded.s, &unrounded.e, &sign);
    Digits d = unrounded;
    RoundDecimalNumber(d.s, &d.e, ShownDigits);
    if (d.s[0] < '0' || d.s[0] > '9')
        return FormatError;

    bool exponentForm;
    if ((format == FormatGeneral || format == FormatFixed) && d.e > ShownDigits)
        exponentForm = true;
    else if (format == FormatGeneral)
        exponentForm = n != 0 ? d.e <= 1 - n : d.e <= d.length() - (ShownDigits + 1);
    else
        exponentForm = format == FormatScientific || format == FormatEngineering;

    if (sign)
        AppendChar(buffer, '-');
    if (exponentForm)
        ExponentForm(d, unrounded, format, n, buffer);
    else
        Positional(d, unrounded, format, n, buffer);
    return FormatOk;
}

uint16_t FormatBinaryNumber(double value, uint16_t label, char* buffer, bool plain)
{
    uint16_t word;
    uint32_t w = WordBits(value, label, &word);
    buffer[0] = '\0';
    if (w == 0) {
        std::strcpy(buffer, "0.");
        return FormatOk;
    }
    bool upperHalf = false;
    if (w > 0xFFFF) {
        if (UnPrefs.showAll()) {
            WriteGroups(buffer, w >> 16, 1, 8, 0);
            AppendText(buffer, "...");
            upperHalf = true;
        } else {
            AppendText(buffer, "...");
            WriteGroups(buffer, w & 0xFFFF, 1, 8, 2);
        }
    } else {
        WriteGroups(buffer, w, 1, 8, 0);
    }
    if (!plain && !upperHalf)
        AppendChar(buffer, '.');
    return FormatOk;
}

uint16_t FormatOctalNumber(double value, uint16_t label, char* buffer, bool plain)
{
    uint16_t word;
    uint32_t w = WordBits(value, label, &word);
    if (w == 0) {
        std::strcpy(buffer, "0.");
        return FormatOk;
    }
    std::to_chars_result r = std::to_chars(buffer, buffer + FormatBufferSize - 2, w, 8);
    *r.ptr = '\0';
    if (!plain)
        AppendChar(buffer, '.');
    return FormatOk;
}

uint16_t FormatHexadecimalNumber(double value, uint16_t label, char* buffer, bool plain)
{
    uint16_t word;
    uint32_t w = WordBits(value, label, &word);
    buffer[0] = '\0';
    if (w == 0) {
        std::strcpy(buffer, "0.");
        return FormatOk;
    }
    WriteGroups(buffer, w, 4, IntegerSize(word) == 1 ? 2 : 4, 0);
    if (!plain)
        AppendChar(buffer, '.');
    return FormatOk;
}

double ConvertNumber(const char* text, uint16_t label)
{
    switch (UnPrefs.base()) {
    case BaseBinary: return ConvertBinaryNumber(text, label);
    case BaseOctal: return ConvertOctalNumber(text, label);
    case BaseHexadecimal: return ConvertHexadecimalNumber(text, label);
    default: return ConvertDecimalNumber(text);
    }
}

double ConvertBinaryNumber(const char* text, uint16_t label)
{
    return ConvertIntegerText(text, 1, label);
}

double ConvertOctalNumber(const char* text, uint16_t label)
{
    return ConvertIntegerText(text, 3, label);
}

double ConvertHexadecimalNumber(const char* text, uint16_t label)
{
    return ConvertIntegerText(text, 4, label);
}
