// SPDX-License-Identifier: GPL-3.0-or-later
// Memory, the register prefixes, register arithmetic and the special pairs.
#include "TestSupport.h"

#include "engine/Programmer.h"
#include "engine/Registers.h"
#include "engine/Stack.h"
#include "format/Strings.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace {

using RegistersTest = EngineTest;

double Reg(int r) { return Regs.registers[r]; }

// X = v with the stack lift enabled, as after a completed result.
void Result(double v)
{
    StoreX(v);
    UnPrefs.setEntering(false);
    UnPrefs.setLiftEnabled(true);
}

TEST_F(RegistersTest, RegisterNumbersWithOneOrTwoDigits)
{
    Prefs.setHundredRegisters(false);
    Result(7);
    Press({KeyStore, KeyPoint, KeyDigit5});
    EXPECT_EQ(Reg(15), 7);
    Press({KeyStore, KeyDigit4});
    EXPECT_EQ(Reg(4), 7);
    EXPECT_EQ(int(UnPrefs.registerPrefix), int(KeyNone));

    Prefs.setHundredRegisters(true);
    Result(9);
    Press({KeyStore, KeyDigit4});
    EXPECT_EQ(int(UnPrefs.registerPrefix), int(KeyStore)) << "a single digit waits for the second";
    EXPECT_EQ(Reg(4), 7);
    Press({KeyDigit2});
    EXPECT_EQ(Reg(42), 9);
    EXPECT_EQ(int(Regs.lastRegister), 42);
    EXPECT_EQ(int(UnPrefs.registerPrefix), int(KeyNone));

    Press({KeyStore, KeyPoint, KeyDigit7});
    EXPECT_EQ(Reg(17), 9) << "the point addresses 10..19 in both settings";
}

TEST_F(RegistersTest, ArithmeticIntoAndFromRegisters)
{
    Regs.registers[3] = 10;
    Result(4);
    Press({KeyStore, KeySubtract, KeyDigit0, KeyDigit3});
    EXPECT_EQ(Reg(3), 6);
    Press({KeyStore, KeyAdd, KeyMultiply, KeyDigit0, KeyDigit3});
    EXPECT_EQ(Reg(3), 24) << "a later arithmetic key replaces an earlier one";

    SetStack({48, 2});
    UnPrefs.setLiftEnabled(true);
    Press({KeyRecall, KeyDivide, KeyDigit0, KeyDigit3});
    EXPECT_EQ(X(), 2);
    EXPECT_EQ(Y(), 2) << "recall with arithmetic does not lift";

    Press({KeyRecall, KeyDigit0, KeyDigit3});
    EXPECT_EQ(X(), 24);
    EXPECT_EQ(Y(), 2) << "plain recall lifts";
    EXPECT_EQ(Level(2), 2);
}

TEST_F(RegistersTest, DivisionOfARegisterByZeroIsAnError)
{
    Regs.registers[1] = 5;
    Result(0);
    Press({KeyStore, KeyDivide, KeyDigit0, KeyDigit1});
    EXPECT_TRUE(std::isinf(Reg(1)));
}

TEST_F(RegistersTest, UserRegistersKeepLabelsFinancialRegistersDoNot)
{
    Result(5);
    LabelX(LabelFeet);
    Press({KeyStore, KeyDigit0, KeyDigit7, KeyClear, KeyRecall, KeyDigit0, KeyDigit7});
    EXPECT_EQ(X(), 5);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelFeet));

    Store(3, LabelFeet, KeyNone, RegCost);
    Recall(KeyNone, RegCost);
    EXPECT_EQ(X(), 3);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), 0);
    Press({KeyRecall, KeyCost});
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelCost)) << "the key shows the register's label";
}

TEST_F(RegistersTest, ExchangeSwapsValuesAndLabels)
{
    Regs.registers[1] = 5;
    Regs.registerLabel[1] = LabelMeters;
    SetStack({7, 1});
    LabelX(LabelGrams);
    Press({KeyExchangeRegister, KeyDigit0, KeyDigit1});
    EXPECT_EQ(X(), 5);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelMeters));
    EXPECT_EQ(Y(), 1) << "no lift";
    EXPECT_EQ(Reg(1), 7);
    EXPECT_EQ(int(Regs.registerLabel[1]), int(LabelGrams));
}

