// SPDX-License-Identifier: GPL-3.0-or-later
// The loan schedule: every period 1..N of the current N, I/YR, PV, PMT, FV,
// P/YR and begin mode, amortized as AMRT amortizes it (Amortization.h),
// with a year row after every P/YR periods and a row of totals at the end.
//
// Reading a schedule changes nothing in the records.  It runs through the
// periods once, for the balances, the sums of each year and the final
// balance; the rows are composed from them when they are asked for.
#pragma once

#include "Amortization.h"

#include <vector>

// The most periods a schedule has, as for AMRT's ranges.
constexpr unsigned MaxSchedulePeriods = 65535;

// Why there is no schedule.
enum class ScheduleProblem {
    None,
    PeriodsNotWhole, // N is not a whole number from 1 to MaxSchedulePeriods
    RegisterError,   // N, I/YR, PV, PMT, FV or P/YR is not a number
};

struct Schedule {
    ScheduleProblem problem = ScheduleProblem::PeriodsNotWhole;
    unsigned errorLabel = 0; // RegisterError: the label of the first register that shows error
    AmortizationTerms terms{};
    double start = 0;              // the balance before period 1
    unsigned periods = 0;          // N
    unsigned periodsPerYear = 0;   // P/YR when it is a whole number; 0 gives no year rows
    std::vector<double> balances;  // after each period, first to last
    std::vector<AmortizationSums> years;
    AmortizationSums total;
    double target = 0;             // the balance the loan should end at: -FV
    bool endsAtTarget = true;      // the last balance is the target, as shown
    double finalPayment = 0;       // otherwise the last payment that would end there
};

// The schedule of the registers and preferences as they are now.
Schedule ReadSchedule();

enum class ScheduleRowKind { Period, Year, Total };

struct ScheduleRow {
    ScheduleRowKind kind = ScheduleRowKind::Total;
    unsigned number = 0; // the period or the year, 1-based; 0 for the totals
    double payment = 0;
    double interest = 0;
    double principal = 0;
    double balance = 0; // after the period, at the end of the year, or at the end
};

int ScheduleRowCount(const Schedule& schedule);
// Row 0 .. ScheduleRowCount() - 1, and only its kind.
ScheduleRow ScheduleRowAt(const Schedule& schedule, int row);
ScheduleRowKind ScheduleRowKindAt(const Schedule& schedule, int row);

