// SPDX-License-Identifier: GPL-3.0-or-later
// Time value of money, the solvers, cash flows, NPV, IRR, margins and
// amortization, checked against closed forms.
#include "TestSupport.h"
#include "TypeNumber.h"

#include "engine/Financial.h"
#include "engine/Operators.h"
#include "engine/Reset.h"
#include "engine/Stack.h"
#include "engine/Undo.h"
#include "format/Format.h"
#include "format/Strings.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

using FinancialTest = EngineTest;

double Reg(int r) { return Regs.registers[r]; }

void Loan(double n, double interest, double pv, double pmt, double fv, double perYear)
{
    Regs.registers[RegN] = n;
    Regs.registers[RegInterest] = interest;
    Regs.registers[RegPresentValue] = pv;
    Regs.registers[RegPayment] = pmt;
    Regs.registers[RegFutureValue] = fv;
    Regs.registers[RegPaymentsPerYear] = perYear;
}

// X = v as a completed result (the compute path of the register keys).
void Result(double v)
{
    StoreX(v);
    UnPrefs.setEntering(false);
    UnPrefs.setLiftEnabled(true);
}

void CashFlows(std::initializer_list<std::pair<double, int>> flows)
{
    int j = 0;
    for (auto [value, count] : flows) {
        Regs.registers[j] = value;
        Regs.cashFlowCount[j] = count;
        ++j;
    }
    Regs.lastRegister = int16_t(j - 1);
    for (; j < UserRegisterCount; ++j)
        Regs.cashFlowCount[j] = 0;
}

int evaluations = 0;
double NoRoot(double x) { ++evaluations; return x * x + 1; }
double TwoMinusSquare(double x) { return 2 - x * x; }

TEST_F(FinancialTest, LoanPaymentMatchesTheAnnuityFormula)
{
    Loan(360, 6, 100000, 0, 0, 12);
    double i = 0.005;
    double expected = -100000 * i / (1 - std::pow(1 + i, -360));
    EXPECT_NEAR(tvm(RegPayment), expected, 1e-9);
    EXPECT_NEAR(tvm(RegPayment), -599.55, 0.005);

    Result(0);
    Press({KeyPayment});
    EXPECT_NEAR(X(), expected, 1e-9);
    EXPECT_EQ(X(), Reg(RegPayment));
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelPMT));
}

TEST_F(FinancialTest, FutureValueOfAnAnnuityInEndAndBeginMode)
{
    Loan(10, 5, 0, -100, 0, 1);
    double annuity = 100 * (std::pow(1.05, 10) - 1) / 0.05;
    EXPECT_NEAR(tvm(RegFutureValue), annuity, 1e-9);
    Prefs.setBeginMode(true);
    EXPECT_NEAR(tvm(RegFutureValue), annuity * 1.05, 1e-9);
    Regs.registers[RegFutureValue] = annuity * 1.05;
    EXPECT_NEAR(tvm(RegPresentValue), 0, 1e-9);
    EXPECT_NEAR(tvm(RegN), 10, 1e-9);
}

TEST_F(FinancialTest, PeriodsFromPresentAndFutureValue)
{
    Loan(0, 12, -1000, 0, 2000, 12);
    EXPECT_NEAR(tvm(RegN), std::log(2.0) / std::log(1.01), 1e-9);
    Regs.registers[RegPresentValue] = 1000;
    EXPECT_TRUE(std::isnan(tvm(RegN))) << "same signs have no solution";
    EXPECT_EQ(tvm(RegCost), Reg(RegCost)) << "other registers give their value";
}

TEST_F(FinancialTest, ZeroRateUsesTheLimitsOfTheFormulas)
{
    Loan(10, 0, 1000, -100, 0, 12);
    EXPECT_EQ(tvm(RegN), 10);
    EXPECT_EQ(tvm(RegPresentValue), 1000);
    EXPECT_EQ(tvm(RegPayment), -100);
    EXPECT_EQ(tvm(RegFutureValue), 0);
    Regs.registers[RegFutureValue] = -200;
    EXPECT_EQ(tvm(RegPayment), -80);
    Prefs.setBeginMode(true);
    EXPECT_EQ(tvm(RegN), 8) << "begin mode makes no difference at a zero rate";
    EXPECT_EQ(rate(0), 1000 - 100 * 10 - 200);
    Regs.registers[RegPayment] = 0;
    EXPECT_TRUE(std::isinf(tvm(RegN)));
}

