// SPDX-License-Identifier: GPL-3.0-or-later
// The loan schedule: its rows add up to what AMRT gives for any range, its
// layout of years and totals, the loans that have none, and the final
// payment; and the cash-flow list's edits, refusals and undo steps.
#include "TestSupport.h"

#include "core/Labels.h"
#include "engine/CashFlows.h"
#include "engine/Financial.h"
#include "engine/Schedule.h"
#include "engine/Undo.h"

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

using ScheduleTest = EngineTest;

void Loan(double n, double interest, double pv, double fv, double perYear)
{
    Regs.registers[RegN] = n;
    Regs.registers[RegInterest] = interest;
    Regs.registers[RegPresentValue] = pv;
    Regs.registers[RegFutureValue] = fv;
    Regs.registers[RegPaymentsPerYear] = perYear;
    Regs.registers[RegPayment] = tvm(RegPayment);
}

void Fixed(int places)
{
    Prefs.setDisplayFormat(FormatFixed);
    Prefs.setDigits(unsigned(places + 1));
}

// An amount in whole units of its last decimal: exact, as the display's
// decimals are.
int64_t Units(double amount, int places)
{
    return std::llround(amount * std::pow(10.0, places));
}

// AMRT of periods first..last: interest, principal and balance.
std::vector<double> Amortize(unsigned first, unsigned last)
{
    UnPrefs.amortStart = uint16_t(first);
    UnPrefs.amortEnd = uint16_t(last);
    amort(false);
    return {X(), Y(), Level(2)};
}

} // namespace

// Random loans in Fixed 0 to 3 decimals, end and begin mode: for random
// ranges the rows, added up exactly in units of the last decimal, are what
// AMRT shows; each year row and the totals are the sums of their periods.
TEST_F(ScheduleTest, RowsAddUpToAmortizeForAnyRange)
{
    std::mt19937 random(30);
    for (int loan = 0; loan < 40; ++loan) {
        ResetCalculator();
        const int places = int(random() % 4);
        Fixed(places);
        Prefs.setBeginMode(random() % 3 == 0);
        const double perYear = std::vector<double>{1, 4, 12, 26, 52}[random() % 5];
        const double n = double(1 + random() % 420);
        const double rate = double(random() % 2000) / 100;
        const double pv = double(1000 + random() % 500000);
        const double fv = random() % 4 == 0 ? -double(random() % 50000) : 0.0;
        Loan(n, rate, pv, fv, perYear);
        SCOPED_TRACE(testing::Message() << "N " << n << " I/YR " << rate << " PV " << pv << " FV " << fv << " P/YR "
                                        << perYear << " Fixed " << places << (Prefs.beginMode() ? " BEG" : ""));
        const Schedule schedule = ReadSchedule();
        ASSERT_EQ(schedule.problem, ScheduleProblem::None);
        std::vector<ScheduleRow> periods;
        std::vector<int64_t> yearInterest(schedule.years.size()), yearPrincipal(schedule.years.size());
        int64_t totalInterest = 0, totalPrincipal = 0;
        for (int r = 0; r < ScheduleRowCount(schedule); ++r) {
            const ScheduleRow row = ScheduleRowAt(schedule, r);
            if (row.kind == ScheduleRowKind::Period) {
                periods.push_back(row);
                ASSERT_EQ(row.number, periods.size());
                if (!schedule.years.empty()) {
                    yearInterest[(row.number - 1) / unsigned(perYear)] += Units(row.interest, places);
                    yearPrincipal[(row.number - 1) / unsigned(perYear)] += Units(row.principal, places);
                }
                totalInterest += Units(row.interest, places);
                totalPrincipal += Units(row.principal, places);
            } else if (row.kind == ScheduleRowKind::Year) {
                EXPECT_EQ(Units(row.interest, places), yearInterest[row.number - 1]);
                EXPECT_EQ(Units(row.principal, places), yearPrincipal[row.number - 1]);
                EXPECT_EQ(row.balance, periods.back().balance);
            } else {
                EXPECT_EQ(Units(row.interest, places), totalInterest);
                EXPECT_EQ(Units(row.principal, places), totalPrincipal);
                EXPECT_EQ(row.balance, periods.back().balance);
            }
        }
        ASSERT_EQ(periods.size(), std::size_t(n));
        for (int range = 0; range < 5; ++range) {
            const unsigned a = 1 + unsigned(random() % periods.size());
            const unsigned b = a + unsigned(random() % (periods.size() - a + 1));
            int64_t interest = 0, principal = 0;
            for (unsigned p = a; p <= b; ++p) {
                interest += Units(periods[p - 1].interest, places);
                principal += Units(periods[p - 1].principal, places);
            }
            const std::vector<double> shown = Amortize(a, b);
            EXPECT_EQ(Units(shown[0], places), interest) << a << ".." << b;
            EXPECT_EQ(Units(shown[1], places), principal) << a << ".." << b;
            EXPECT_EQ(shown[2], periods[b - 1].balance) << a << ".." << b;
        }
    }
}

