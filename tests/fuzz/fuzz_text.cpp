// Arbitrary text read as a number in every base and word size, and pasted
// from the clipboard, must never crash, and decimal text must read exactly
// as the C library reads it in the "C" locale.
#include "core/State.h"
#include "format/Format.h"

#ifdef TOVRIN_FUZZ_PASTE
#include "ui/ClipboardText.h"
#endif

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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
#ifdef TOVRIN_FUZZ_PASTE
    // The paste path: any clipboard text becomes a short number text.
    const QString clipboard = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    for (unsigned base = 0; base < 4; ++base) {
        UnPrefs.setBase(base);
        QByteArray number = PasteText(clipboard);
        if (number.size() > PasteTextLength) {
            std::fprintf(stderr, "pasted text of %d characters\n", int(number.size()));
            std::abort();
        }
        ConvertNumber(number.constData(), 1929);
    }
#endif
    if (PlainDecimal(text)) {
        std::setlocale(LC_ALL, "C");
        double ours = ConvertDecimalNumber(text.c_str());
        double theirs = std::strtod(text.c_str(), nullptr);
        if (!(ours == theirs)) {
            std::fprintf(stderr, "\"%s\": %.17g, strtod %.17g\n", text.c_str(), ours, theirs);
            std::abort();
        }
    }
    return 0;
}
