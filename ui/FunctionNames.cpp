// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FunctionNames.h"

#include "core/State.h"

#include <QCoreApplication>

namespace {

// In the context of the main window, where the names first appeared.
const char* const FunctionNames[FunctionCount] = {
    QT_TRANSLATE_NOOP("CalculatorForm", "Standard"),   QT_TRANSLATE_NOOP("CalculatorForm", "Financial"),
    QT_TRANSLATE_NOOP("CalculatorForm", "Scientific"), QT_TRANSLATE_NOOP("CalculatorForm", "Statistical"),
    QT_TRANSLATE_NOOP("CalculatorForm", "Programmer"), QT_TRANSLATE_NOOP("CalculatorForm", "Conversion"),
    QT_TRANSLATE_NOOP("CalculatorForm", "User"),
};

} // namespace

QString FunctionName(int function)
{
    if (function < 0 || function >= FunctionCount)
        return QString();
    return QCoreApplication::translate("CalculatorForm", FunctionNames[function]);
}
