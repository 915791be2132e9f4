// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Calculator.h"
#include "format/Strings.h"
#include "ui/ClipboardText.h"

#include <QCoreApplication>

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
