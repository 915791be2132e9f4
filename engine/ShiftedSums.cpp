// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShiftedSums.h"

#include "BesideState.h"

#include "core/State.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace {

ShiftedSumsRecord& Companions()
{
    return Beside.statistics;
}

const F64* StatisticsRegisters()
{
    return &Regs.registers[RegSumX];
}

// Neumaier's compensated summation: what rounding drops from sum + term is
// collected in carry, and sum + carry is the total.
void AddCompensated(F64& sum, F64& carry, double term)
{
    const double s = sum, t = s + term;
    const double lost = std::fabs(s) >= std::fabs(term) ? (s - t) + term : (term - t) + s;
    sum = t;
    carry = double(carry) + lost;
}

double Total(ShiftedSum k)
{
    return double(Companions().sum[k]) + double(Companions().carry[k]);
}

// A centred sum of squares or products, sumOfProducts - correction, that is
// within rounding noise of `scale` (the size of what was summed) is exactly
// 0: the data do not vary, and a tiny remainder of either sign would show a
// deviation or a slope that is not there, or an error for a negative
// variance.  Noise: a few units of rounding of each side.
double Centred(double sumOfProducts, double correction, double scale)
{
    constexpr double Noise = 32 * DBL_EPSILON;
    const double centred = sumOfProducts - correction;
    return std::fabs(centred) <= Noise * scale ? 0.0 : centred;
}

// The group of the settings file: each key holds the named fields as the
// hexadecimal text of their bytes.
struct Field {
    const char* key;
    std::size_t offset;
    std::size_t size;
};

const Field Fields[] = {
    {"shift", offsetof(ShiftedSumsRecord, shift), sizeof(ShiftedSumsRecord::shift)},
    {"sums", offsetof(ShiftedSumsRecord, sum), sizeof(ShiftedSumsRecord::sum)},
    {"carries", offsetof(ShiftedSumsRecord, carry), sizeof(ShiftedSumsRecord::carry)},
    {"registers", offsetof(ShiftedSumsRecord, registers), sizeof(ShiftedSumsRecord::registers)},
};

} // namespace

void ResetShiftedSums()
{
    std::memset(&Companions(), 0, sizeof(ShiftedSumsRecord));
}

bool ShiftedSumsMatch()
{
    return std::memcmp(Companions().registers, StatisticsRegisters(), sizeof Companions().registers) == 0;
}

ShiftedStep ShiftedStepFor(bool adding)
{
    bool zero = true;
    for (int k = 0; k < StatisticsRegisterCount; ++k)
        zero = zero && double(StatisticsRegisters()[k]) == 0.0;
    if (adding && zero)
        return ShiftedStep::Restart;
    return ShiftedSumsMatch() ? ShiftedStep::Follow : ShiftedStep::Unused;
}

void AccumulateShiftedSums(ShiftedStep step, double x, double y, double sign)
{
    if (step == ShiftedStep::Unused)
        return;
    ShiftedSumsRecord& c = Companions();
    if (step == ShiftedStep::Restart) {
        ResetShiftedSums();
        c.shift[0] = x;
        c.shift[1] = y;
    }
    const double dx = x - double(c.shift[0]), dy = y - double(c.shift[1]);
    const double terms[ShiftedSumCount] = {dx, dx * dx, dy, dy * dy, dx * dy};
    for (int k = 0; k < ShiftedSumCount; ++k)
        AddCompensated(c.sum[k], c.carry[k], sign * terms[k]);
    std::memcpy(c.registers, StatisticsRegisters(), sizeof c.registers);
}

CentredSums CentredFromShiftedSums()
{
    CentredSums m;
    m.n = Regs.registers[RegCount];
    m.shiftX = Companions().shift[0];
    m.shiftY = Companions().shift[1];
    const double sx = Total(ShiftedX), sy = Total(ShiftedY);
    const double sxx = Total(ShiftedX2), syy = Total(ShiftedY2);
    m.meanDx = sx / m.n;
    m.meanDy = sy / m.n;
    m.sxx = Centred(sxx, sx * m.meanDx, std::fmax(std::fabs(sxx), std::fabs(sx * m.meanDx)));
    m.syy = Centred(syy, sy * m.meanDy, std::fmax(std::fabs(syy), std::fabs(sy * m.meanDy)));
    // |Σ dx·dy| is at most sqrt(Σ dx² · Σ dy²).
    m.sxy = Centred(Total(ShiftedXY), sx * m.meanDy, std::sqrt(std::fabs(sxx)) * std::sqrt(std::fabs(syy)));
    return m;
}

BesideEntries SaveShiftedSums()
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(&Companions());
    BesideEntries entries;
    for (const Field& field : Fields)
        entries.push_back({field.key, HexText(bytes + field.offset, field.size)});
    return entries;
}

bool LoadShiftedSums(const BesideReader& read)
{
    ShiftedSumsRecord loaded;
    auto* bytes = reinterpret_cast<unsigned char*>(&loaded);
    for (const Field& field : Fields) {
        std::string text;
        if (!read(field.key, text) || !HexBytes(text, bytes + field.offset, field.size)) {
            ResetShiftedSums();
            return false;
        }
    }
    Companions() = loaded;
    return true;
}