TEST_F(RegistersTest, BackspaceCancelsShiftKeepsOtherKeysCancelAndGoOn)
{
    Result(5);
    Press({KeyStore, KeyBackspace});
    EXPECT_EQ(int(UnPrefs.registerPrefix), int(KeyNone));
    EXPECT_EQ(X(), 5);

    Press({KeyStore, KeyShift, KeyDigit0, KeyDigit6});
    EXPECT_EQ(Reg(6), 5) << "shift leaves the prefix waiting";

    Regs.memory = 2;
    Press({KeyStore, KeyMemoryRecall});
    EXPECT_EQ(int(UnPrefs.registerPrefix), int(KeyNone));
    EXPECT_EQ(X(), 2) << "a foreign key cancels the prefix and acts as usual";
    EXPECT_EQ(Y(), 5);
}

TEST_F(RegistersTest, RegisterKeyAndDigitFormOneOperation)
{
    SetStack({3});
    UnPrefs.setLiftEnabled(false);
    Press({KeyDigit8, KeyStore});
    EXPECT_TRUE(UnPrefs.registerPending());
    Press({KeyDigit0, KeyDigit2});
    EXPECT_EQ(Reg(2), 8);
    EXPECT_FALSE(UnPrefs.entering());
    EXPECT_TRUE(UnPrefs.liftEnabled());
    EXPECT_EQ(RegsChanged, 1);
}

TEST_F(RegistersTest, MemoryKeys)
{
    Result(5);
    Press({KeyMemoryStore});
    Result(3);
    Press({KeyMemoryAdd});
    EXPECT_EQ(double(Regs.memory), 8);
    Press({KeyMemorySubtract, KeyMemorySubtract});
    EXPECT_EQ(double(Regs.memory), 2);
    EXPECT_EQ(X(), 3) << "memory keys leave X";
    LabelX(LabelFeet);
    Press({KeyMemoryRecall});
    EXPECT_EQ(X(), 2);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), 0);
    EXPECT_EQ(Y(), 3);
    EXPECT_EQ(int(UnPrefs.stackLabel[1]), int(LabelFeet));
    Press({KeyMemoryClear});
    EXPECT_EQ(double(Regs.memory), 0);
    EXPECT_EQ(RegsChanged, 1);
}

TEST_F(RegistersTest, MemoryRecallInRpnPushesATypedNumber)
{
    Prefs.setRpnInput(true);
    Regs.memory = 4;
    SetStack({0});
    UnPrefs.setLiftEnabled(false);
    Press({KeyDigit9, KeyMemoryRecall});
    EXPECT_EQ(X(), 4);
    EXPECT_EQ(Y(), 9);
}

TEST_F(RegistersTest, FinancialRegisterKeysAfterAPrefix)
{
    UnPrefs.amortBalance = 5;
    UnPrefs.setMarkupMode(true);
    Result(25);
    Press({KeyStore, KeyMargin});
    EXPECT_EQ(Reg(RegMargin), 25);
    EXPECT_FALSE(UnPrefs.markupMode());
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelMarkup)) << "label from the mode before the key";
    EXPECT_EQ(double(UnPrefs.amortBalance), 5);

    Press({KeyStore, KeyPresentValue});
    EXPECT_EQ(Reg(RegPresentValue), 25);
    EXPECT_EQ(double(UnPrefs.amortBalance), 0) << "storing PV starts amortization again";
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelPV));

    Regs.registers[RegN] = 10;
    Press({KeyRecall, KeyAdd, KeyN});
    EXPECT_EQ(X(), 35);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), 0) << "no label with an operator";

    Press({KeyStore, KeyNominalRate});
    EXPECT_EQ(Reg(RegInterest), 35);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelNomPercent));
}

TEST_F(RegistersTest, CashFlowThroughAPrefixAdvancesTheIndex)
{
    Press({KeyRecall, KeyDigit0, KeyDigit5});
    EXPECT_EQ(int(Regs.lastRegister), 5);
    Regs.cashFlowCount[6] = 3;
    Result(12);
    Press({KeyStore, KeyCashFlow});
    EXPECT_EQ(Reg(6), 12);
    EXPECT_EQ(int(Regs.lastRegister), 6);
    EXPECT_EQ(int(Regs.cashFlowCount[6]), 3) << "the count stays";
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelCFj));
    EXPECT_EQ(int(UnPrefs.stackLabelIndex[0]), 6);

    Regs.lastRegister = 99;
    Press({KeyRecall, KeyCashFlow});
    EXPECT_EQ(int(UnPrefs.registerPrefix), int(KeyNone));
    EXPECT_EQ(int(Regs.lastRegister), 99);
}

