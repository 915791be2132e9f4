// SPDX-License-Identifier: GPL-3.0-or-later
// The cash-flow list as NPV and IRR read it: CF0 (register 0), then the
// groups CF1, CF2, ... (register j, repeated Nj times) up to the first group
// whose count is not above 0.  A window reads the list and edits it here.
//
// Every edit is one undo step, and an edit that is refused changes
// nothing: a count must be a whole number from 0 to MaxCashFlowCount, and
// the list holds at most the 100 groups CF0..CF99.  A count of 0 ends the
// list, as it does from the keys.  After an edit that changes the groups,
// the CFj key goes on after the last group of the list.
#pragma once

#include <vector>

// Groups in the list, CF0 included: 1 to MaxCashFlowGroups.
int CashFlowGroups();
constexpr int MaxCashFlowGroups = 100;

// The value and the count of group j as the registers hold them.
double CashFlowValue(int j);
int CashFlowTimes(int j);

enum class CashFlowRefusal {
    None,
    CountOutOfRange, // not a whole number from 0 to MaxCashFlowCount
    TooManyGroups,   // the list would need more than MaxCashFlowGroups groups
    NoSuchGroup,     // neither a group of the list nor the one after it
};

// Sets the value or the count of group j.  j may be the group after the
// last, which then joins the list with the value and a count of 1, or with
// a value of 0 and the count.
CashFlowRefusal SetCashFlowValue(int j, double value);
CashFlowRefusal SetCashFlowCount(int j, double count);

// Inserts a group of value 0 and count 1 before group j (after the last
// when j is CashFlowGroups()); the later groups move up.
CashFlowRefusal InsertCashFlow(int j);

// Deletes the groups (any of the list, in any order); the later groups move
// down.  Deleting them all leaves CF0 at 0, and the next CFj key keys CF0.
CashFlowRefusal DeleteCashFlows(const std::vector<int>& groups);

// One pasted row: a value, a count, or both.
struct CashFlowCells {
    bool hasValue = false;
    double value = 0;
    bool hasCount = false;
    double count = 0;
};

// Writes the rows into groups first, first + 1, ...; groups past the end of
// the list join it (with a count of 1 or a value of 0 where the row has
// none).  On a refused count, *badRow is the index of its row.
CashFlowRefusal PasteCashFlows(int first, const std::vector<CashFlowCells>& rows, int* badRow);
