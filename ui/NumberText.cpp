// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include "format/ValueText.h"

QString ShownNumber(double value)
{
    return QString::fromStdString(ShownNumberText(value));
}
