// SPDX-License-Identifier: GPL-3.0-or-later
// Clearing of registers, the financial state and everything.
#include "TestSupport.h"

#include "engine/Clearing.h"

namespace {

using ClearingTest = EngineTest;

void FillRegisters()
{
    for (int r = 0; r < RegisterCount; ++r)
        Regs.registers[r] = r + 1;
    for (int r = 0; r < UserRegisterCount; ++r) {
        Regs.registerLabel[r] = 1901;
        Regs.cashFlowCount[r] = 2;
    }
    Regs.memory = 5;
    Regs.lastRegister = 7;
    UnPrefs.amortBalance = 3;
    UnPrefs.amortStart = 1;
    UnPrefs.amortEnd = 12;
    UnPrefs.setMarkupMode(true);
}

TEST_F(ClearingTest, ClearUserRegsKeepsOnlyPaymentsPerYear)
{
    FillRegisters();
    RegsChanged = 0;
    ClearUserRegs();
    for (int r = 0; r < RegisterCount; ++r)
        EXPECT_EQ(double(Regs.registers[r]), r == RegPaymentsPerYear ? 107 : 0) << r;
    EXPECT_EQ(int(Regs.registerLabel[42]), 0);
    EXPECT_EQ(int(Regs.cashFlowCount[42]), 0);
    EXPECT_EQ(int(Regs.lastRegister), -1);
    EXPECT_EQ(double(Regs.memory), 0);
    EXPECT_EQ(RegsChanged, 1);
}

TEST_F(ClearingTest, ClearFinancialRegsKeepsANonZeroPaymentsPerYear)
{
    FillRegisters();
    Regs.registers[RegPaymentsPerYear] = 4;
    ClearFinancialRegs();
    EXPECT_EQ(double(Regs.registers[RegPaymentsPerYear]), 4);
    for (int r = RegN; r <= RegMargin; ++r)
        if (r != RegPaymentsPerYear) {
            EXPECT_EQ(double(Regs.registers[r]), 0) << r;
        }
    EXPECT_EQ(double(Regs.registers[5]), 6);      // cash flows stay
    EXPECT_EQ(double(Regs.registers[RegSumX]), 111); // sums stay
    EXPECT_EQ(int(Regs.lastRegister), 7);
    EXPECT_EQ(double(UnPrefs.amortBalance), 0);
    EXPECT_EQ(int(UnPrefs.amortEnd), 0);
    EXPECT_FALSE(UnPrefs.markupMode());

    Regs.registers[RegPaymentsPerYear] = 0;
    ClearFinancialRegs();
    EXPECT_EQ(double(Regs.registers[RegPaymentsPerYear]), 12);
}

TEST_F(ClearingTest, ClearStatRegsTouchesOnlyTheSums)
{
    FillRegisters();
    ClearStatRegs();
    for (int r = RegSumX; r <= RegCount; ++r)
        EXPECT_EQ(double(Regs.registers[r]), 0);
    EXPECT_EQ(double(Regs.registers[RegMargin]), 110);
}

TEST_F(ClearingTest, ClearAllResetsPaymentsPerYearAndTheStack)
{
    FillRegisters();
    Regs.registers[RegPaymentsPerYear] = 4;
    SetStack({1, 2, 3});
    UnPrefs.opCount = 2;
    ClearAll();
    EXPECT_EQ(double(Regs.registers[RegPaymentsPerYear]), 12);
    EXPECT_EQ(X(), 0);
    EXPECT_EQ(Level(2), 0);
    EXPECT_EQ(int(UnPrefs.opCount), 0);
}

TEST_F(ClearingTest, ClearingKeys)
{
    Regs.registers[RegPaymentsPerYear] = 4;
    Press({KeyClearAll});
    EXPECT_EQ(double(Regs.registers[RegPaymentsPerYear]), 12);

    Regs.registers[RegSumX] = 3;
    Regs.registers[3] = 9;
    UnPrefs.setLiftEnabled(true);
    Press({KeyClearRegisters});
    EXPECT_EQ(double(Regs.registers[RegSumX]), 0);
    EXPECT_EQ(double(Regs.registers[3]), 0);
    EXPECT_TRUE(UnPrefs.liftEnabled()); // keeps the lift state

    Regs.registers[RegSumY] = 2;
    SetStack({5, 6});
    Press({KeyClearStatistics});
    EXPECT_EQ(double(Regs.registers[RegSumY]), 0);
    EXPECT_EQ(Y(), 0);
}

} // namespace
