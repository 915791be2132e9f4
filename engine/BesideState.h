// SPDX-License-Identifier: GPL-3.0-or-later
// State kept beside the five records.
//
// Some of the calculator's state belongs to no stored record: the
// statistics companions, the tape's cursor, the statistics points'
// version, and the integer functions' base while another function is in
// force.  It lives here, under three rules shared by every part:
// - it is reset with the calculator (ResetCalculator, ResetBesideState);
// - each undo step carries the fixed-size image BesideRecord, so undo and
//   redo restore it with the registers (a part with bulk storage of its own
//   keeps only what undo needs here, such as a length or a cursor, and
//   never moves the bulk on an undo);
// - the settings file keeps each part in a group of its own
//   (BesideGroups.h), beside the blocks of the records, which do not
//   change.
#pragma once

#include "Points.h"
#include "ProgrammerBase.h"
#include "ShiftedSums.h"
#include "Tape.h"

// The image an undo step copies.  Built from byte types only (Record.h),
// so it has no padding and compares byte for byte.
struct BesideRecord {
    ShiftedSumsRecord statistics;
    TapeCursor tape;
    PointsState points;
    ProgrammerBaseRecord programmer;
};
static_assert(alignof(BesideRecord) == 1, "byte types only");

extern BesideRecord Beside;

// Every part as a first start leaves it.
void ResetBesideState();
