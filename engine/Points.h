// SPDX-License-Identifier: GPL-3.0-or-later
// The data points behind the statistics sums.
//
// Every Σ+ records its point (x, y) beside the six sum registers, and every
// Σ− removes the last point equal to it, so that the points can be read
// back, corrected and plotted.  The sums stay what the keys make them: the
// list only stands beside them, and says whether it still agrees with them
// (PointsAgree).
//
// The list lives outside the undo image, as the tape's entries do.  The
// state beside the records (BesideState.h) holds only PointsState: the
// version of the list it shows, why the list may hold fewer points than the
// sums, and the size of what the sums took in.  Each change of the list
// gets a new version and is kept, with what it removed, for a while; when
// an undo or redo brings back another version, the list undoes or redoes
// its changes up to it the next time it is read.  So an undo step costs a
// few bytes whatever the list holds, and a Σ+ appends one point.
#pragma once

#include "BesideGroups.h"

#include "core/Record.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The most points the list holds.  Past it Σ+ still adds to the sums.
constexpr std::size_t PointsCapacity = 10000;

struct DataPoint {
    double x;
    double y;
};

// Why the sums may hold points that the list does not.
enum PointsGap : uint8_t {
    PointsWhole = 0,    // the list should hold every point of the sums
    PointsPastLimit = 1, // a Σ+ found the list full
    PointsUnlisted = 2, // the list was cleared on its own, or the sums hold
                        // points from before the list was kept
};

// What the state beside the records keeps: byte types only.
struct PointsState {
    LeU32 version;    // the version of the list this state shows
    uint8_t gap;      // PointsGap
    // The magnitudes of the terms x, x², y, y² and x·y of every point
    // taken out of the sums (by Σ−, an edit or a deleted row) since they
    // were last cleared or rebuilt.  With those of the points in the list
    // they give the scale of the sums' rounding.
    F64 magnitude[5];
};

// The points, oldest first, as the current state shows them.  Valid until
// the list next changes.
const std::vector<DataPoint>& StatisticsPoints();

// Why the list may hold fewer points than the sums.
PointsGap StatisticsPointsGap();

// Whether the sums are those of the list.  The list matches when n equals
// the number of points and each of the five other sums is within 1e-12 of
// the sum of the magnitudes of every term it took in: those of the points
// in the list, and those of the points taken out, which went in and out.
// It is incomplete whenever the sums hold points it does not.
enum class PointsAgreement { Match, Differ, Incomplete };
PointsAgreement PointsAgree();

// ---- Changes, made by the statistics functions (Statistics.h) together
// with the sums.  None of them makes an undo step of its own.

// The magnitudes of the terms of a point taken out of the sums.  A point
// that goes in costs nothing: the list holds it.
void CountRemovedTerms(double x, double y);

// A Σ+: the point goes at the end of the list; a full list marks the gap
// instead.
void AppendPoint(double x, double y);
// A Σ−: the last point equal to (x, y) leaves the list; nothing changes
// when there is none.
void RemoveLastEqualPoint(double x, double y);
// Points added in one change, at the end.  False, changing nothing, when
// they do not fit.
bool AppendPoints(const std::vector<DataPoint>& points);
// The point at `index` replaced, in its place.
void ReplacePoint(std::size_t index, DataPoint point);
// The points at the indices given (each once, any order) removed in one
// change.
void RemovePoints(std::vector<std::size_t> indices);

// The sums and the list cleared together: no points, no gap, none taken
// out.
void ClearPoints();
// The list cleared on its own: the sums keep their points, and the list
// then holds only the points entered after.
void ClearPointListApart();
// No points taken out, for sums made again from the list (a rebuild).
void ClearRemovedTerms();

// For measuring what keeping the list costs: while off, Σ+ and Σ− change
// only the sums.  On unless turned off.
void SetPointsKept(bool kept);

// An empty list, as on a first start; the changes kept are forgotten.
void ResetPoints();

// The group of the settings file.  A missing group leaves the list empty
// (and unlisted when the sums hold points); a damaged one keeps the points
// that could be read, and LoadPoints then returns false.
BesideEntries SavePoints();
bool LoadPoints(const BesideReader& read);
