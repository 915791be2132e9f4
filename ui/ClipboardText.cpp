// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/State.h"
#include "engine/Calculator.h"
#include "engine/Programmer.h"
#include "format/Format.h"
#include "format/Strings.h"
#include "ui/ClipboardText.h"

#include <QCoreApplication>

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
    return CopyNumberText(x, label);
}

QString CopyNumberText(double value, uint16_t label)
{
    char text[FormatBufferSize];
    if (FormatNumber(value, label, text, true) != FormatOk)
        return QString();
    QString copied = QString::fromLatin1(text);
    // Only decimal text, and zero in any base ("0."), has a radix mark.
    if (Prefs.commaRadix())
        copied.replace(QLatin1Char('.'), QLatin1Char(','));
    return copied;
}

PastedNumber PasteClipboardText(const QString& clipboard)
{
    const QByteArray text = clipboard.toUtf8();
    return PasteNumber(std::string_view(text.constData(), std::size_t(text.size())));
}

QString PasteRefusalNotice(const PastedNumber& number)
{
    switch (number.refusal) {
    case PasteTooLarge:
        return QCoreApplication::translate("CalculatorForm", "Not pasted: the number is too large.");
    case PasteDoesNotFitWord:
        return QCoreApplication::translate("CalculatorForm", "Not pasted: the number does not fit the %1 word.")
            .arg(QString::fromLatin1(GetString(number.wordLabel)));
    default:
        return QCoreApplication::translate("CalculatorForm", "Not pasted: the clipboard holds no single number.");
    }
}
