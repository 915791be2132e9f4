#include "core/State.h"
#include "engine/Programmer.h"
#include "format/Format.h"
#include "ui/ClipboardText.h"

namespace {

// The binary text of a whole word: groups of eight digits, most significant
// first, as many groups as the word's bits need.  The display shows only
// half of a word over 16 bits; the clipboard gets all of it.
QString WholeBinaryWord(uint32_t word)
{
    int groups = 1;
    while (groups < 4 && (word >> (8 * groups)) != 0)
        ++groups;
    QString text;
    for (int g = groups - 1; g >= 0; --g) {
        text += QStringLiteral("%1").arg((word >> (8 * g)) & 0xFF, 8, 2, QLatin1Char('0'));
        if (g > 0)
            text += QLatin1Char(' ');
    }
    return text;
}

bool IsDigitOfBase(QChar c, unsigned base)
{
    switch (base) {
    case BaseBinary: return c == QLatin1Char('0') || c == QLatin1Char('1');
    case BaseOctal: return c >= QLatin1Char('0') && c <= QLatin1Char('7');
    case BaseHexadecimal:
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
    default: return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    }
}

} // namespace

QString CopyText()
{
    double x = UnPrefs.stack[0];
    uint16_t label = UnPrefs.stackLabel[0];
    if (UnPrefs.base() == BaseBinary) {
        uint16_t word = IntegerUnitDefaultS32(label);
        uint32_t bits = IntegerAsUnsigned32(x, word) & IntegerMask(word);
        if (bits > 0xFFFF)
            return WholeBinaryWord(bits);
    }
    char text[FormatBufferSize];
    if (FormatNumber(x, label, text, true) != FormatOk)
        return QString();
    return QString::fromLatin1(text);
}

QByteArray PasteText(const QString& clipboard)
{
    unsigned base = UnPrefs.base();
    int start = 0;
    while (start < clipboard.size() && !IsDigitOfBase(clipboard[start], base))
        ++start;
    if (base == BaseDecimal && start < clipboard.size()) {
        // A radix point and a minus sign just before the first digit belong
        // to the number: "-2.5", ".5" and "-.5" read as they are written.
        if (start > 0 && clipboard[start - 1] == QLatin1Char('.'))
            --start;
        if (start > 0 && clipboard[start - 1] == QLatin1Char('-'))
            --start;
    }

    QByteArray text;
    for (int i = start; i < clipboard.size() && text.size() < PasteTextLength; ++i) {
        char16_t c = clipboard[i].unicode();
        if (c == 0 || c > 0xFF)
            break;
        if (base != BaseDecimal && c == u' ')
            continue;
        text += char(c);
    }
    return text;
}