// In the other formats a row holds the amortization's own values: one
// period's AMRT gives them exactly.
TEST_F(ScheduleTest, RowsHoldAmortizationValuesInGeneralFormat)
{
    Loan(48, 7.25, 31000, 0, 12);
    const Schedule schedule = ReadSchedule();
    for (unsigned p : {1u, 2u, 17u, 48u}) {
        const int row = int(p - 1 + (p - 1) / 12); // a year row after every 12 periods
        const ScheduleRow r = ScheduleRowAt(schedule, row);
        ASSERT_EQ(r.number, p);
        const std::vector<double> shown = Amortize(p, p);
        EXPECT_EQ(r.interest, shown[0]);
        EXPECT_EQ(r.principal, shown[1]);
        EXPECT_EQ(r.balance, shown[2]);
    }
}

TEST_F(ScheduleTest, YearRowsAndTotals)
{
    struct Case {
        double n, perYear;
        std::string kinds; // P period, Y year, T total, row by row
    };
    const Case cases[] = {
        {1, 12, "PYT"},
        {3, 2, "PPYPYT"},
        {4, 2, "PPYPPYT"},
        {3, 1, "PYPYPYT"},
        {4, 2.5, "PPPPT"}, // no whole years
    };
    for (const Case& c : cases) {
        Loan(c.n, 6, 1000, 0, c.perYear);
        const Schedule schedule = ReadSchedule();
        std::string kinds;
        for (int r = 0; r < ScheduleRowCount(schedule); ++r)
            kinds += "PYT"[int(ScheduleRowAt(schedule, r).kind)];
        EXPECT_EQ(kinds, c.kinds) << c.n << " periods, " << c.perYear << " a year";
    }
}

TEST_F(ScheduleTest, LoansWithoutSchedule)
{
    struct Case {
        double n;
        int badRegister;
        ScheduleProblem problem;
        unsigned label;
    };
    const Case cases[] = {
        {0, 0, ScheduleProblem::PeriodsNotWhole, 0},
        {65536, 0, ScheduleProblem::PeriodsNotWhole, 0},
        {12.5, 0, ScheduleProblem::PeriodsNotWhole, 0},
        {-12, 0, ScheduleProblem::PeriodsNotWhole, 0},
        {12, RegPayment, ScheduleProblem::RegisterError, LabelPMT},
        {12, RegInterest, ScheduleProblem::RegisterError, LabelIYR},
        {NAN, 0, ScheduleProblem::RegisterError, LabelPeriods},
    };
    for (const Case& c : cases) {
        Loan(c.n, 5, 1000, 0, 12);
        Regs.registers[RegPayment] = -100;
        if (c.badRegister)
            Regs.registers[c.badRegister] = INFINITY;
        const Schedule schedule = ReadSchedule();
        EXPECT_EQ(schedule.problem, c.problem) << c.n;
        EXPECT_EQ(schedule.errorLabel, c.label) << c.n;
        EXPECT_EQ(ScheduleRowCount(schedule), 0) << c.n;
    }
    // A solved N a hair's breadth from a whole number is that number.
    Loan(359.99999999999994, 6, 1000, 0, 12);
    EXPECT_EQ(ReadSchedule().periods, 360u);
    Loan(65535, 6, 1000, 0, 12);
    EXPECT_EQ(ScheduleRowCount(ReadSchedule()), 65535 + 5462 + 1);
}

