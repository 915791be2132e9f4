// SPDX-License-Identifier: GPL-3.0-or-later
#include "Amortization.h"

#include "Scientific.h"

#include "core/State.h"

#include <cmath>

namespace {

// rnd() sets show-all aside for the digit setting to count; a schedule that
// is only read leaves it as it was.
double RoundAsShown(double x, int digits)
{
    const bool showAll = UnPrefs.showAll();
    const double rounded = rnd(x, digits);
    UnPrefs.setShowAll(showAll);
    return rounded;
}

} // namespace

AmortizationTerms CurrentAmortization()
{
    AmortizationTerms terms;
    terms.digits = int(Prefs.digits());
    // With a fixed number of decimals the schedule is kept in those
    // decimals, as a lender keeps it in cents: the balance after every
    // period, and each interest rounded from the product normalised to 14
    // digits, so that binary noise cannot turn a half cent the other way.
    terms.decimals = Prefs.displayFormat() == FormatFixed && terms.digits != 0;
    terms.rate = double(Regs.registers[RegInterest]) / double(Regs.registers[RegPaymentsPerYear]) / 100;
    terms.payment = RoundAsShown(Regs.registers[RegPayment], terms.digits);
    terms.begin = Prefs.beginMode();
    return terms;
}

double AmortizationStart(const AmortizationTerms& terms)
{
    return RoundAsShown(Regs.registers[RegPresentValue], terms.digits);
}

double RoundAmount(const AmortizationTerms& terms, double amount)
{
    return terms.decimals ? RoundAsShown(amount, terms.digits) : amount;
}

AmortizedPeriod AmortizePeriod(const AmortizationTerms& terms, double balance, unsigned p)
{
    const double product = terms.decimals ? norm(balance * terms.rate) : balance * terms.rate;
    const double interest = (terms.begin && p == 0) ? 0.0 : RoundAsShown(product, terms.digits);
    AmortizedPeriod period;
    period.interest = terms.payment < 0 ? -std::fabs(interest) : std::fabs(interest);
    period.principal = RoundAmount(terms, terms.payment + interest);
    period.balance = RoundAmount(terms, balance + period.principal);
    return period;
}

void AddPeriod(const AmortizationTerms& terms, AmortizationSums& sums, const AmortizedPeriod& period)
{
    sums.payment = RoundAmount(terms, sums.payment + terms.payment);
    sums.interest = RoundAmount(terms, sums.interest + period.interest);
    sums.principal = RoundAmount(terms, sums.principal + period.principal);
}
