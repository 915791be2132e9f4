// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clearing.h"

#include "Points.h"
#include "ShiftedSums.h"
#include "Stack.h"

#include "core/State.h"

void ClearUserRegs()
{
    for (int r = 0; r < RegisterCount; ++r)
        if (r != RegPaymentsPerYear)
            Regs.registers[r] = 0.0;
    for (int r = 0; r < UserRegisterCount; ++r) {
        Regs.registerLabel[r] = 0;
        Regs.cashFlowCount[r] = 0;
    }
    Regs.lastRegister = -1;
    Regs.memory = 0.0;
    ResetShiftedSums();
    ClearPoints();
    RegsChanged = 1;
}

void ClearFinancialRegs()
{
    for (int r = RegN; r <= RegMargin; ++r)
        if (r != RegPaymentsPerYear)
            Regs.registers[r] = 0.0;
    if (double(Regs.registers[RegPaymentsPerYear]) == 0.0)
        Regs.registers[RegPaymentsPerYear] = 12.0;
    UnPrefs.amortInterest = 0.0;
    UnPrefs.amortPrincipal = 0.0;
    UnPrefs.amortBalance = 0.0;
    UnPrefs.amortStart = 0;
    UnPrefs.amortEnd = 0;
    UnPrefs.setMarkupMode(false);
    RegsChanged = 1;
}

void ClearStatRegs()
{
    for (int r = RegSumX; r <= RegCount; ++r)
        Regs.registers[r] = 0.0;
    ResetShiftedSums();
    ClearPoints();
    RegsChanged = 1;
}

void ClearAll()
{
    Regs.registers[RegPaymentsPerYear] = 0.0;
    ClearUserRegs();
    ClearFinancialRegs();
    ClearStatRegs();
    ClearStack();
    RegsChanged = 1;
}