// The last balance against -FV, and the payment that would end there.
TEST_F(ScheduleTest, FinalPayment)
{
    Fixed(2);
    Loan(360, 6, 100000, 0, 12);
    Schedule s = ReadSchedule();
    EXPECT_EQ(s.balances.back(), 0.45);
    EXPECT_FALSE(s.endsAtTarget);
    EXPECT_EQ(s.finalPayment, -600.00);
    EXPECT_EQ(s.target, 0.0);
    EXPECT_FALSE(std::signbit(s.target));

    // A balloon: the balance ends at -FV.
    Loan(40, 5, 80000, -10000, 4);
    Regs.registers[RegPayment] = -2392.54; // the payment to the cent that ends at 10,000.00
    s = ReadSchedule();
    EXPECT_EQ(s.target, 10000.0);
    EXPECT_EQ(s.balances.back() == 10000.0, s.endsAtTarget);
    EXPECT_EQ(s.finalPayment, RoundAmount(s.terms, -2392.54 + 10000.0 - s.balances.back()));

    // Unrounded in General format: binary noise is not a missed target.
    Prefs.setDisplayFormat(FormatGeneral);
    Prefs.setDigits(0);
    Loan(360, 6, 100000, 0, 12);
    EXPECT_TRUE(ReadSchedule().endsAtTarget);

    // Begin mode: the first period carries no interest.
    Fixed(2);
    Prefs.setBeginMode(true);
    Loan(12, 12, 1000, 0, 12);
    s = ReadSchedule();
    EXPECT_EQ(ScheduleRowAt(s, 0).interest, 0.0);
    EXPECT_EQ(ScheduleRowAt(s, 0).principal, s.terms.payment);
}

// Reading a schedule changes nothing, show-all included.
TEST_F(ScheduleTest, ReadingChangesNothing)
{
    Fixed(2);
    Loan(60, 7.5, 25000, 0, 12);
    UnPrefs.setShowAll(true);
    const std::string regs = HexImage(Regs), unPrefs = HexImage(UnPrefs);
    const Schedule schedule = ReadSchedule();
    for (int r = 0; r < ScheduleRowCount(schedule); ++r)
        ScheduleRowAt(schedule, r);
    EXPECT_EQ(HexImage(Regs), regs);
    EXPECT_EQ(HexImage(UnPrefs), unPrefs);
}

namespace {

using CashFlowTest = EngineTest;

// The list as "value:count" words.
std::string List()
{
    std::string text;
    for (int j = 0; j < CashFlowGroups(); ++j) {
        char word[64];
        std::snprintf(word, sizeof word, "%s%g:%d", j ? " " : "", CashFlowValue(j), CashFlowTimes(j));
        text += word;
    }
    return text;
}

// CF0 -1000, then 500 three times and 250, keyed.
void KeyList()
{
    for (auto [value, count] : {std::pair{-1000.0, 1}, {500.0, 3}, {250.0, 1}}) {
        SetStack({value});
        UnPrefs.setEntering(true);
        HandleButton(KeyCashFlow);
        if (count != 1) {
            SetStack({double(count)});
            UnPrefs.setEntering(true);
            HandleButton(KeyCashFlowCount);
        }
    }
}

CashFlowCells Cells(double value, double count = NAN)
{
    CashFlowCells cells;
    cells.hasValue = true;
    cells.value = value;
    cells.hasCount = !std::isnan(count);
    cells.count = cells.hasCount ? count : 0;
    return cells;
}

} // namespace

