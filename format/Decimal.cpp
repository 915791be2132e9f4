// SPDX-License-Identifier: GPL-3.0-or-later
// Exact, locale-independent conversions between doubles and decimal text.

#include "Format.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

void ShortestDigits(double value, char* digits, int* decimalPoint, bool* sign)
{
    *sign = std::signbit(value);
    if (std::isnan(value) || std::isinf(value)) {
        std::strcpy(digits, std::isnan(value) ? "NaN" : "Infinity");
        *decimalPoint = 9999;
        return;
    }
    // Shortest round-trip text in scientific form, e.g. "-1.2345e+02".
    char text[40];
    std::to_chars_result r = std::to_chars(text, text + sizeof text, std::fabs(value),
                                           std::chars_format::scientific);
    *r.ptr = '\0';
    int n = 0, exponent = 0;
    const char* p = text;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.')
            digits[n++] = *p;
    if (*p == 'e') {
        bool negative = *++p == '-';
        for (++p; p < r.ptr; ++p)
            exponent = exponent * 10 + (*p - '0');
        if (negative)
            exponent = -exponent;
    }
    while (n > 1 && digits[n - 1] == '0')
        --n;
    digits[n] = '\0';
    *decimalPoint = digits[0] == '0' ? 1 : exponent + 1;
}

int RoundDecimalNumber(char* s, int* e, int count)
{
    if (count < 0)
        count = 0;
    int length = int(std::strlen(s));
    if (count >= length)
        return 0;
    int carry = s[count] >= '5';
    s[count] = '\0';
    for (int i = count - 1; carry && i >= 0; --i) {
        if (s[i] == '9') {
            s[i] = '0';
        } else {
            ++s[i];
            carry = 0;
        }
    }
    if (carry) {
        std::memmove(s + 1, s, std::strlen(s) + 1);
        s[0] = '1';
        ++*e;
    }
    for (int n = int(std::strlen(s)); n > 1 && s[n - 1] == '0'; --n)
        s[n - 1] = '\0';
    return carry;
}

double DigitsValue(const char* digits, int decimalPoint, bool negative)
{
    // "-.DIGITSeP": the digits as a fraction scaled by the point position.
    char text[DigitBufferSize + 16];
    char* p = text;
    if (negative)
        *p++ = '-';
    *p++ = '.';
    std::size_t length = std::strlen(digits);
    std::memcpy(p, digits, length);
    p += length;
    if (decimalPoint != 0) {
        *p++ = 'e';
        p = std::to_chars(p, text + sizeof text - 1, decimalPoint).ptr;
    }
    *p = '\0';
    return ConvertDecimalNumber(text);
}

double ConvertDecimalNumber(const char* text)
{
    // The readable prefix counts, as with strtod: an optional sign, digits
    // with at most one point, and an exponent only when it has a digit.
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n')
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    const char* start = p;
    bool anyDigit = false;
    while (*p >= '0' && *p <= '9') {
        ++p;
        anyDigit = true;
    }
    if (*p == '.') {
        ++p;
        while (*p >= '0' && *p <= '9') {
            ++p;
            anyDigit = true;
        }
    }
    // No digit: nothing was read, and that is a plain 0 ("-", ".", "").
    if (!anyDigit)
        return 0.0;
    const char* end = p;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '+' || *q == '-')
            ++q;
        if (*q >= '0' && *q <= '9') {
            while (*q >= '0' && *q <= '9')
                ++q;
            end = q;
        }
    }
    double value = 0.0;
    std::from_chars_result r = std::from_chars(start, end, value, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large gives infinity, too small zero, as strtod does.
        const char* m = start;
        int position = 0; // decimal exponent of the first significant digit
        bool seenPoint = false, seenNonZero = false;
        for (; m < end && *m != 'e' && *m != 'E'; ++m) {
            if (*m == '.') {
                seenPoint = true;
                continue;
            }
            if (!seenNonZero && *m != '0') {
                seenNonZero = true;
            }
            if (seenNonZero && !seenPoint)
                ++position;
            if (!seenNonZero && seenPoint)
                --position;
        }
        long exponent = 0;
        if (m < end) {
            const char* q = m + 1;
            bool negativeExponent = *q == '-';
            if (*q == '+' || *q == '-')
                ++q;
            // Far beyond the range of a double either way; saturating keeps
            // the sum below from overflowing.
            if (std::from_chars(q, end, exponent).ec != std::errc() || exponent > 100000)
                exponent = 100000;
            if (negativeExponent)
                exponent = -exponent;
        }
        value = position + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}
