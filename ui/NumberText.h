// SPDX-License-Identifier: GPL-3.0-or-later
// A number as the display shows it, for the side windows that show
// numbers in tables, labels and charts.
#pragma once

#include <QString>

// The number text of a value without label in the current format, base,
// digits and radix mark, grouped as the display groups it; "error" for a
// value the display cannot show.
QString ShownNumber(double value);