TEST_F(FinancialTest, ZeroPaymentsPerYearIsAnError)
{
    Loan(10, 5, 1000, 0, 0, 0);
    EXPECT_TRUE(std::isnan(tvm(RegPayment)));
    Regs.registers[RegInterest] = 0;
    EXPECT_TRUE(std::isnan(tvm(RegPayment)));
}

TEST_F(FinancialTest, RateIsContinuousAcrossZero)
{
    Loan(360, 0, 100000, -300, 0, 12);
    EXPECT_NEAR(rate(1e-9), rate(0), 1e-3);
    EXPECT_NEAR(rate(-1e-9), rate(0), 1e-3);
}

TEST_F(FinancialTest, InterestKeySolvesBackFromAnyStart)
{
    for (double start : {0.0, 10.0, 6.0, -5.0}) {
        Loan(360, start, 100000, 0, 0, 12);
        Regs.registers[RegInterest] = 6;
        Regs.registers[RegPayment] = tvm(RegPayment);
        Regs.registers[RegInterest] = start;
        Result(0);
        Press({KeyInterest});
        EXPECT_NEAR(X(), 6, 1e-8) << start;
        EXPECT_EQ(Reg(RegInterest), X());
        EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelIYR));
    }
}

TEST_F(FinancialTest, SolveTakesTheStepsAFarStartNeeds)
{
    // From 50 % the secant steps need about thirty of the fifty allowed;
    // the rate key would hide a shorter cap behind its bracketing search.
    Loan(360, 6, 100000, 0, 0, 12);
    Regs.registers[RegPayment] = tvm(RegPayment);
    EXPECT_NEAR(solve(rate, 49.9, 50.1), 6, 1e-8);
}

TEST_F(FinancialTest, SecantFailureFallsBackToABracketingSearch)
{
    Loan(180, 10, 328171, -9923.63, -13865, 1);
    EXPECT_TRUE(std::isnan(solve(rate, 9.9, 10.1))) << "the secant method gives up here";
    Result(0);
    Press({KeyInterest});
    EXPECT_NEAR(X(), 3.01, 1e-4);
    EXPECT_NEAR(rate(X()), 0, 1e-4);
}

TEST_F(FinancialTest, SolveGivesNaNWithin50StepsWhenThereIsNoRoot)
{
    evaluations = 0;
    EXPECT_TRUE(std::isnan(solve(NoRoot, 0, 1)));
    EXPECT_LE(evaluations, 2 + 2 * 50);
    EXPECT_TRUE(std::isnan(solve_wide(NoRoot, 0, 1))) << "no sign change, no root";
    EXPECT_NEAR(solve(TwoMinusSquare, 1, 2), std::sqrt(2.0), 1e-12);
}

TEST_F(FinancialTest, NpvOfGroupedCashFlows)
{
    Regs.registers[RegPaymentsPerYear] = 1;
    CashFlows({{-1000, 0}, {500, 3}, {200, 2}});
    double i = 0.1;
    double expected = -1000;
    for (int t = 1; t <= 3; ++t)
        expected += 500 / std::pow(1 + i, t);
    for (int t = 4; t <= 5; ++t)
        expected += 200 / std::pow(1 + i, t);
    EXPECT_NEAR(npv(10), expected, 1e-9);
    EXPECT_EQ(npv(0), -1000 + 1500 + 400) << "the plain sum at a zero rate";

    Regs.registers[3] = 999;
    Regs.cashFlowCount[3] = 0;
    Regs.registers[4] = 777;
    Regs.cashFlowCount[4] = 1;
    EXPECT_NEAR(npv(10), expected, 1e-9) << "a group with count 0 ends the list";
    Regs.cashFlowCount[3] = -5;
    EXPECT_NEAR(npv(10), expected, 1e-9) << "so does a negative count from an older file";

    Regs.registers[RegInterest] = 10;
    Result(5);
    Press({KeyNpv});
    EXPECT_NEAR(X(), expected, 1e-9);
    EXPECT_EQ(Y(), 5);
    EXPECT_EQ(Reg(RegPresentValue), X());
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelNPV));
}

