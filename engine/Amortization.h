// SPDX-License-Identifier: GPL-3.0-or-later
// The amortization of a loan, one period at a time, rounded as the keys
// round it.  AMRT and NEXT add up its periods, and the loan schedule shows
// them one by one, so that the schedule's sums are AMRT's by construction.
#pragma once

// What every period of the current loan is computed from.
struct AmortizationTerms {
    double rate;     // periodic rate: I/YR / P/YR / 100
    double payment;  // PMT rounded as the display shows it
    int digits;      // the digit setting the amounts are rounded with
    bool decimals;   // Fixed with decimals: every amount is kept in them
    bool begin;      // payments at the start of each period
};

// The terms of the registers and preferences as they are now.
AmortizationTerms CurrentAmortization();
// The balance before the first period: PV rounded as the display shows it.
double AmortizationStart(const AmortizationTerms& terms);

struct AmortizedPeriod {
    double interest;  // as reported: its magnitude, negative when the payment is
    double principal; // the payment plus the interest on the balance
    double balance;   // after the period
};

// Period `p` (0 for the first) from the balance before it.  In begin mode
// the first period carries no interest.
AmortizedPeriod AmortizePeriod(const AmortizationTerms& terms, double balance, unsigned p);

// Sums over periods, kept in the amortization's decimals as they grow.
struct AmortizationSums {
    double payment = 0;
    double interest = 0;
    double principal = 0;
};
void AddPeriod(const AmortizationTerms& terms, AmortizationSums& sums, const AmortizedPeriod& period);

// Rounds an amount as the amortization rounds its amounts.
double RoundAmount(const AmortizationTerms& terms, double amount);
