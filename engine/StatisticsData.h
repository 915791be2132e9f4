// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics points as the Statistics window edits them.
//
// Every edit changes the sums exactly as the keys would, Σ− for each point
// that goes and Σ+ for each that comes, and the list with them, as one
// undo step.  The stack and the tape are left as they are.
#pragma once

#include "Points.h"

#include "format/TableText.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The point at `index` (from 0) becomes `point` and keeps its place.
// False, changing nothing, when there is no such point.
bool EditPoint(std::size_t index, DataPoint point);

// The points at the indices removed.  False when none of them is a point.
bool DeletePoints(const std::vector<std::size_t>& indices);

// The points added at the end, in order.  False, changing nothing, when
// the list has no room for all of them.
bool AddPoints(const std::vector<DataPoint>& points);

// The six sums and their companions made again from the list, as Σ+ of
// each point in order would make them from zero.  False, changing
// nothing, while the sums hold points the list does not.
bool RebuildSumsFromPoints();

// The list emptied; the sums keep their points.
void ClearPointList();

// A value typed into a cell, read as a paste is read: in the current base,
// radix mark and word.
PastedNumber ReadPointValue(std::string_view text);

// Points pasted from a spreadsheet or read from a CSV file: one or two
// numbers a row, x and then y (0 when the row has only x).
enum class PointsRefusal {
    None,
    Cell,    // a cell is not a number: table.line, column and cell say which
    Columns, // a row has more than two cells: table.line says which
    Room,    // more points than the list has room for
};
struct PastedPoints {
    PointsRefusal refusal = PointsRefusal::None;
    std::vector<DataPoint> points;
    PastedTable table;
};
PastedPoints ReadPastedPoints(std::string_view text);

// Reads the points and adds them as one step, or refuses them all.
PastedPoints PastePoints(std::string_view text);

// Why pasted points were refused, in a short English text; "" when they
// were not.
std::string PastedPointsNotice(const PastedPoints& pasted);

// The points as a CSV file: a header "x,y", then one row per point with
// its numbers in full, in the radix mark of the preferences (and then
// separated by semicolons).
std::string PointsCsv();