TEST_F(FinancialTest, IrrWithAKnownAnswer)
{
    Regs.registers[RegPaymentsPerYear] = 1;
    CashFlows({{-1000, 0}, {0, 1}, {1210, 1}});
    Result(0);
    Press({KeyIrr});
    EXPECT_NEAR(X(), 10, 1e-8);
    EXPECT_EQ(Reg(RegInterest), X());
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelIrrYR));

    // Monthly flows: the IRR is the annual nominal rate.
    Regs.registers[RegPaymentsPerYear] = 12;
    CashFlows({{-100, 0}, {101, 1}});
    Regs.registers[RegInterest] = 0;
    Press({KeyIrr});
    EXPECT_NEAR(X(), 12, 1e-8);
}

TEST_F(FinancialTest, IrrFallsBackWhenTheSecantMethodGivesUp)
{
    // 1000 paid now, 100000 received after 37 years: IRR = 100^(1/37) - 1.
    Regs.registers[RegPaymentsPerYear] = 1;
    CashFlows({{-1000, 0}, {0, 36}, {100000, 1}});
    EXPECT_TRUE(std::isnan(solve(npv, -0.1, 0.1)));
    Result(0);
    Press({KeyIrr});
    EXPECT_NEAR(X(), 100 * (std::pow(100.0, 1.0 / 37) - 1), 1e-8);
}

TEST_F(FinancialTest, IrrTypedGuessBecomesTheStartValue)
{
    Regs.registers[RegPaymentsPerYear] = 1;
    CashFlows({{-100, 0}, {110, 1}});
    SetStack({0});
    UnPrefs.setLiftEnabled(false);
    Press({KeyDigit5, KeyIrr});
    EXPECT_NEAR(X(), 10, 1e-8);
    EXPECT_EQ(UnPrefs.lastX, 5);
    EXPECT_FALSE(UnPrefs.liftEnabled());
}

TEST_F(FinancialTest, IrrWithoutSignChangeIsAnError)
{
    Regs.registers[RegPaymentsPerYear] = 1;
    CashFlows({{100, 0}, {110, 1}});
    Result(0);
    Press({KeyIrr});
    EXPECT_TRUE(std::isnan(X()));
}

TEST_F(FinancialTest, StorePathKeepsTheTypedNumber)
{
    SetStack({0, 0});
    UnPrefs.setLiftEnabled(false);
    UnPrefs.amortBalance = 7;
    Press({KeyDigit4, KeyPresentValue});
    EXPECT_EQ(Reg(RegPresentValue), 4);
    EXPECT_EQ(X(), 4);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelPV));
    EXPECT_EQ(double(UnPrefs.amortBalance), 0);
    EXPECT_FALSE(UnPrefs.liftEnabled());
    EXPECT_EQ(RegsChanged, 1);
}

TEST_F(FinancialTest, MarginsAndMarkups)
{
    struct Case { KeyOp key; bool markupMode; double cost, price, margin, expected; } cases[] = {
        {KeyMargin, true, 100, 150, 0, 100.0 / 3},
        {KeyMarkup, false, 100, 150, 0, 50},
        {KeyCost, false, 0, 150, 40, 90},
        {KeyCost, true, 0, 150, 50, 100},
        {KeyPrice, false, 90, 0, 40, 150},
        {KeyPrice, true, 100, 0, 50, 150},
    };
    for (const Case& c : cases) {
        ResetCalculator();
        UnPrefs.setMarkupMode(c.markupMode);
        Regs.registers[RegCost] = c.cost;
        Regs.registers[RegPrice] = c.price;
        Regs.registers[RegMargin] = c.margin;
        Result(0);
        Press({c.key});
        EXPECT_NEAR(X(), c.expected, 1e-9) << c.key;
    }
    Press({KeyMarkup});
    EXPECT_TRUE(UnPrefs.markupMode());
    Press({KeyMargin});
    EXPECT_FALSE(UnPrefs.markupMode());
}

