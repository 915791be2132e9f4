// SPDX-License-Identifier: GPL-3.0-or-later
// Clearing of the register file and the financial working state.
#pragma once

// Registers 0..115 except P/YR become 0, with their labels and cash-flow
// counts; no last register; M = 0; the statistics companions reset and
// the list of points cleared.
void ClearUserRegs();
// Financial registers 100..109 become 0 except P/YR (12 when it was 0);
// the amortization state and markup mode are cleared.
void ClearFinancialRegs();
// The statistics sums 110..115 become 0, with their companions and the
// list of points.
void ClearStatRegs();
// Everything: P/YR back to 12, all registers, and the stack.
void ClearAll();
