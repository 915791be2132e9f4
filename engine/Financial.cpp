// SPDX-License-Identifier: GPL-3.0-or-later
#include "Financial.h"

#include "Amortization.h"
#include "Operators.h"
#include "Registers.h"
#include "Scientific.h"
#include "Stack.h"
#include "Tape.h"

#include "core/Labels.h"
#include "core/State.h"

#include <cmath>
#include <initializer_list>

namespace {

double Reg(int r)
{
    return Regs.registers[r];
}

// The functions whose roots the rate keys solve for are evaluated in the
// platform's extended precision.  In double precision their rounding noise
// near a root is a few units in the last place of the terms, which moves
// the root by several units in its own last place: enough to turn the last
// of the twelve shown digits.
using Precise = long double;

// Periodic rate of an annual nominal rate in percent.
template <typename Real>
Real PeriodicRate(Real annualPercent)
{
    return annualPercent / Reg(RegPaymentsPerYear) / 100;
}

// 1 in begin mode, 0 in end mode.
double BeginFactor()
{
    return Prefs.beginMode() ? 1.0 : 0.0;
}

// v = (1 + i)^-n and 1 - v.  Through log1p and expm1 where the logarithm
// exists, so that rates close to 0 keep their precision.
template <typename Real>
struct Discount {
    Real v, oneMinusV;
};

template <typename Real>
Discount<Real> DiscountFactor(Real i, Real n)
{
    if (1 + i > 0) {
        Real e = -n * std::log1p(i);
        return {std::exp(e), -std::expm1(e)};
    }
    Real v = std::pow(1 + i, -n);
    return {v, 1 - v};
}

// Present value of an annuity of n unit payments at the end of each period:
// (1 - v) / i, or n at a rate of exactly 0.
template <typename Real>
Real AnnuityFactor(Real i, Real n)
{
    if (i == 0)
        return n;
    return DiscountFactor(i, n).oneMinusV / i;
}

// The time value of money for register N, PV, PMT or FV.
double ComputeTvm(int r)
{
    double i = PeriodicRate(Reg(RegInterest));
    double n = Reg(RegN), pv = Reg(RegPresentValue), pmt = Reg(RegPayment), fv = Reg(RegFutureValue);
    if (i == 0) {
        // At a zero rate PV + PMT * N + FV = 0.
        switch (r) {
        case RegN: return -(pv + fv) / pmt;
        case RegPresentValue: return -pmt * n - fv;
        case RegPayment: return -(pv + fv) / n;
        default: return -pv - pmt * n;
        }
    }
    double k = 1 + i * BeginFactor();
    switch (r) {
    case RegN: {
        // N = ln(A / B) / ln(1 + i), with A / B = 1 + i (PV + FV) / B written
        // as one log1p so that a small rate does not cancel A against B.
        double a = i * fv - k * pmt, b = -i * pv - k * pmt;
        if ((a >= 0 && b >= 0) || (a < 0 && b < 0))
            return std::log1p(i * (pv + fv) / b) / std::log1p(i);
        return NAN;
    }
    case RegPresentValue: {
        Discount<double> d = DiscountFactor(i, n);
        return -k * pmt * d.oneMinusV / i - fv * d.v;
    }
    case RegPayment: {
        Discount<double> d = DiscountFactor(i, n);
        return (-pv - fv * d.v) / (k * d.oneMinusV / i);
    }
    default: {
        Discount<double> d = DiscountFactor(i, n);
        return (-pv - k * pmt * d.oneMinusV / i) / d.v;
    }
    }
}

bool IsBadNumber(double x)
{
    return std::isnan(x) || std::isinf(x);
}

// Bisection on [a, b], where f(a) and f(b) have opposite signs, down to the
// secant method's tolerance.
double Bisect(double (*f)(double), double a, double fa, double b)
{
    for (int step = 0; step < 200; ++step) {
        double m = a + (b - a) / 2;
        if (m == a || m == b)
            return m;
        double fm = f(m);
        if (std::fabs(fm) < 1e-15 || std::fabs(b - a) < 1e-10)
            return m;
        if ((fm < 0) == (fa < 0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return a + (b - a) / 2;
}

// The store-or-compute preparation: a typed number completes the pending
// operations and disables lift; otherwise lift for the computed value.
bool StorePath()
{
    if (UnPrefs.entering()) {
        PerformPendingOperation(false, false);
        UnPrefs.setLiftDisabledByKey(true);
        return true;
    }
    return false;
}

double ComputePaymentsPerYear();

// Store-or-compute: keeps a typed X or computes the value, copies X into the
// register, labels X and puts a computed value on the tape.  False when the
// register refused a typed X.
bool StoreOrCompute(KeyOp key, int r, uint16_t label, double (*compute)())
{
    bool computed = !StorePath();
    if (computed) {
        if (UnPrefs.liftEnabled())
            LiftStack();
        StoreX(compute());
    } else if (!RegisterAccepts(r, UnPrefs.stack[0])) {
        RefuseX();
        return false;
    }
    Regs.registers[r] = double(UnPrefs.stack[0]);
    LabelX(label);
    RegsChanged = 1;
    // Computing P/YR only recalls it.
    if (computed && compute != ComputePaymentsPerYear)
        RecordResult(key);
    return true;
}

double ComputeN() { return tvm(RegN); }
double ComputePv() { return tvm(RegPresentValue); }
double ComputePmt() { return tvm(RegPayment); }
double ComputeFv() { return tvm(RegFutureValue); }
double ComputeInterest()
{
    double g = Reg(RegInterest);
    return solve_wide(rate, subtract(g, 0.1), g + 0.1);
}
double ComputePaymentsPerYear() { return Reg(RegPaymentsPerYear); }
// (1 + x)^p - 1, through log1p and expm1 where the logarithm exists, so that
// a small rate keeps its digits.
double CompoundGrowth(double x, double p)
{
    if (1 + x > 0)
        return std::expm1(p * std::log1p(x));
    return subtract(std::pow(1 + x, p), 1);
}
double ComputeNominal()
{
    double p = Reg(RegPaymentsPerYear);
    return 100 * p * CompoundGrowth(Reg(RegEffectiveRate) / 100, 1 / p);
}
double ComputeEffective()
{
    double p = Reg(RegPaymentsPerYear);
    return 100 * CompoundGrowth(Reg(RegInterest) / (100 * p), p);
}
double ComputeCost()
{
    if (UnPrefs.markupMode())
        return Reg(RegPrice) * 100 / (Reg(RegMargin) + 100);
    return subtract(100, Reg(RegMargin)) * Reg(RegPrice) / 100;
}
double ComputePrice()
{
    if (UnPrefs.markupMode())
        return Reg(RegCost) * (Reg(RegMargin) + 100) / 100;
    return Reg(RegCost) * 100 / subtract(100, Reg(RegMargin));
}
double ComputeMargin() { return subtract(Reg(RegPrice), Reg(RegCost)) / Reg(RegPrice) * 100; }
double ComputeMarkup() { return subtract(Reg(RegPrice), Reg(RegCost)) / Reg(RegCost) * 100; }

bool CashFlow()
{
    int j = Regs.lastRegister + 1;
    // Below 0 only after a damaged record.
    if (j < 0 || j > UserRegisterCount - 1)
        return false;
    StorePath();
    Regs.lastRegister = int16_t(j);
    Regs.registers[j] = double(UnPrefs.stack[0]);
    Regs.cashFlowCount[j] = 1;
    LabelX(LabelCFj);
    UnPrefs.stackLabelIndex[0] = uint16_t(j);
    RegsChanged = 1;
    return true;
}

bool CashFlowCount()
{
    int j = Regs.lastRegister;
    // Only a damaged record holds an index beyond the last cash flow.
    if (j < 0 || j >= UserRegisterCount)
        return false;
    StorePath();
    if (!ValidCashFlowCount(UnPrefs.stack[0])) {
        RefuseX();
        return true;
    }
    Regs.cashFlowCount[j] = int32_t(double(UnPrefs.stack[0]));
    LabelX(LabelNj);
    UnPrefs.stackLabelIndex[0] = uint16_t(j);
    RegsChanged = 1;
    return true;
}

} // namespace

double tvm(int r)
{
    if (r == RegN || r == RegPresentValue || r == RegPayment || r == RegFutureValue)
        return ComputeTvm(r);
    return Reg(r);
}

double rate(double x)
{
    Precise i = PeriodicRate<Precise>(x);
    Precise n = Reg(RegN), pv = Reg(RegPresentValue), pmt = Reg(RegPayment), fv = Reg(RegFutureValue);
    if (i == 0)
        return double(pv + pmt * n + fv);
    Precise k = 1 + i * BeginFactor();
    Discount<Precise> d = DiscountFactor(i, n);
    return double(pv + k * pmt * d.oneMinusV / i + fv * d.v);
}

double npv(double x)
{
    Precise i = PeriodicRate<Precise>(x);
    Precise result = Reg(0);
    Precise periods = 0;
    for (int j = 1; j < UserRegisterCount; ++j) {
        int32_t count = Regs.cashFlowCount[j];
        if (count <= 0)
            break;
        Precise deferral = i == 0 ? 1 : DiscountFactor(i, periods).v;
        result += Reg(j) * AnnuityFactor<Precise>(i, count) * deferral;
        periods += count;
    }
    return double(result);
}

double irr(double guess)
{
    return solve_wide(npv, subtract(guess, 0.1), guess + 0.1);
}

// A safeguarded secant method.  It keeps the better of the last two points
// in b and steps from the secant through a and b, but never more than 100
// widths of the last step, so that a flat stretch cannot throw it far away.
// It stops when |f(b)| < 1e-15 (a root to the last bits), when |f(b)| and
// the step are both below 1e-10 (near enough for solve_wide to polish),
// or when a step no longer moves b: then b counts only if |f| < 1e-5, a
// residue no rate or cash-flow sum shows.  The 50-step cap bounds the work
// of one key: convergent cases take under 40 steps even from a far start,
// and a function without a root gives NaN instead of wandering.
double solve(double (*f)(double), double x0, double x1)
{
    double a = x0, b = x1, fa = f(a), fb = f(b);
    if (std::fabs(fb) > std::fabs(fa)) {
        std::swap(a, b);
        std::swap(fa, fb);
    }
    for (int step = 0;; ++step) {
        if (step == 50)
            return NAN;
        if (std::fabs(fb) < 1e-15)
            return b;
        if (std::fabs(fb) < 1e-10 && std::fabs(b - a) < 1e-10)
            return b;
        double s = fb / fa, p = (a - b) * s, q = 1 - s;
        double c = b - p / q;
        double width = std::fabs(b - a);
        if (std::fabs(c - b) > 10 * width)
            c = c > b ? b + 100 * width : b - 100 * width;
        double fc = f(c);
        if (IsBadNumber(fc)) {
            c += 1e-15;
            fc = f(c);
        }
        if (std::fabs(b - c) < 1e-30 * std::fabs(c))
            return std::fabs(fc) < 1e-5 ? c : NAN;
        if (std::fabs(fc) > std::fabs(fb)) {
            a = c;
            fa = fc;
        } else {
            a = b;
            fa = fb;
            b = c;
            fb = fc;
        }
    }
}

namespace {

// Finds a and b around x, no farther than about 0.1 from it, where f has
// opposite signs; false when there are none.
bool BracketNear(double (*f)(double), double x, double* a, double* fa, double* b, double* fb)
{
    double fx = f(x);
    for (double h = 1e-10 * std::fmax(1, std::fabs(x)); h < 0.2; h *= 4) {
        for (double y : {x - h, x + h}) {
            double fy = f(y);
            if (!IsBadNumber(fy) && !IsBadNumber(fx) && (fy < 0) != (fx < 0)) {
                *a = std::fmin(x, y);
                *b = std::fmax(x, y);
                *fa = x < y ? fx : fy;
                *fb = x < y ? fy : fx;
                return true;
            }
        }
    }
    return false;
}

// The solvers stop within about 1e-10 of a root, at a place that depends on
// where they started.  This finishes the job on an interval around the root
// where f changes sign: secant steps through its ends, each replacing the end
// of the same sign, until a step lands on an end and so no longer changes
// the double.  On the narrow interval the solvers leave that takes two or
// three steps, and the double reached no longer depends on the start; the
// cap bounds the work on a wide interval, where the steps can be slow.
double PolishInBracket(double (*f)(double), double x)
{
    double a, fa, b, fb;
    if (!BracketNear(f, x, &a, &fa, &b, &fb))
        return x;
    double fx = x == a ? fa : fb;
    for (int step = 0; step < 20; ++step) {
        double c = b - fb * (b - a) / (fb - fa);
        if (!(c > a && c < b))
            c = a + (b - a) / 2;
        if (c == a || c == b)
            break;
        double fc = f(c);
        if (fc == 0)
            return c;
        if ((fc < 0) == (fa < 0)) {
            a = c;
            fa = fc;
        } else {
            b = c;
            fb = fc;
        }
    }
    double best = std::fabs(fa) < std::fabs(fb) ? a : b;
    return std::fmin(std::fabs(fa), std::fabs(fb)) <= std::fabs(fx) ? best : x;
}

// A polished root; exactly 0 where it lies within the solvers' tolerance of
// 0 and f vanishes there, as it does for cash flows that sum to 0.
double Polish(double (*f)(double), double x)
{
    x = PolishInBracket(f, x);
    if (std::fabs(x) < 1e-10 && f(0) == 0)
        return 0;
    return x;
}

} // namespace

double solve_wide(double (*f)(double), double x0, double x1)
{
    double root = solve(f, x0, x1);
    if (!std::isnan(root))
        return Polish(f, root);

    // Scan periodic rates from just above -100 % to 500 % on a logarithmic
    // scale of 1 + i, and take the sign change nearest to the start value.
    const int steps = 2000;
    const double low = std::log(1e-4), high = std::log(6.0);
    double scale = Reg(RegPaymentsPerYear) * 100;
    double start = (x0 + x1) / 2;
    double bestA = NAN, bestFa = NAN, bestB = NAN, bestDistance = INFINITY;
    double prevX = NAN, prevF = NAN;
    for (int k = 0; k <= steps; ++k) {
        double x = std::expm1(low + (high - low) * k / steps) * scale;
        double fx = f(x);
        if (IsBadNumber(fx)) {
            prevX = NAN;
            continue;
        }
        if (fx == 0)
            return x;
        if (!std::isnan(prevX) && (fx < 0) != (prevF < 0)) {
            double distance = std::fabs((prevX + x) / 2 - start);
            if (distance < bestDistance) {
                bestDistance = distance;
                bestA = prevX;
                bestFa = prevF;
                bestB = x;
            }
        }
        prevX = x;
        prevF = fx;
    }
    if (std::isnan(bestA))
        return NAN;
    return Polish(f, Bisect(f, bestA, bestFa, bestB));
}

bool HandleRegisters(KeyOp key)
{
    switch (int(key)) {
    case KeyN: StoreOrCompute(KeyN, RegN, LabelPeriods, ComputeN); return true;
    case KeyInterest: StoreOrCompute(KeyInterest, RegInterest, LabelIYR, ComputeInterest); break;
    case KeyPresentValue: StoreOrCompute(KeyPresentValue, RegPresentValue, LabelPV, ComputePv); break;
    case KeyPayment: StoreOrCompute(KeyPayment, RegPayment, LabelPMT, ComputePmt); break;
    case KeyFutureValue: StoreOrCompute(KeyFutureValue, RegFutureValue, LabelFV, ComputeFv); return true;
    case KeyPaymentsPerYear:
        if (!StoreOrCompute(KeyPaymentsPerYear, RegPaymentsPerYear, LabelPYR, ComputePaymentsPerYear))
            return true;
        break;
    case KeyNominalRate: StoreOrCompute(KeyNominalRate, RegInterest, LabelNomPercent, ComputeNominal); break;
    case KeyEffectiveRate:
        StoreOrCompute(KeyEffectiveRate, RegEffectiveRate, LabelEffPercent, ComputeEffective);
        return true;
    case KeyCost: StoreOrCompute(KeyCost, RegCost, LabelCost, ComputeCost); return true;
    case KeyPrice: StoreOrCompute(KeyPrice, RegPrice, LabelPrice, ComputePrice); return true;
    case KeyMargin:
        StoreOrCompute(KeyMargin, RegMargin, LabelMargin, ComputeMargin);
        UnPrefs.setMarkupMode(false);
        return true;
    case KeyMarkup:
        StoreOrCompute(KeyMarkup, RegMargin, LabelMarkup, ComputeMarkup);
        UnPrefs.setMarkupMode(true);
        return true;
    case KeyTimesPaymentsPerYear: {
        const TapeValue years = TapeLevel(0);
        StoreX(double(UnPrefs.stack[0]) * Reg(RegPaymentsPerYear));
        Regs.registers[RegN] = double(UnPrefs.stack[0]);
        LabelX(LabelPeriods);
        UnPrefs.setLiftDisabledByKey(true);
        RegsChanged = 1;
        RecordFunction(key, false, years);
        return true;
    }
    case KeyDividePaymentsPerYear: {
        const TapeValue periods = TapeLevel(0);
        UnPrefs.stack[0] = double(UnPrefs.stack[0]) / Reg(RegPaymentsPerYear);
        RecordFunction(key, false, periods);
        return true;
    }
    case KeyCashFlow: return CashFlow();
    case KeyCashFlowCount: return CashFlowCount();
    default: return false;
    }
    // The keys that change the loan start the amortization again from PV.
    UnPrefs.amortBalance = 0.0;
    return true;
}

void amort(bool continueFromBalance)
{
    const AmortizationTerms terms = CurrentAmortization();
    if (double(UnPrefs.amortBalance) == 0.0)
        continueFromBalance = false;
    if (!continueFromBalance)
        UnPrefs.amortBalance = AmortizationStart(terms);
    if (UnPrefs.amortStart == 0 || UnPrefs.amortEnd == 0) {
        UnPrefs.amortStart = 1;
        UnPrefs.amortEnd = 1;
    }
    unsigned start = UnPrefs.amortStart, end = UnPrefs.amortEnd;
    double balance = UnPrefs.amortBalance;
    AmortizationSums sums;
    for (unsigned p = continueFromBalance ? start - 1 : 0; p < end; ++p) {
        const AmortizedPeriod period = AmortizePeriod(terms, balance, p);
        balance = period.balance;
        if (start <= p + 1 && p + 1 <= end)
            AddPeriod(terms, sums, period);
    }
    const double totalInterest = sums.interest, totalPrincipal = sums.principal;
    UnPrefs.amortBalance = balance;
    UnPrefs.amortInterest = totalInterest;
    UnPrefs.amortPrincipal = totalPrincipal;

    if (UnPrefs.liftEnabled())
        LiftStack();
    StoreX(balance);
    LabelX(LabelBal);
    LiftStack();
    StoreX(totalPrincipal);
    LabelX(LabelPrin);
    LiftStack();
    StoreX(totalInterest);
    LabelX(LabelInt);
    UnPrefs.lastOperator = KeyAmortize;
    UnPrefs.amortRepeat = 2;
    TapeEntry& entry = RecordTape(TapeKind::Amortization, KeyAmortize, 0, TapeLevel(0), TapeLevel(1), TapeLevel(2));
    entry.tag = uint16_t(start);
    entry.tag2 = uint16_t(end);
}

void amort_next()
{
    double start = UnPrefs.amortStart, end = UnPrefs.amortEnd;
    if (start == 0 || end == 0)
        start = end = 0; // the cleared range, which moves to 1..1
    double count = end - start + 1;
    if (!ValidAmortizationRange(start + count, end + count)) {
        RefuseX();
        return;
    }
    UnPrefs.amortStart = uint16_t(start + count);
    UnPrefs.amortEnd = uint16_t(end + count);
    amort(true);
}

bool amort_repeat()
{
    switch (int(UnPrefs.amortRepeat)) {
    case 2:
        StoreX(UnPrefs.amortPrincipal);
        LabelX(LabelPrin);
        UnPrefs.amortRepeat = 1;
        break;
    case 1:
        StoreX(UnPrefs.amortBalance);
        LabelX(LabelBal);
        UnPrefs.amortRepeat = 0;
        break;
    default:
        amort_next();
        break;
    }
    return true;
}

namespace {

bool WholeNumberIn(double x, double low, double high)
{
    return x >= low && x <= high && x == std::trunc(x);
}

} // namespace

bool ValidCashFlowCount(double x)
{
    return WholeNumberIn(x, 0, MaxCashFlowCount);
}

bool ValidAmortizationRange(double start, double end)
{
    return WholeNumberIn(start, 1, MaxPeriod) && WholeNumberIn(end, start, MaxPeriod);
}

bool RegisterAccepts(int r, double x)
{
    return r != RegPaymentsPerYear || (x > 0 && std::isfinite(x));
}

void RefuseX()
{
    StoreLastX();
    StoreX(NAN);
    UnPrefs.setLiftDisabledByKey(true);
}