TEST_F(FinancialTest, NominalAndEffectiveRates)
{
    Regs.registers[RegInterest] = 12;
    Result(0);
    Press({KeyEffectiveRate});
    EXPECT_NEAR(X(), 100 * (std::pow(1.01, 12) - 1), 1e-9);
    EXPECT_EQ(Reg(RegEffectiveRate), X());
    Regs.registers[RegInterest] = 0;
    Press({KeyNominalRate});
    EXPECT_NEAR(X(), 12, 1e-9);
    EXPECT_EQ(Reg(RegInterest), X());
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelNomPercent));
}

TEST_F(FinancialTest, YearsToPeriodsAndBack)
{
    Result(5);
    LabelX(LabelFeet);
    Press({KeyTimesPaymentsPerYear});
    EXPECT_EQ(X(), 60);
    EXPECT_EQ(Reg(RegN), 60);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelPeriods));
    EXPECT_FALSE(UnPrefs.liftEnabled());
    Press({KeyDividePaymentsPerYear});
    EXPECT_EQ(X(), 5);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelPeriods)) << "the label stays";
}

TEST_F(FinancialTest, CashFlowKeys)
{
    SetStack({0});
    Press({KeyDigit7, KeyCashFlow});
    EXPECT_EQ(Reg(0), 7) << "after clearing, the first flow is CF0";
    EXPECT_EQ(int(Regs.lastRegister), 0);
    Press({KeyDigit3, KeyCashFlow, KeyDigit4, KeyCashFlowCount});
    EXPECT_EQ(Reg(1), 3);
    EXPECT_EQ(int(Regs.cashFlowCount[1]), 4);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelNj));
    EXPECT_EQ(int(UnPrefs.stackLabelIndex[0]), 1);
    EXPECT_EQ(X(), 4);
    EXPECT_EQ(Y(), 0) << "a flow disables the lift, so typed flows replace each other";

    Regs.lastRegister = 99;
    Result(1);
    EXPECT_FALSE(HandleRegisters(KeyCashFlow));
    EXPECT_EQ(int(Regs.lastRegister), 99);
    Regs.lastRegister = -1;
    EXPECT_FALSE(HandleRegisters(KeyCashFlowCount));
}

// Amortization of PV 100000 at 0.5 % a period with PMT -599.55.
void MonthlyLoan()
{
    Loan(360, 6, 100000, -599.55, 0, 12);
}

TEST_F(FinancialTest, AmortizeOnePeriod)
{
    MonthlyLoan();
    Result(0);
    Press({KeyAmortize});
    EXPECT_NEAR(X(), -500, 1e-9);
    EXPECT_NEAR(Y(), -99.55, 1e-9);
    EXPECT_NEAR(Level(2), 99900.45, 1e-9);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelInt));
    EXPECT_EQ(int(UnPrefs.stackLabel[1]), int(LabelPrin));
    EXPECT_EQ(int(UnPrefs.stackLabel[2]), int(LabelBal));
    EXPECT_EQ(int(UnPrefs.lastOperator), int(KeyAmortize));
}

TEST_F(FinancialTest, BeginModeFirstPeriodCarriesNoInterest)
{
    MonthlyLoan();
    Prefs.setBeginMode(true);
    Result(0);
    Press({KeyAmortize});
    EXPECT_EQ(X(), 0);
    EXPECT_NEAR(Y(), -599.55, 1e-9);
}

TEST_F(FinancialTest, RpnRangeThenNextRangeContinues)
{
    Prefs.setRpnInput(true);
    MonthlyLoan();
    Result(0);
    Press({KeyDigit1, KeyEnter, KeyDigit1, KeyDigit2, KeyAmortize});
    EXPECT_EQ(int(UnPrefs.amortStart), 1);
    EXPECT_EQ(int(UnPrefs.amortEnd), 12);
    double interest1 = X(), balance1 = Level(2);
    Press({KeyAmortizeNext});
    EXPECT_EQ(int(UnPrefs.amortStart), 13);
    EXPECT_EQ(int(UnPrefs.amortEnd), 24);
    double interest2 = X(), balance2 = Level(2);

    UnPrefs.amortStart = 1;
    UnPrefs.amortEnd = 24;
    amort(false);
    EXPECT_NEAR(X(), interest1 + interest2, 1e-6);
    EXPECT_NEAR(Level(2), balance2, 1e-6);
    EXPECT_LT(balance2, balance1);
}

