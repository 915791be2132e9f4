// SPDX-License-Identifier: GPL-3.0-or-later
#include "PastedNumber.h"

#include "core/State.h"
#include "core/Words.h"

#include <charconv>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr char32_t NoBreakSpace = 0x00A0;
constexpr char32_t ThinSpace = 0x2009;
constexpr char32_t NarrowNoBreakSpace = 0x202F;
constexpr char32_t MinusSign = 0x2212;
constexpr char32_t Invalid = 0xFFFD;

// The code points of UTF-8 text; a malformed sequence gives U+FFFD, which
// no rule accepts.
std::u32string Decode(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + std::size_t(length) > text.size()) {
            out += Invalid;
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + std::size_t(k)]);
            valid = valid && (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        out += valid ? c : Invalid;
        i += valid ? std::size_t(length) : 1;
    }
    return out;
}

bool IsGroupSpace(char32_t c)
{
    return c == U' ' || c == NoBreakSpace || c == ThinSpace || c == NarrowNoBreakSpace;
}

bool IsWhiteSpace(char32_t c)
{
    return IsGroupSpace(c) || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f';
}

bool IsSign(char32_t c)
{
    return c == U'+' || c == U'-' || c == MinusSign;
}

bool IsDecimalDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// The digit's value in the base, or -1.
int DigitValue(char32_t c, unsigned radix)
{
    int value = -1;
    if (c >= U'0' && c <= U'9')
        value = int(c - U'0');
    else if (c >= U'a' && c <= U'f')
        value = int(c - U'a') + 10;
    else if (c >= U'A' && c <= U'F')
        value = int(c - U'A') + 10;
    return value >= 0 && unsigned(value) < radix ? value : -1;
}

// A cursor over the trimmed text.
struct Reader {
    const std::u32string& s;
    std::size_t i = 0;

    bool atEnd() const { return i >= s.size(); }
    char32_t peek(std::size_t ahead = 0) const { return i + ahead < s.size() ? s[i + ahead] : 0; }
};

// Copies a run of decimal digits to `out`; returns how many.
std::size_t DecimalRun(Reader& r, std::string& out)
{
    std::size_t n = 0;
    for (; IsDecimalDigit(r.peek()); ++r.i, ++n)
        out += char(r.peek());
    return n;
}

bool IsGroupSeparator(char32_t c, bool commaRadix)
{
    if (IsGroupSpace(c))
        return true;
    return commaRadix ? c == U'.' : (c == U',' || c == U'\'' || c == U'_');
}

// The integer part: plain digits, or a first group of one to three digits
// followed by groups of exactly three behind one and the same separator.
// False when separators stand out of place.  A grouped number never starts
// with 0: "0,125" is a decimal fraction written with another radix mark.
bool IntegerPart(Reader& r, bool commaRadix, std::string& digits)
{
    std::size_t first = DecimalRun(r, digits);
    if (first == 0 || !IsGroupSeparator(r.peek(), commaRadix))
        return true;
    if (first > 3 || digits[0] == '0')
        return false;
    const char32_t separator = r.peek();
    while (r.peek() == separator) {
        ++r.i;
        if (DecimalRun(r, digits) != 3)
            return false;
    }
    // A second kind of separator, or a group that is too long, ends the
    // number out of place.
    return !IsGroupSeparator(r.peek(), commaRadix) && !IsDecimalDigit(r.peek());
}

// The decimal exponent of the leading digit of digits "I.F" times 10^E,
// for telling overflow from underflow; `exponent` saturates.
long LeadingExponent(const std::string& integer, const std::string& fraction, long exponent)
{
    std::size_t lead = integer.find_first_not_of('0');
    if (lead != std::string::npos)
        return long(integer.size() - lead) - 1 + exponent;
    std::size_t zeros = fraction.find_first_not_of('0');
    return exponent - long(zeros == std::string::npos ? fraction.size() : zeros) - 1;
}

PastedNumber ReadDecimal(Reader& r, bool negative, bool commaRadix)
{
    PastedNumber result;
    const char32_t radix = commaRadix ? U',' : U'.';
    std::string integer, fraction, exponentDigits;
    if (!IntegerPart(r, commaRadix, integer))
        return result;
    if (r.peek() == radix) {
        ++r.i;
        DecimalRun(r, fraction);
    }
    if (integer.empty() && fraction.empty())
        return result;
    bool negativeExponent = false;
    if (r.peek() == U'e' || r.peek() == U'E') {
        ++r.i;
        if (IsSign(r.peek())) {
            negativeExponent = r.peek() != U'+';
            ++r.i;
        }
        if (DecimalRun(r, exponentDigits) == 0)
            return result;
    }
    if (!r.atEnd())
        return result;

    std::string text = integer.empty() ? "0" : integer;
    if (!fraction.empty())
        text += "." + fraction;
    if (!exponentDigits.empty())
        text += std::string(negativeExponent ? "e-" : "e") + exponentDigits;
    double value = 0.0;
    std::from_chars_result read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        long exponent = 0;
        if (std::from_chars(exponentDigits.data(), exponentDigits.data() + exponentDigits.size(), exponent).ec !=
                std::errc() ||
            exponent > 100000)
            exponent = 100000;
        if (LeadingExponent(integer, fraction, negativeExponent ? -exponent : exponent) > 0) {
            result.refusal = PasteTooLarge;
            return result;
        }
        value = 0.0; // below the smallest double: zero, as any rounding
    } else if (read.ec != std::errc() || read.ptr != text.data() + text.size()) {
        return result;
    }
    result.refusal = PasteAccepted;
    result.value = negative ? -value : value;
    return result;
}

