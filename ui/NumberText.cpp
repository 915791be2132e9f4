// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include "core/State.h"
#include "format/ValueText.h"

QString ShownNumber(double value)
{
    ValueTexts texts;
    ValueText(value, 0, NoLabelIndex, texts);
    return QString::fromUtf8(texts.number);
}
