// SPDX-License-Identifier: GPL-3.0-or-later
#include "CashFlows.h"

#include "Calculator.h"
#include "Financial.h"

#include "core/State.h"


static_assert(MaxCashFlowGroups == UserRegisterCount, "the cash flows are the user registers");

namespace {

struct Group {
    double value;
    uint16_t label;
    int32_t count;
};

Group GroupAt(int j)
{
    return {Regs.registers[j], Regs.registerLabel[j], Regs.cashFlowCount[j]};
}

void PutGroup(int j, const Group& group)
{
    Regs.registers[j] = group.value;
    Regs.registerLabel[j] = group.label;
    Regs.cashFlowCount[j] = group.count;
}

// A group that ends the list stays after its last group, so that groups
// beyond it, left from an earlier list, do not join when it grows.
void EndListAfter(int last)
{
    if (last + 1 < MaxCashFlowGroups && Regs.cashFlowCount[last + 1] > 0)
        Regs.cashFlowCount[last + 1] = 0;
}

// The CFj key goes on after the last group.
void KeysContinueAfterList()
{
    Regs.lastRegister = int16_t(CashFlowGroups() - 1);
}

// Makes `change` one undo step of the records.
template <typename Change>
CashFlowRefusal AsOneStep(Change change)
{
    PerformStep([&] {
        change();
        RegsChanged = 1;
    });
    return CashFlowRefusal::None;
}

CashFlowRefusal Reach(int j)
{
    if (j >= MaxCashFlowGroups)
        return CashFlowRefusal::TooManyGroups;
    if (j < 0 || j > CashFlowGroups())
        return CashFlowRefusal::NoSuchGroup;
    return CashFlowRefusal::None;
}

} // namespace

int CashFlowGroups()
{
    int groups = 1;
    while (groups < MaxCashFlowGroups && Regs.cashFlowCount[groups] > 0)
        ++groups;
    return groups;
}

double CashFlowValue(int j)
{
    return j >= 0 && j < MaxCashFlowGroups ? double(Regs.registers[j]) : 0.0;
}

int CashFlowTimes(int j)
{
    return j >= 0 && j < MaxCashFlowGroups ? int(Regs.cashFlowCount[j]) : 0;
}

CashFlowRefusal SetCashFlowValue(int j, double value)
{
    if (CashFlowRefusal refusal = Reach(j); refusal != CashFlowRefusal::None)
        return refusal;
    const bool joins = j == CashFlowGroups();
    return AsOneStep([&] {
        Regs.registers[j] = value;
        if (joins) {
            Regs.registerLabel[j] = 0;
            Regs.cashFlowCount[j] = 1;
            EndListAfter(j);
            KeysContinueAfterList();
        }
    });
}

CashFlowRefusal SetCashFlowCount(int j, double count)
{
    if (CashFlowRefusal refusal = Reach(j); refusal != CashFlowRefusal::None)
        return refusal;
    if (!ValidCashFlowCount(count))
        return CashFlowRefusal::CountOutOfRange;
    const bool joins = j == CashFlowGroups();
    return AsOneStep([&] {
        if (joins) {
            PutGroup(j, {0.0, 0, 0});
            EndListAfter(j);
        }
        Regs.cashFlowCount[j] = int32_t(count);
        KeysContinueAfterList();
    });
}

CashFlowRefusal InsertCashFlow(int j)
{
    if (CashFlowRefusal refusal = Reach(j); refusal != CashFlowRefusal::None)
        return refusal;
    const int groups = CashFlowGroups();
    if (groups == MaxCashFlowGroups)
        return CashFlowRefusal::TooManyGroups;
    return AsOneStep([&] {
        for (int k = groups; k > j; --k) {
            Group moved = GroupAt(k - 1);
            // CF0 counts once, whatever its count says.
            if (k - 1 == 0 && moved.count <= 0)
                moved.count = 1;
            PutGroup(k, moved);
        }
        PutGroup(j, {0.0, 0, 1});
        EndListAfter(groups);
        KeysContinueAfterList();
    });
}

CashFlowRefusal DeleteCashFlows(const std::vector<int>& doomed)
{
    const int groups = CashFlowGroups();
    std::vector<bool> deleted(std::size_t(groups), false);
    for (int j : doomed) {
        if (j < 0 || j >= groups)
            return CashFlowRefusal::NoSuchGroup;
        deleted[std::size_t(j)] = true;
    }
    if (doomed.empty())
        return CashFlowRefusal::None;
    return AsOneStep([&] {
        int kept = 0;
        for (int j = 0; j < groups; ++j)
            if (!deleted[std::size_t(j)])
                PutGroup(kept++, GroupAt(j));
        for (int j = kept; j < groups; ++j)
            PutGroup(j, {0.0, 0, 0});
        if (kept == 0)
            Regs.lastRegister = -1;
        else
            KeysContinueAfterList();
    });
}

CashFlowRefusal PasteCashFlows(int first, const std::vector<CashFlowCells>& rows, int* badRow)
{
    if (CashFlowRefusal refusal = Reach(first); refusal != CashFlowRefusal::None)
        return refusal;
    if (first + int(rows.size()) > MaxCashFlowGroups)
        return CashFlowRefusal::TooManyGroups;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (rows[k].hasCount && !ValidCashFlowCount(rows[k].count)) {
            if (badRow)
                *badRow = int(k);
            return CashFlowRefusal::CountOutOfRange;
        }
    }
    if (rows.empty())
        return CashFlowRefusal::None;
    const int groups = CashFlowGroups();
    return AsOneStep([&] {
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const int j = first + int(k);
            if (j >= groups)
                PutGroup(j, {0.0, 0, 1});
            if (rows[k].hasValue)
                Regs.registers[j] = rows[k].value;
            if (rows[k].hasCount)
                Regs.cashFlowCount[j] = int32_t(rows[k].count);
        }
        const int last = first + int(rows.size()) - 1;
        if (last >= groups)
            EndListAfter(last);
        KeysContinueAfterList();
    });
}
