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

// Adds (or removes) the point (x, y) to the six sums as Σ+ (Σ−) does,
// with their accurate companions, and counts a point removed for
// PointsAgree; the list of points and the stack are left alone.
void AddToSums(double x, double y, bool adding);

// The results of the keys as they would be now, from the same sums and by
// the same means: n (n), mean x and y (x̄, ȳ), sample and population
// deviations (s, σ), and the line: the slope m and r (the Y of ŷ and x̂)
// and the intercept b (ŷ at x = 0).  "error" results are NaN or infinite.
struct StatisticsResults {
    double n;
    double meanX, meanY;
    double sampleX, sampleY;
    double populationX, populationY;
    double slope, intercept, correlation;
};
StatisticsResults CurrentStatisticsResults();

// The line's y at x, as ŷ gives it.
double LineAt(double x);
