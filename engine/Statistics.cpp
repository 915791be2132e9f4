#include "Statistics.h"

#include "Operators.h"
#include "Registers.h"
#include "Scientific.h"
#include "Stack.h"

#include "core/Labels.h"
#include "core/State.h"

#include <cmath>

namespace {

double Sum(int r)
{
    return Regs.registers[r];
}

// The centred sums of squares and products of the least-squares line.
struct Moments {
    double n, sxx, syy, sxy;
};

Moments CentredSums()
{
    Moments m;
    m.n = Sum(RegCount);
    double sx = Sum(RegSumX), sy = Sum(RegSumY);
    m.sxx = subtract(Sum(RegSumX2), sx * sx / m.n);
    m.syy = subtract(Sum(RegSumY2), sy * sy / m.n);
    m.sxy = subtract(Sum(RegSumXY), sx * sy / m.n);
    return m;
}

double Slope(const Moments& m)
{
    return m.sxy / m.sxx;
}

double Intercept(const Moments& m)
{
    return subtract(Sum(RegSumY) / m.n, Slope(m) * Sum(RegSumX) / m.n);
}

double Correlation(const Moments& m)
{
    return m.sxy / std::sqrt(m.sxx * m.syy);
}

// Adds (KeyAdd) or removes (KeySubtract) the point x = X, y = Y.
void Accumulate(KeyOp op)
{
    StoreLastX();
    double x = UnPrefs.stack[0], y = UnPrefs.stack[1];
    Store(x, 0, op, RegSumX);
    Store(x * x, 0, op, RegSumX2);
    Store(y, 0, op, RegSumY);
    Store(y * y, 0, op, RegSumY2);
    Store(x * y, 0, op, RegSumXY);
    Store(1.0, 0, op, RegCount);
    StoreX(Sum(RegCount));
    LabelX(LabelN);
    UnPrefs.setLiftDisabledByKey(true);
    if (PeekOp() == KeyEnter)
        PopOp();
}

void NewValue(double value, uint16_t label)
{
    LiftStackForNewValue();
    StoreX(value);
    LabelX(label);
}

// Deviations of x into X and of y into Y, dividing by n - 1 or by n.
void Deviations(bool population)
{
    Moments m = CentredSums();
    double d = population ? m.n : m.n - 1;
    LiftStackForNewValue();
    LiftStack();
    StoreX(std::sqrt(m.sxx / d));
    LabelX(population ? LabelPopSX : LabelSX);
    StoreY(std::sqrt(m.syy / d));
    LabelY(population ? LabelPopSY : LabelSY);
}

void Estimate(bool ofX)
{
    Moments m = CentredSums();
    StoreLastX();
    LiftStack();
    double given = UnPrefs.stack[0];
    if (ofX) {
        StoreX(subtract(given, Intercept(m)) / Slope(m));
        LabelX(LabelEstX);
        StoreY(Correlation(m));
        LabelY(LabelR);
    } else {
        StoreX(Slope(m) * given + Intercept(m));
        LabelX(LabelEstY);
        StoreY(Slope(m));
        LabelY(LabelM);
    }
}

} // namespace

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
    case KeyMeanX: NewValue(Sum(RegSumX) / Sum(RegCount), LabelMeanX); return true;
    case KeyWeightedMean: NewValue(Sum(RegSumXY) / Sum(RegSumY), LabelMeanXW); return true;
    case KeyMeanY: NewValue(Sum(RegSumY) / Sum(RegCount), LabelMeanY); return true;
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