// Each edit against the list it leaves; an accepted edit is one undo step
// back to the list before it, a refused one changes nothing.
TEST_F(CashFlowTest, EditsRefusalsAndUndo)
{
    using Edit = CashFlowRefusal (*)();
    struct Case {
        const char* name;
        Edit edit;
        CashFlowRefusal refusal;
        const char* list;
    };
    const Case cases[] = {
        {"value", [] { return SetCashFlowValue(1, 600); }, CashFlowRefusal::None, "-1000:1 600:3 250:1"},
        {"count", [] { return SetCashFlowCount(2, 4); }, CashFlowRefusal::None, "-1000:1 500:3 250:4"},
        {"count 0 ends the list", [] { return SetCashFlowCount(1, 0); }, CashFlowRefusal::None, "-1000:1"},
        {"count too large", [] { return SetCashFlowCount(1, 100000); }, CashFlowRefusal::CountOutOfRange,
         "-1000:1 500:3 250:1"},
        {"count not whole", [] { return SetCashFlowCount(1, 2.5); }, CashFlowRefusal::CountOutOfRange,
         "-1000:1 500:3 250:1"},
        {"negative count", [] { return SetCashFlowCount(1, -5); }, CashFlowRefusal::CountOutOfRange,
         "-1000:1 500:3 250:1"},
        {"value after the last", [] { return SetCashFlowValue(3, 75); }, CashFlowRefusal::None,
         "-1000:1 500:3 250:1 75:1"},
        {"count after the last", [] { return SetCashFlowCount(3, 2); }, CashFlowRefusal::None,
         "-1000:1 500:3 250:1 0:2"},
        {"beyond the list", [] { return SetCashFlowValue(5, 1); }, CashFlowRefusal::NoSuchGroup,
         "-1000:1 500:3 250:1"},
        {"insert", [] { return InsertCashFlow(1); }, CashFlowRefusal::None, "-1000:1 0:1 500:3 250:1"},
        {"insert before CF0", [] { return InsertCashFlow(0); }, CashFlowRefusal::None, "0:1 -1000:1 500:3 250:1"},
        {"append", [] { return InsertCashFlow(3); }, CashFlowRefusal::None, "-1000:1 500:3 250:1 0:1"},
        {"delete", [] { return DeleteCashFlows({1}); }, CashFlowRefusal::None, "-1000:1 250:1"},
        {"delete two", [] { return DeleteCashFlows({2, 0}); }, CashFlowRefusal::None, "500:3"},
        {"delete all", [] { return DeleteCashFlows({0, 1, 2}); }, CashFlowRefusal::None, "0:0"},
        {"delete beyond", [] { return DeleteCashFlows({3}); }, CashFlowRefusal::NoSuchGroup, "-1000:1 500:3 250:1"},
        {"paste values", [] { return PasteCashFlows(2, {Cells(7), Cells(8)}, nullptr); }, CashFlowRefusal::None,
         "-1000:1 500:3 7:1 8:1"},
        {"paste both", [] { return PasteCashFlows(1, {Cells(7, 2), Cells(8, 5)}, nullptr); },
         CashFlowRefusal::None, "-1000:1 7:2 8:5"},
        {"paste a bad count", [] { return PasteCashFlows(1, {Cells(7, 2), Cells(8, 1e6)}, nullptr); },
         CashFlowRefusal::CountOutOfRange, "-1000:1 500:3 250:1"},
        {"paste past CF99", [] { return PasteCashFlows(3, std::vector<CashFlowCells>(98, Cells(1)), nullptr); },
         CashFlowRefusal::TooManyGroups, "-1000:1 500:3 250:1"},
    };
    for (const Case& c : cases) {
        ResetCalculator();
        KeyList();
        const std::string regs = HexImage(Regs);
        const UndoListCounts before = CountUndoLists();
        EXPECT_EQ(c.edit(), c.refusal) << c.name;
        EXPECT_EQ(List(), c.list) << c.name;
        if (c.refusal != CashFlowRefusal::None) {
            EXPECT_EQ(HexImage(Regs), regs) << c.name;
            continue;
        }
        EXPECT_EQ(CountUndoLists().undo, before.undo + 1) << c.name;
        PerformUndo();
        EXPECT_EQ(HexImage(Regs), regs) << c.name;
    }
}

// The next CFj key goes on after the last group, and groups left beyond an
// end do not join when the list grows again.
TEST_F(CashFlowTest, KeysContinueAfterTheList)
{
    KeyList();
    ASSERT_EQ(SetCashFlowCount(1, 0), CashFlowRefusal::None); // CF1 and CF2 leave the list
    ASSERT_EQ(SetCashFlowValue(1, 9), CashFlowRefusal::None); // CF1 joins again, alone
    EXPECT_EQ(List(), "-1000:1 9:1");
    SetStack({42});
    UnPrefs.setEntering(true);
    HandleButton(KeyCashFlow);
    EXPECT_EQ(List(), "-1000:1 9:1 42:1");

    ASSERT_EQ(DeleteCashFlows({0, 1, 2}), CashFlowRefusal::None);
    SetStack({5});
    UnPrefs.setEntering(true);
    HandleButton(KeyCashFlow);
    EXPECT_EQ(List(), "5:1");
}

TEST_F(CashFlowTest, AtMostOneHundredGroups)
{
    ASSERT_EQ(PasteCashFlows(0, std::vector<CashFlowCells>(100, Cells(1)), nullptr), CashFlowRefusal::None);
    EXPECT_EQ(CashFlowGroups(), 100);
    EXPECT_EQ(InsertCashFlow(5), CashFlowRefusal::TooManyGroups);
    EXPECT_EQ(SetCashFlowValue(99, 3), CashFlowRefusal::None);
    int bad = -1;
    EXPECT_EQ(PasteCashFlows(1, {Cells(1, 1), Cells(1, -1)}, &bad), CashFlowRefusal::CountOutOfRange);
    EXPECT_EQ(bad, 1);
    // NPV reads the list as the window shows it.
    Regs.registers[RegInterest] = 0;
    EXPECT_EQ(npv(0), 102.0);
}
