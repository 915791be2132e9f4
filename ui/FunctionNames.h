// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the seven functions, translated, as the function selector,
// the quick switch and the Keys window show them.
#pragma once

#include <QString>

// The name of the function (FunctionStandard...FunctionUser); an empty
// text for a number outside them.
QString FunctionName(int function);
