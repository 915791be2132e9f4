// Short label texts shown beside values.
#pragma once

#include <cstdint>

// Label string ids used across the calculator.
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

// The text of a label id, or nullptr for an unknown id.
const char* GetString(unsigned id);

// Room for the label a display draws.
constexpr int LabelTextSize = 24;

// The label a display draws beside a value: the text of `id`, and for the
// cash-flow labels "CFj" and "Nj" also their index while a cash flow is
// current ("CFj 3"); a label without an index (0xFFFF) shows its text only.
// False, with `out` empty, for an id without text.
bool LabelText(unsigned id, unsigned index, char* out);
