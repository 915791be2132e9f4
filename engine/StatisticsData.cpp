// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsData.h"

#include "Calculator.h"
#include "ShiftedSums.h"
#include "Statistics.h"

#include "core/State.h"
#include "core/Words.h"

bool EditPoint(std::size_t index, DataPoint point)
{
    if (index >= StatisticsPoints().size())
        return false;
    PerformStep([&] {
        const DataPoint old = StatisticsPoints()[index];
        AddToSums(old.x, old.y, false);
        AddToSums(point.x, point.y, true);
        ReplacePoint(index, point);
    });
    return true;
}

bool DeletePoints(const std::vector<std::size_t>& indices)
{
    const std::vector<DataPoint>& list = StatisticsPoints();
    std::vector<std::size_t> rows;
    for (std::size_t i : indices)
        if (i < list.size())
            rows.push_back(i);
    if (rows.empty())
        return false;
    PerformStep([&] {
        for (std::size_t i : rows)
            AddToSums(list[i].x, list[i].y, false);
        RemovePoints(rows);
    });
    return true;
}

bool AddPoints(const std::vector<DataPoint>& points)
{
    if (points.size() > PointsCapacity - StatisticsPoints().size())
        return false;
    PerformStep([&] {
        for (const DataPoint& p : points)
            AddToSums(p.x, p.y, true);
        AppendPoints(points);
    });
    return true;
}

bool RebuildSumsFromPoints()
{
    if (StatisticsPointsGap() != PointsWhole)
        return false;
    PerformStep([] {
        for (int r = RegSumX; r <= RegCount; ++r)
            Regs.registers[r] = 0.0;
        RegsChanged = 1;
        ResetShiftedSums();
        ClearRemovedTerms();
        for (const DataPoint& p : StatisticsPoints())
            AddToSums(p.x, p.y, true);
    });
    return true;
}

void ClearPointList()
{
    PerformStep(ClearPointListApart);
}

PastedNumber ReadPointValue(std::string_view text)
{
    return ReadPastedNumber(text, UnPrefs.base(), Prefs.commaRadix(), IntegerUnitDefaultS32(IntegerUnit(0)));
}

PastedPoints ReadPastedPoints(std::string_view text)
{
    PastedPoints pasted;
    pasted.table = ReadPastedTable(text, UnPrefs.base(), Prefs.commaRadix(), IntegerUnitDefaultS32(IntegerUnit(0)));
    if (pasted.table.refusal != PasteAccepted) {
        pasted.refusal = PointsRefusal::Cell;
        return pasted;
    }
    for (std::size_t i = 0; i < pasted.table.rows.size(); ++i) {
        const std::vector<double>& row = pasted.table.rows[i];
        if (row.size() > 2) {
            pasted.refusal = PointsRefusal::Columns;
            pasted.table.line = pasted.table.lines[i];
            pasted.table.column = row.size();
            pasted.points.clear();
            return pasted;
        }
        pasted.points.push_back({row[0], row.size() == 2 ? row[1] : 0.0});
    }
    if (pasted.points.size() > PointsCapacity - StatisticsPoints().size())
        pasted.refusal = PointsRefusal::Room;
    return pasted;
}

PastedPoints PastePoints(std::string_view text)
{
    PastedPoints pasted = ReadPastedPoints(text);
    if (pasted.refusal == PointsRefusal::None)
        AddPoints(pasted.points);
    return pasted;
}

std::string PastedPointsNotice(const PastedPoints& pasted)
{
    const PastedTable& t = pasted.table;
    switch (pasted.refusal) {
    case PointsRefusal::None: return std::string();
    case PointsRefusal::Cell:
        if (t.line == 0)
            return "points refused, no number";
        return "points refused, " + std::string(PasteRefusalText(t.refusal)) + " at line " + std::to_string(t.line) +
               ", column " + std::to_string(t.column) + ": " + t.cell;
    case PointsRefusal::Columns:
        return "points refused, " + std::to_string(t.column) + " cells at line " + std::to_string(t.line);
    case PointsRefusal::Room:
        return "points refused, the list holds at most " + std::to_string(PointsCapacity) + " points";
    }
    return std::string();
}

std::string PointsCsv()
{
    const bool comma = Prefs.commaRadix();
    const char separator = CsvSeparator(comma);
    std::string text = std::string("x") + separator + "y\n";
    for (const DataPoint& p : StatisticsPoints())
        text += CsvNumber(p.x, comma) + separator + CsvNumber(p.y, comma) + "\n";
    return text;
}
