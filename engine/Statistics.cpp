// SPDX-License-Identifier: GPL-3.0-or-later
#include "Statistics.h"

#include "Operators.h"
#include "Points.h"
#include "Registers.h"
#include "Scientific.h"
#include "ShiftedSums.h"
#include "Stack.h"
#include "Tape.h"

#include "core/Labels.h"
#include "core/State.h"

#include <cmath>

namespace {

double Sum(int r)
{
    return Regs.registers[r];
}

// What the results are computed from: the centred sums of squares and
// products and the means, as data shifted by (kx, ky).  From the accurate
// companions while they hold for the registers; otherwise from the
// registers' sums with the one-pass formulas, shift 0.
struct Moments {
    bool companions;
    double n, kx, ky, mx, my; // means of x - kx and y - ky
    double sxx, syy, sxy;
};

Moments FromSums()
{
    Moments m;
    m.companions = false;
    m.n = Sum(RegCount);
    m.kx = m.ky = 0.0;
    double sx = Sum(RegSumX), sy = Sum(RegSumY);
    m.mx = sx / m.n;
    m.my = sy / m.n;
    m.sxx = subtract(Sum(RegSumX2), sx * sx / m.n);
    m.syy = subtract(Sum(RegSumY2), sy * sy / m.n);
    m.sxy = subtract(Sum(RegSumXY), sx * sy / m.n);
    return m;
}

Moments CurrentMoments()
{
    if (!ShiftedSumsMatch())
        return FromSums();
    const CentredSums c = CentredFromShiftedSums();
    return {true, c.n, c.shiftX, c.shiftY, c.meanDx, c.meanDy, c.sxx, c.syy, c.sxy};
}

double MeanX(const Moments& m)
{
    return m.companions ? m.kx + m.mx : m.mx;
}

double MeanY(const Moments& m)
{
    return m.companions ? m.ky + m.my : m.my;
}

double Slope(const Moments& m)
{
    return m.sxy / m.sxx;
}

double Correlation(const Moments& m)
{
    return m.sxy / std::sqrt(m.sxx * m.syy);
}

// The intercept of the one-pass formulas, from the sums.
double Intercept(const Moments& m)
{
    return subtract(Sum(RegSumY) / m.n, Slope(m) * Sum(RegSumX) / m.n);
}

// The line's y at x.  The companions give it about the means, where
// nothing large cancels; the sums through the intercept.
double LineY(const Moments& m, double x)
{
    if (m.companions)
        return m.ky + (m.my + Slope(m) * ((x - m.kx) - m.mx));
    return Slope(m) * x + Intercept(m);
}

// The line's x at y.
double LineX(const Moments& m, double y)
{
    if (m.companions)
        return m.kx + (m.mx + ((y - m.ky) - m.my) / Slope(m));
    return subtract(y, Intercept(m)) / Slope(m);
}

// Adds (KeyAdd) or removes (KeySubtract) the point x = X, y = Y, in the
// registers, their companions and the list of points.
void Accumulate(KeyOp op)
{
    StoreLastX();
    const TapeValue xValue = TapeLevel(0), yValue = TapeLevel(1);
    double x = UnPrefs.stack[0], y = UnPrefs.stack[1];
    AddToSums(x, y, op == KeyAdd);
    if (op == KeyAdd)
        AppendPoint(x, y);
    else
        RemoveLastEqualPoint(x, y);
    StoreX(Sum(RegCount));
    LabelX(LabelN);
    UnPrefs.setLiftDisabledByKey(true);
    if (PeekOp() == KeyEnter)
        PopOp();
    RecordTape(TapeKind::Sigma, op == KeyAdd ? KeySigmaPlus : KeySigmaMinus, 2, xValue, yValue, TapeLevel(0));
}

void NewValue(double value, uint16_t label)
{
    LiftStackForNewValue();
    StoreX(value);
    LabelX(label);
}

// A standard deviation from a centred sum of squares, dividing by n - 1
// or by n.
double Deviation(double centred, const Moments& m, bool population)
{
    return std::sqrt(centred / (population ? m.n : m.n - 1));
}

// Deviations of x into X and of y into Y.
void Deviations(bool population)
{
    Moments m = CurrentMoments();
    LiftStackForNewValue();
    LiftStack();
    StoreX(Deviation(m.sxx, m, population));
    LabelX(population ? LabelPopSX : LabelSX);
    StoreY(Deviation(m.syy, m, population));
    LabelY(population ? LabelPopSY : LabelSY);
    RecordTape(TapeKind::Result, population ? KeyPopStdDev : KeyStdDev, 0, TapeLevel(0), TapeLevel(1));
}

void Estimate(bool ofX)
{
    Moments m = CurrentMoments();
    const TapeValue givenValue = TapeLevel(0);
    StoreLastX();
    LiftStack();
    double given = UnPrefs.stack[0];
    if (ofX) {
        StoreX(LineX(m, given));
        LabelX(LabelEstX);
        StoreY(Correlation(m));
        LabelY(LabelR);
    } else {
        StoreX(LineY(m, given));
        LabelX(LabelEstY);
        StoreY(Slope(m));
        LabelY(LabelM);
    }
    RecordTape(TapeKind::Result, ofX ? KeyEstimateX : KeyEstimateY, 1, givenValue, TapeLevel(0), TapeLevel(1));
}

} // namespace