// Digit groups of an integer base as copying writes them: one group, or a
// first group of at most `g` digits and then groups of exactly `g` digits
// (`g` one of `groupSizes`, 0 ending the list), single spaces between.
// Stops at the first other character.
bool IntegerDigits(Reader& r, unsigned radix, const unsigned* groupSizes, uint64_t& magnitude, bool& overflow)
{
    std::size_t runs = 0, firstLength = 0, groupLength = 0;
    for (;;) {
        std::size_t length = 0;
        for (int d; (d = DigitValue(r.peek(), radix)) >= 0; ++r.i, ++length) {
            magnitude = magnitude * radix + unsigned(d);
            if (magnitude > 0xFFFFFFFFu) {
                overflow = true;
                magnitude = 0xFFFFFFFFu + uint64_t(1);
            }
        }
        if (length == 0)
            return false;
        if (runs == 0)
            firstLength = length;
        else if (runs == 1)
            groupLength = length;
        else if (length != groupLength)
            return false;
        ++runs;
        if (r.peek() != U' ')
            break;
        ++r.i;
    }
    if (runs == 1)
        return true;
    bool allowed = false;
    for (const unsigned* g = groupSizes; *g; ++g)
        allowed = allowed || *g == groupLength;
    return allowed && firstLength <= groupLength;
}

PastedNumber ReadInteger(Reader& r, bool negative, unsigned base, char32_t radix, uint16_t wordLabel)
{
    static const unsigned binaryGroups[] = {8, 0}, octalGroups[] = {0}, hexadecimalGroups[] = {2, 4, 0};
    unsigned digitRadix = 16;
    char32_t prefix = U'x';
    const unsigned* groups = hexadecimalGroups;
    if (base == BaseBinary) {
        digitRadix = 2;
        prefix = U'b';
        groups = binaryGroups;
    } else if (base == BaseOctal) {
        digitRadix = 8;
        prefix = U'o';
        groups = octalGroups;
    }

    PastedNumber result;
    result.wordLabel = wordLabel;
    if (r.peek() == U'0' && (r.peek(1) == prefix || r.peek(1) == prefix - 32))
        r.i += 2;
    uint64_t magnitude = 0;
    bool overflow = false;
    if (!IntegerDigits(r, digitRadix, groups, magnitude, overflow))
        return result;
    // The display's trailing radix mark (copied zero is "0.").
    if (r.peek() == radix)
        ++r.i;
    if (!r.atEnd())
        return result;

    const uint64_t mask = WordMask(wordLabel);
    const bool signedWord = IsSignedWord(wordLabel);
    const uint64_t signBit = (mask >> 1) + 1;
    bool fits;
    if (negative)
        fits = signedWord ? magnitude <= signBit : magnitude == 0;
    else
        fits = magnitude <= mask;
    if (overflow || !fits) {
        result.refusal = PasteDoesNotFitWord;
        return result;
    }
    if (negative)
        result.value = magnitude == 0 ? 0.0 : -double(magnitude);
    else if (signedWord && magnitude >= signBit)
        result.value = double(int64_t(magnitude) - int64_t(mask) - 1);
    else
        result.value = double(magnitude);
    result.refusal = PasteAccepted;
    return result;
}

} // namespace

PastedNumber ReadPastedNumber(std::string_view text, unsigned base, bool commaRadix, uint16_t wordLabel)
{
    const std::u32string all = Decode(text);
    std::size_t begin = 0, end = all.size();
    while (begin < end && IsWhiteSpace(all[begin]))
        ++begin;
    while (end > begin && IsWhiteSpace(all[end - 1]))
        --end;
    const std::u32string trimmed = all.substr(begin, end - begin);

    PastedNumber result;
    if (base != BaseDecimal)
        result.wordLabel = wordLabel;
    if (trimmed.size() > PastedTextLimit) {
        result.refusal = PasteTooLarge;
        return result;
    }
    Reader r{trimmed};
    bool negative = false;
    if (IsSign(r.peek())) {
        negative = r.peek() != U'+';
        ++r.i;
    }
    if (base == BaseDecimal)
        return ReadDecimal(r, negative, commaRadix);
    return ReadInteger(r, negative, base, commaRadix ? U',' : U'.', wordLabel);
}

const char* PasteRefusalText(PasteRefusal refusal)
{
    switch (refusal) {
    case PasteAccepted: return "accepted";
    case PasteTooLarge: return "too large";
    case PasteDoesNotFitWord: return "does not fit the word";
    default: return "no number";
    }
}