TEST_F(FinancialTest, EqualsShowsPrincipalBalanceThenTheNextRange)
{
    MonthlyLoan();
    SetStack({0});
    Press({KeyDigit1, KeyEnter, KeyDigit1, KeyDigit2, KeyAmortize});
    EXPECT_EQ(int(UnPrefs.opCount), 0) << "the ENTER marker is removed";
    double principal = Y(), balance = Level(2);
    Press({KeyEquals});
    EXPECT_EQ(X(), principal);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelPrin));
    Press({KeyEquals});
    EXPECT_EQ(X(), balance);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelBal));
    Press({KeyEquals});
    EXPECT_EQ(int(UnPrefs.amortStart), 13);
    EXPECT_EQ(int(UnPrefs.amortEnd), 24);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelInt));
    EXPECT_EQ(int(UnPrefs.amortRepeat), 2);
}

TEST_F(FinancialTest, ChangingTheLoanStartsAmortizationAgain)
{
    MonthlyLoan();
    Result(0);
    Press({KeyAmortize});
    EXPECT_NE(double(UnPrefs.amortBalance), 0);
    SetStack({0});
    Press({KeyDigit5, KeyInterest});
    EXPECT_EQ(double(UnPrefs.amortBalance), 0);
}

// Presses keys as the command-line driver takes them: names without "Key",
// and numbers, which are typed.
void Keys(const char* text)
{
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        int code = KeyOpFromName(word.c_str());
        code >= 0 ? Press({code}) : Type(word.c_str());
    }
}

TEST_F(FinancialTest, InputsAreRefusedOrGiveTheirLastDigitRight)
{
    // From a loan, the range 1..12 and P/YR 12; "error" is a refusal.
    struct Case { bool rpn; const char* before; const char* keys; const char* shows; } cases[] = {
        {false, "12", "Amortize", "error"}, // Y holds the payment
        {true, "-5 Enter 12", "Amortize", "error"},
        {true, "2 Enter 1", "Amortize", "error"},
        {true, "1 Enter 65536", "Store Amortize", "error"},
        {true, "1 Enter 65535", "Store Amortize", "6.5535e4"},
        {true, "1 Enter 12.5", "Store Amortize", "error"},
        {true, "60000 Enter 65535 Store Amortize", "AmortizeNext", "error"},
        {false, "-100 CashFlow 10 CashFlow -5", "CashFlowCount", "error"},
        {false, "-100 CashFlow 10 CashFlow 100000", "Store CashFlowCount", "error"},
        {false, "-100 CashFlow 10 CashFlow 99999", "CashFlowCount", "9.9999e4"},
        {false, "-12", "PaymentsPerYear", "error"},
        {false, "-12", "Store PaymentsPerYear", "error"},
        {false, "12", "Store Subtract PaymentsPerYear", "error"},
        {false, "0", "ExchangeRegister PaymentsPerYear", "error"},
        {true, "360 N 100000 PresentValue -599.550525152 Payment 100 Interest", "Interest", "5.99999999999e0"},
        {true, "360 N 100000 PresentValue -599.550525152 Payment 6 Interest", "Interest", "5.99999999999e0"},
        {false, "1 PaymentsPerYear -1000 CashFlow 300 CashFlow 400 CashFlow 500 CashFlow 100 Interest", "Irr",
         "8.89633946933e0"},
        {false, "1 PaymentsPerYear -1000 CashFlow 300 CashFlow 400 CashFlow 500 CashFlow -50 Interest", "Irr",
         "8.89633946933e0"},
        {false, "1 PaymentsPerYear -100 CashFlow 100 CashFlow", "Irr", "0.e0"},
        {true, "1e-7 Interest -1000 PresentValue -50 Payment 2000 FutureValue", "N", "1.99999999508e1"},
        {true, "1e-12 Interest -1000 PresentValue -50 Payment 2000 FutureValue", "N", "2.e1"},
        {true, "0.000001 NominalRate", "EffectiveRate", "1.00000000458e-6"},
        {true, "0.000001 NominalRate EffectiveRate", "NominalRate", "1.e-6"},
        {false, "FormatFixed Digit2 123456789 Multiply 1e6 Equals", "Round Subtract 1.23456789e14 Equals", "0.00"},
        {false, "FormatFixed Digit2 1e12 Add 0.125 Equals", "Round Subtract 1e12 Equals Multiply 100 Equals",
         "13.00"},
        {false, "FormatFixed Digit2 -0.005", "Round", "-0.01"},
    };
    InitializeUndo();
    for (const Case& c : cases) {
        ResetCalculator();
        Loan(360, 6.5, 200000, -1264.14, 0, 12);
        UnPrefs.amortStart = 1;
        UnPrefs.amortEnd = 12;
        Prefs.setRpnInput(c.rpn);
        Prefs.setDisplayFormat(FormatScientific);
        Prefs.setDigits(0);
        Keys(c.before);
        RegsRecord regs = Regs;
        UnPrefsRecord unPrefs = UnPrefs;
        Keys(c.keys);
        char text[FormatBufferSize];
        bool error = FormatNumber(X(), 0, text, false) != FormatOk;
        EXPECT_STREQ(error ? "error" : text, c.shows) << c.before << " " << c.keys;
        if (!error)
            continue;
        // Nothing changes but X and LastX, and undo takes the key back.
        EXPECT_EQ(UnPrefs.lastX, unPrefs.stack[0]) << c.keys;
        EXPECT_EQ(std::memcmp(&Regs, &regs, sizeof Regs), 0) << c.keys;
        EXPECT_EQ(std::memcmp(&UnPrefs.stack[1], &unPrefs.stack[1], sizeof(double) * (StackLevels - 1)), 0);
        EXPECT_EQ(int(UnPrefs.opCount), int(unPrefs.opCount)) << c.keys;
        size_t amortization = offsetof(UnPrefsRecord, amortInterest), end = offsetof(UnPrefsRecord, randomSeed);
        EXPECT_EQ(std::memcmp(&UnPrefs.amortInterest, &unPrefs.amortInterest, end - amortization), 0) << c.keys;
        PerformUndo();
        EXPECT_EQ(std::memcmp(&UnPrefs, &unPrefs, sizeof UnPrefs), 0) << c.keys;
    }
}