void AddToSums(double x, double y, bool adding)
{
    const KeyOp op = adding ? KeyAdd : KeySubtract;
    // Sums kept in integer words are not the data the companions would sum.
    ShiftedStep step = IntegerRegisterArithmetic(op) ? ShiftedStep::Unused : ShiftedStepFor(adding);
    Store(x, 0, op, RegSumX);
    Store(x * x, 0, op, RegSumX2);
    Store(y, 0, op, RegSumY);
    Store(y * y, 0, op, RegSumY2);
    Store(x * y, 0, op, RegSumXY);
    Store(1.0, 0, op, RegCount);
    AccumulateShiftedSums(step, x, y, adding ? 1.0 : -1.0);
    if (!adding)
        CountRemovedTerms(x, y);
}

StatisticsResults CurrentStatisticsResults()
{
    const Moments m = CurrentMoments();
    StatisticsResults r;
    r.n = Sum(RegCount);
    r.meanX = MeanX(m);
    r.meanY = MeanY(m);
    r.sampleX = Deviation(m.sxx, m, false);
    r.sampleY = Deviation(m.syy, m, false);
    r.populationX = Deviation(m.sxx, m, true);
    r.populationY = Deviation(m.syy, m, true);
    r.slope = Slope(m);
    r.intercept = LineY(m, 0.0);
    r.correlation = Correlation(m);
    return r;
}

double LineAt(double x)
{
    return LineY(CurrentMoments(), x);
}

bool StatisticsOperation(KeyOp key)
{
    switch (int(key)) {
    case KeySigmaPlus: Accumulate(KeyAdd); return true;
    case KeySigmaMinus: Accumulate(KeySubtract); return true;
    case KeyRecallSumX: case KeyRecallSumX2: case KeyRecallSumY:
    case KeyRecallSumY2: case KeyRecallSumXY: case KeyRecallN: {
        int offset = key - KeyRecallSumX;
        Recall(KeyNone, RegSumX + offset);
        LabelX(uint16_t(offset == 5 ? LabelN : LabelSumX + offset));
        return true;
    }
    case KeyMeanX:
        NewValue(MeanX(CurrentMoments()), LabelMeanX);
        RecordResult(key);
        return true;
    case KeyWeightedMean:
        NewValue(Sum(RegSumXY) / Sum(RegSumY), LabelMeanXW);
        RecordResult(key);
        return true;
    case KeyMeanY:
        NewValue(MeanY(CurrentMoments()), LabelMeanY);
        RecordResult(key);
        return true;
    case KeyStdDev: Deviations(false); return true;
    case KeyPopStdDev: Deviations(true); return true;
    case KeyEstimateX: Estimate(true); return true;
    case KeyEstimateY: Estimate(false); return true;
    default: return false;
    }
}

void RecallStatisticsSums()
{
    NewValue(Sum(RegSumY), LabelSumY);
    LiftStack();
    StoreX(Sum(RegSumX));
    LabelX(LabelSumX);
}
