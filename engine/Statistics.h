// SPDX-License-Identifier: GPL-3.0-or-later
// Two-variable statistics over the running sums in registers 110..115 and
// their accurate companions (ShiftedSums.h).
#pragma once

#include "core/KeyOp.h"

// Carries out a statistics key (accumulate or remove a point, recall a sum,
// means, deviations, estimates); false for every other key.
bool StatisticsOperation(KeyOp key);

// Recall of the sums as a pair: sum y in Y and sum x in X.
void RecallStatisticsSums();