TEST_F(RegistersTest, CashFlowCountPairsNeedAGroupAfterCfZero)
{
    Regs.lastRegister = 2;
    Result(4);
    Press({KeyStore, KeyCashFlowCount});
    EXPECT_EQ(int(Regs.cashFlowCount[2]), 4);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelNj));
    EXPECT_EQ(int(UnPrefs.stackLabelIndex[0]), 2);
    Regs.cashFlowCount[2] = 5;
    Press({KeyRecall, KeyCashFlowCount});
    EXPECT_EQ(X(), 5);
    EXPECT_EQ(Y(), 4);

    Regs.lastRegister = 0;
    Regs.cashFlowCount[0] = 1;
    Result(9);
    Press({KeyStore, KeyCashFlowCount});
    EXPECT_EQ(int(UnPrefs.registerPrefix), int(KeyNone));
    EXPECT_EQ(int(Regs.cashFlowCount[0]), 9) << "without the pair the key acts alone";
}

TEST_F(RegistersTest, AmortizationRangePairs)
{
    UnPrefs.amortBalance = 100;
    SetStack({12, 1});
    Press({KeyStore, KeyAmortize});
    EXPECT_EQ(int(UnPrefs.amortStart), 1);
    EXPECT_EQ(int(UnPrefs.amortEnd), 12);
    EXPECT_EQ(double(UnPrefs.amortBalance), 0);
    EXPECT_EQ(X(), 12) << "the stack stays";
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelEnd));
    EXPECT_EQ(int(UnPrefs.stackLabel[1]), int(LabelStart));

    SetStack({0});
    UnPrefs.setLiftEnabled(false);
    Press({KeyRecall, KeyAmortize});
    EXPECT_EQ(X(), 12);
    EXPECT_EQ(Y(), 1);
    EXPECT_EQ(int(UnPrefs.stackLabel[1]), int(LabelStart));
}

TEST_F(RegistersTest, StoreRandomSetsTheSeedAsAnUnsigned32BitNumber)
{
    struct Case { double x; uint32_t seed; } cases[] = {
        {12345.9, 12345}, {2147483648.0, 0x80000000u}, {3000000000.0, 3000000000u},
        {4294967296.0 + 7, 7}, {-1, 0xFFFFFFFFu}, {NAN, 0},
    };
    for (const Case& c : cases) {
        Result(c.x);
        Press({KeyStore, KeyRandom});
        EXPECT_EQ(uint32_t(int32_t(UnPrefs.randomSeed)), c.seed) << c.x;
        EXPECT_EQ(int(UnPrefs.registerPrefix), int(KeyNone));
    }
}

TEST_F(RegistersTest, IntegerRegisterArithmeticOnlyForTheTypedOperator)
{
    UnPrefs.setFunction(FunctionProgrammer);
    Prefs.setIntegerSize(0);
    Regs.registers[1] = 200;
    Result(100);
    Press({KeyStore, KeyAdd, KeyDigit0, KeyDigit1});
    EXPECT_EQ(int(Regs.registerLabel[1]), int(LabelU8)) << "integer result label is the current word";

    // The statistics additions use KeyAdd too, but the latest prefix had no
    // operator: floating-point arithmetic, no word label.
    Press({KeyStore, KeyDigit0, KeyDigit2});
    Store(1000, 0, KeyAdd, 2);
    EXPECT_EQ(Reg(2), 1100);
    EXPECT_EQ(int(Regs.registerLabel[2]), 0);

    EXPECT_EQ(Reg(1), 44);
}

TEST_F(RegistersTest, DamagedIndexesFromAStoredRecordAddressNoRegister)
{
    // Indexes a damaged settings file could hold: the cash-flow keys and a
    // held first digit must stay inside the register file.
    const RegsRecord before = Regs;
    for (int damaged : {500, -500}) {
        Regs.lastRegister = int16_t(damaged);
        for (auto keys : {std::vector<KeyOp>{KeyCashFlow}, {KeyCashFlowCount}, {KeyStore, KeyCashFlowCount},
                          {KeyRecall, KeyCashFlow}}) {
            Result(3);
            for (KeyOp key : keys)
                Press({key});
            EXPECT_EQ(UnPrefs.stackLabel[0], 0) << damaged << " the key was not refused";
        }
        Regs.lastRegister = before.lastRegister;
        EXPECT_EQ(std::memcmp(&Regs, &before, sizeof Regs), 0) << damaged;
    }
    Prefs.setHundredRegisters(true);
    Press({KeyStore});
    UnPrefs.registerFirstDigit = 200;
    Press({KeyDigit4, KeyDigit2});
    EXPECT_EQ(Reg(42), 3);
}

TEST_F(RegistersTest, ClearAllSetsPaymentsPerYearBackTo12)
{
    Result(4);
    Press({KeyStore, KeyPaymentsPerYear, KeyClearAll, KeyRecall, KeyPaymentsPerYear});
    EXPECT_EQ(X(), 12);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), int(LabelPYR));
}

} // namespace
