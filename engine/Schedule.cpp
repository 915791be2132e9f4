// SPDX-License-Identifier: GPL-3.0-or-later
#include "Schedule.h"

#include "DecimalResults.h"

#include "core/Labels.h"
#include "core/State.h"

#include <algorithm>
#include <cmath>

namespace {

// A whole number from 1 to MaxSchedulePeriods, as whole numbers are read
// (DecimalResults.h: a solved 359.99999999999994 is 360), or 0.
unsigned WholeCount(double x)
{
    x = WholeValue(x);
    if (!(x >= 1 && x <= MaxSchedulePeriods) || x != std::trunc(x))
        return 0;
    return unsigned(x);
}

// Whether the last balance is the target as far as the amounts are kept:
// to the decimals shown in Fixed, else to the twelve digits of the
// display, relative to the size of the loan.
bool SameAmount(const Schedule& s, double balance)
{
    if (s.terms.decimals)
        return RoundAmount(s.terms, balance - s.target) == 0;
    const double scale = std::max({std::fabs(s.start), std::fabs(s.target), std::fabs(s.terms.payment), 1.0});
    return std::fabs(balance - s.target) <= 1e-9 * scale;
}

// Where row `index` of a schedule with rows lies: a period, a year or the
// totals (both 0).
void Locate(const Schedule& s, unsigned index, unsigned& period, unsigned& year)
{
    period = year = 0;
    if (s.periodsPerYear == 0) {
        period = index < s.periods ? index + 1 : 0;
        return;
    }
    // Each whole year is its periods and then its year row; a part year at
    // the end likewise; then the totals.
    const unsigned block = s.periodsPerYear + 1;
    const unsigned wholeYears = s.periods / s.periodsPerYear;
    const unsigned rest = s.periods % s.periodsPerYear;
    if (index < wholeYears * block) {
        const unsigned within = index % block;
        if (within < s.periodsPerYear)
            period = index / block * s.periodsPerYear + within + 1;
        else
            year = index / block + 1;
    } else if (rest > 0 && index - wholeYears * block <= rest) {
        const unsigned within = index - wholeYears * block;
        if (within < rest)
            period = wholeYears * s.periodsPerYear + within + 1;
        else
            year = wholeYears + 1;
    }
}

} // namespace

Schedule ReadSchedule()
{
    Schedule s;
    static const struct {
        int reg;
        LabelId label;
    } terms[] = {{RegN, LabelPeriods},   {RegInterest, LabelIYR},   {RegPresentValue, LabelPV},
                 {RegPayment, LabelPMT}, {RegFutureValue, LabelFV}, {RegPaymentsPerYear, LabelPYR}};
    for (const auto& term : terms) {
        if (!std::isfinite(double(Regs.registers[term.reg]))) {
            s.problem = ScheduleProblem::RegisterError;
            s.errorLabel = term.label;
            return s;
        }
    }
    s.periods = WholeCount(Regs.registers[RegN]);
    if (s.periods == 0)
        return s;
    s.problem = ScheduleProblem::None;
    s.periodsPerYear = WholeCount(Regs.registers[RegPaymentsPerYear]);
    s.terms = CurrentAmortization();
    s.start = AmortizationStart(s.terms);
    // + 0 turns -0 (of an FV of 0) into 0.
    s.target = RoundAmount(s.terms, -double(Regs.registers[RegFutureValue])) + 0.0;

    s.balances.reserve(s.periods);
    if (s.periodsPerYear)
        s.years.resize((s.periods + s.periodsPerYear - 1) / s.periodsPerYear);
    double balance = s.start;
    for (unsigned p = 0; p < s.periods; ++p) {
        const AmortizedPeriod period = AmortizePeriod(s.terms, balance, p);
        balance = period.balance;
        s.balances.push_back(balance);
        AddPeriod(s.terms, s.total, period);
        if (s.periodsPerYear)
            AddPeriod(s.terms, s.years[p / s.periodsPerYear], period);
    }
    s.endsAtTarget = SameAmount(s, balance);
    s.finalPayment = RoundAmount(s.terms, s.terms.payment + (s.target - balance));
    return s;
}

int ScheduleRowCount(const Schedule& s)
{
    if (s.problem != ScheduleProblem::None)
        return 0;
    return int(s.periods + s.years.size() + 1);
}

ScheduleRowKind ScheduleRowKindAt(const Schedule& s, int row)
{
    if (row < 0 || row >= ScheduleRowCount(s))
        return ScheduleRowKind::Total;
    unsigned period, year;
    Locate(s, unsigned(row), period, year);
    return period > 0 ? ScheduleRowKind::Period : year > 0 ? ScheduleRowKind::Year : ScheduleRowKind::Total;
}

ScheduleRow ScheduleRowAt(const Schedule& s, int row)
{
    ScheduleRow r;
    if (row < 0 || row >= ScheduleRowCount(s))
        return r;
    unsigned period, year;
    Locate(s, unsigned(row), period, year);
    if (period > 0) {
        const double before = period == 1 ? s.start : s.balances[period - 2];
        const AmortizedPeriod amortized = AmortizePeriod(s.terms, before, period - 1);
        r.kind = ScheduleRowKind::Period;
        r.number = period;
        r.payment = s.terms.payment;
        r.interest = amortized.interest;
        r.principal = amortized.principal;
        r.balance = amortized.balance;
        return r;
    }
    const AmortizationSums& sums = year > 0 ? s.years[year - 1] : s.total;
    r.kind = year > 0 ? ScheduleRowKind::Year : ScheduleRowKind::Total;
    r.number = year;
    r.payment = sums.payment;
    r.interest = sums.interest;
    r.principal = sums.principal;
    r.balance = s.balances[year > 0 ? std::min(year * s.periodsPerYear, s.periods) - 1 : s.periods - 1];
    return r;
}