// A schedule in whole cents; each interest is the exact product of the
// balance and the rate (an annual percentage num / den, monthly), rounded
// half away from zero.
int64_t ExactBalance(int64_t pv, int64_t pmt, int64_t num, int64_t den, bool begin, int64_t* interest)
{
    *interest = 0;
    for (int p = 0; p < 360; ++p) {
        int64_t n = pv * num, d = den * 1200;
        int64_t i = begin && p == 0 ? 0 : (n < 0 ? -1 : 1) * ((2 * std::llabs(n) + d) / (2 * d));
        *interest -= i;
        pv += pmt + i;
    }
    return pv;
}

TEST_F(FinancialTest, AmortizationAtFixedDecimalsKeepsExactCents)
{
    struct Case { double pv; int64_t num, den; bool begin; } cases[] = {
        {100000, 6, 1, false}, {250000, 9, 1, false}, {250000, 75, 10, false},
        {150000, 4, 1, false}, {200000, 65, 10, true},
    };
    for (const Case& c : cases) {
        ResetCalculator();
        Prefs.setDisplayFormat(FormatFixed);
        Prefs.setDigits(3);
        Prefs.setBeginMode(c.begin);
        Loan(360, double(c.num) / double(c.den), c.pv, 0, 0, 12);
        Result(0);
        Press({KeyPayment});
        int64_t pmt = std::llround(X() * 100), interest;
        int64_t balance = ExactBalance(std::llround(c.pv * 100), pmt, c.num, c.den, c.begin, &interest);
        UnPrefs.amortStart = 1;
        UnPrefs.amortEnd = 360;
        amort(false);
        EXPECT_EQ(X(), double(interest) / 100) << c.pv << " at " << Reg(RegInterest);
        EXPECT_EQ(Y(), double(pmt * 360 - interest) / 100) << c.pv << " at " << Reg(RegInterest);
        EXPECT_EQ(Level(2), double(balance) / 100) << c.pv << " at " << Reg(RegInterest);
    }
    int64_t interest;
    EXPECT_EQ(ExactBalance(10000000, -59955, 6, 1, false, &interest), 45) << "the reference itself";
    EXPECT_EQ(ExactBalance(25000000, -201156, 9, 1, false, &interest), -640);
}

} // namespace
