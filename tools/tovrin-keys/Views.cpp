// SPDX-License-Identifier: GPL-3.0-or-later
#include "Views.h"

#include "core/State.h"
#include "engine/CashFlows.h"
#include "engine/Financial.h"
#include "engine/Schedule.h"
#include "format/Strings.h"
#include "format/ValueText.h"

#include <cstdio>
#include <string>

void PrintSchedule()
{
    const Schedule schedule = ReadSchedule();
    const int rows = ScheduleRowCount(schedule);
    for (int i = 0; i < rows; ++i) {
        const ScheduleRow row = ScheduleRowAt(schedule, i);
        const char* tag = row.kind == ScheduleRowKind::Period ? "SCHEDULE"
                          : row.kind == ScheduleRowKind::Year ? "YEAR"
                                                              : "TOTAL";
        const std::string number = row.number > 0 ? std::to_string(row.number) : std::string();
        std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", tag, number.c_str(), ShownNumberText(row.payment).c_str(),
                    ShownNumberText(row.interest).c_str(), ShownNumberText(row.principal).c_str(),
                    ShownNumberText(row.balance).c_str());
    }
    switch (schedule.problem) {
    case ScheduleProblem::PeriodsNotWhole:
        std::puts("NOTE\tNo schedule: N is not a whole number of periods from 1 to 65,535.");
        break;
    case ScheduleProblem::RegisterError:
        std::printf("NOTE\tNo schedule: %s is error.\n", GetString(schedule.errorLabel));
        break;
    case ScheduleProblem::None:
        if (!schedule.endsAtTarget)
            std::printf("NOTE\tA final payment of %s instead of %s would end the schedule at %s.\n",
                        ShownNumberText(schedule.finalPayment).c_str(), ShownNumberText(schedule.terms.payment).c_str(),
                        ShownNumberText(schedule.target).c_str());
        break;
    }
}

void PrintCashFlows()
{
    const int groups = CashFlowGroups();
    for (int j = 0; j < groups; ++j)
        std::printf("CASHFLOW\t%d\t%s\t%d\n", j, ShownNumberText(CashFlowValue(j)).c_str(), CashFlowTimes(j));
    const double rate = Regs.registers[RegInterest];
    std::printf("NPV\t%s\n", ShownNumberText(npv(rate)).c_str());
    std::printf("IRR\t%s\n", ShownNumberText(irr(rate)).c_str());
}
