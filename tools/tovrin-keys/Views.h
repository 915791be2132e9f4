// SPDX-License-Identifier: GPL-3.0-or-later
// The loan schedule and the cash-flow list as lines of text, with the
// numbers as the display shows them: what the two windows show.
#pragma once

// SCHEDULE<TAB>period<TAB>payment<TAB>interest<TAB>principal<TAB>balance for
// each period, YEAR<TAB>year<TAB>... after each year, TOTAL<TAB><TAB>... at
// the end, and NOTE<TAB>text for the line under the table.
void PrintSchedule();

// CASHFLOW<TAB>j<TAB>value<TAB>count for each group, then NPV<TAB>text and
// IRR<TAB>text.
void PrintCashFlows();
