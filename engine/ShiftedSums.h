// SPDX-License-Identifier: GPL-3.0-or-later
// Accurate companions of the statistics sums.
//
// The running sums of registers 110..115 lose every digit of a deviation or
// a slope when the data sit far from zero compared with their spread: the
// one-pass formulas then subtract two nearly equal large numbers.  Beside
// them the engine keeps the same sums of shifted data, x - Kx and y - Ky,
// where (Kx, Ky) is the first point entered, each summed with Neumaier's
// compensated summation of terms formed exactly (a double and the rest it
// drops).  Shifted data are small where the raw data cancel, and the centred
// sums of squares and products then come out to nearly full precision.  A
// Σ− that removes the point the shift sits on moves the sums to a shift at
// the means of the points that remain, so that the shift stays among the
// data.
//
// The companions hold for the registers only while the six registers are
// bit for bit the values the companions last left in them; any other
// change of the registers (a state file from before the companions, or one
// edited by hand) leaves them unused until the sums start again from zero.
#pragma once

#include "BesideGroups.h"

#include "core/Record.h"

// The five shifted sums, in the order of the registers they accompany.
enum ShiftedSum { ShiftedX, ShiftedX2, ShiftedY, ShiftedY2, ShiftedXY, ShiftedSumCount };
constexpr int StatisticsRegisterCount = 6;

// Byte images throughout, so that undo copies and compares them whole and
// the settings file stores them bit-exactly.
struct ShiftedSumsRecord {
    F64 shift[2];                          // Kx, Ky: the first point
    F64 sum[ShiftedSumCount];              // running sums of the shifted terms
    F64 carry[ShiftedSumCount];            // their Neumaier compensations
    F64 registers[StatisticsRegisterCount]; // registers 110..115 as last updated
};

// Back to cleared registers: all zero, which matches sums of zero.
void ResetShiftedSums();

// Whether the companions hold for the registers as they are now.
bool ShiftedSumsMatch();

// What the companions do with a Σ+ or Σ−, decided before the key changes
// the registers: follow it, start again from its point (a Σ+ that finds all
// six registers 0), or stay unused (they do not match).
enum class ShiftedStep { Unused, Follow, Restart };
ShiftedStep ShiftedStepFor(bool adding);

// After the key has updated the registers: adds (sign +1) or removes (sign
// -1) the shifted terms of (x, y) as `step` says and records the registers.
void AccumulateShiftedSums(ShiftedStep step, double x, double y, double sign);

// The centred sums of the data and their means, from the companions.
struct CentredSums {
    double n;        // the point count, register 115
    double shiftX, shiftY;
    double meanDx, meanDy; // means of x - Kx and y - Ky
    double sxx, syy, sxy;  // sums of squares and products about the means
};
CentredSums CentredFromShiftedSums();

// The companions as entries of their settings-file group, and back.  They
// hold together or not at all: a damaged group resets them (false), so the
// results fall back to the sums.
BesideEntries SaveShiftedSums();
bool LoadShiftedSums(const BesideReader& read);
