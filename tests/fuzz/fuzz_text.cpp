// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary text read as a number in every base and word size, and read as
// a pasted number, must never crash; decimal text must read exactly as the
// C library reads it in the "C" locale; a pasted number, when accepted, is
// a finite number, and in the integer bases a whole number of its word.
#include "core/State.h"
#include "core/Words.h"
#include "format/Format.h"
#include "format/PastedNumber.h"

#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

const uint16_t Labels[] = {0, 1924, 1925, 1926, 1927, 1928, 1929, 1404, 0xFFFF};

// Text of the plain decimal grammar: blanks, a sign, digits with at most
// one point, an exponent.  strtod reads such text exactly as we must.
bool PlainDecimal(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n'))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    for (; i < text.size(); ++i)
        if (!std::strchr("0123456789.eE+-", text[i]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.c_str(); // up to the first NUL, as the callers pass it
    for (unsigned base = 0; base < 4; ++base) {
        UnPrefs.setBase(base);
        for (uint16_t label : Labels) {
            double v = ConvertNumber(text.c_str(), label);
            if (base != BaseDecimal && !(v == std::trunc(v) && std::fabs(v) <= 4294967295.0)) {
                std::fprintf(stderr, "integer text gave %g\n", v);
                std::abort();
            }
        }
    }
    // The paste reader sees every byte, NULs included.
    const std::string_view pasted(reinterpret_cast<const char*>(data), size);
    for (unsigned base = 0; base < 4; ++base) {
        for (bool comma : {false, true}) {
            for (uint16_t word = LabelU8; word <= LabelS32; ++word) {
                PastedNumber n = ReadPastedNumber(pasted, base, comma, word);
                if (n.refusal != PasteAccepted)
                    continue;
                double low = IsSignedWord(word) ? -double((WordMask(word) >> 1) + 1) : 0.0;
                bool bad = !std::isfinite(n.value) ||
                           (base != BaseDecimal &&
                            (n.value != std::trunc(n.value) || n.value < low || n.value > double(WordMask(word))));
                if (bad) {
                    std::fprintf(stderr, "pasted text gave %.17g in base %u word %u\n", n.value, base, word);
                    std::abort();
                }
            }
        }
    }

    if (PlainDecimal(text)) {
        std::setlocale(LC_ALL, "C");
        double ours = ConvertDecimalNumber(text.c_str());
        errno = 0;
        double theirs = std::strtod(text.c_str(), nullptr);
        if (!(ours == theirs)) {
            std::fprintf(stderr, "\"%s\": %.17g, strtod %.17g\n", text.c_str(), ours, theirs);
            std::abort();
        }
        // Pasted plain decimal text reads as the C library reads it too,
        // where that is a normal number.
        PastedNumber n = ReadPastedNumber(text, BaseDecimal, false, LabelS32);
        bool normal = errno == 0 && (theirs == 0 || std::fabs(theirs) >= DBL_MIN);
        if (n.refusal == PasteAccepted && normal && !(n.value == theirs)) {
            std::fprintf(stderr, "pasted \"%s\": %.17g, strtod %.17g\n", text.c_str(), n.value, theirs);
            std::abort();
        }
    }
    return 0;
}
