// SPDX-License-Identifier: GPL-3.0-or-later
// Label string ids: what a value on the stack or in a register is (a unit,
// a register, a statistics or financial result).  Word-size labels are in
// Words.h; format/Strings.h gives their texts.
#pragma once

#include <cstdint>

enum LabelId : uint16_t {
    LabelNone = 0,
    LabelError = 1200,
    LabelN = 1300, LabelSumX, LabelSumX2, LabelSumY, LabelSumY2, LabelSumXY, LabelMeanX,
    LabelMeanXW, LabelMeanY, LabelSX, LabelSY, LabelPopSX, LabelPopSY, LabelEstX, LabelEstY,
    LabelR, LabelM,
    LabelCost = 1400, LabelPrice, LabelMargin, LabelMarkup, LabelPYR, LabelNomPercent,
    LabelEffPercent, LabelPeriods, LabelIYR, LabelPMT, LabelPV, LabelFV, LabelInt, LabelPrin,
    LabelBal, LabelIrrYR, LabelStart, LabelEnd, LabelNPV, LabelCFj, LabelNj,
    LabelCalculating = 1500,
    LabelMemory = 1600,
    LabelHms = 1800,
    LabelInches = 1900, LabelFeet, LabelMiles, LabelMeters, LabelPounds, LabelOunces, LabelKg,
    LabelGrams, LabelInPerS, LabelFtPerS, LabelMPerS, LabelMiPerH, LabelKmPerH, LabelCmPerS,
    LabelSqInches, LabelSqFeet, LabelSqMiles, LabelSqMeters, LabelGallons, LabelMl, LabelLiters,
    LabelFlOz, LabelDegC, LabelDegF
};

