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

// A value held as the unevaluated sum hi + lo, to about twice the digits of
// a double.
struct Pair {
    double hi, lo;
};

// a + b and a * b exactly.
Pair ExactSum(double a, double b)
{
    const double s = a + b, bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

Pair ExactProduct(double a, double b)
{
    const double p = a * b;
    return {p, std::fma(a, b, -p)};
}

Pair Plus(Pair a, Pair b)
{
    const Pair s = ExactSum(a.hi, b.hi);
    return ExactSum(s.hi, s.lo + (a.lo + b.lo));
}

Pair Times(Pair a, Pair b)
{
    const Pair p = ExactProduct(a.hi, b.hi);
    return ExactSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

Pair Minus(Pair a)
{
    return {-a.hi, -a.lo};
}

Pair Over(Pair a, double n)
{
    const double q = a.hi / n;
    const Pair p = ExactProduct(q, n);
    return ExactSum(q, ((a.hi - p.hi) - p.lo + a.lo) / n);
}

// Neumaier's compensated summation: what rounding drops from sum + term is
// collected in carry, and sum + carry is the total.  The low part of a term
// goes straight into the carry.
void AddCompensated(F64& sum, F64& carry, Pair term)
{
    const double s = sum, t = s + term.hi;
    const double lost = std::fabs(s) >= std::fabs(term.hi) ? (s - t) + term.hi : (term.hi - t) + s;
    sum = t;
    carry = double(carry) + (lost + term.lo);
}

Pair SumPair(ShiftedSum k)
{
    return {Companions().sum[k], Companions().carry[k]};
}

void SetSum(ShiftedSum k, Pair value)
{
    Companions().sum[k] = value.hi;
    Companions().carry[k] = value.lo;
}

// Moving the shift by p changes the sum of n shifted values Sa into Sa - n p.
Pair Moved(Pair sa, Pair p, double n)
{
    return Plus(sa, Minus(Times({n, 0.0}, p)));
}

// What pairs cannot tell from zero, against the size of the parts that made
// a sum: a few units of their rounding for each point summed.
double PairNoise(double n, double scale)
{
    return 32 * DBL_EPSILON * DBL_EPSILON * (n + 1) * scale;
}

// The sum of products (a - p)(b - q) from the sums about the old shift:
// Sab - q Sa - p Sb + n p q.  Where its centred part (less the moved Sa and
// Sb's product over n) is below what the pairs can tell, the data left do
// not vary, and the centred part is made exactly 0.
Pair MovedProducts(Pair sab, Pair sa, Pair sb, Pair p, Pair q, double n)
{
    const Pair moved = Plus(Plus(sab, Minus(Times(q, sa))), Times(p, Minus(Moved(sb, q, n))));
    const double scale =
        std::fabs(sab.hi) + std::fabs(q.hi * sa.hi) + std::fabs(p.hi * sb.hi) + n * std::fabs(p.hi * q.hi);
    const Pair uncentred = Over(Times(Moved(sa, p, n), Moved(sb, q, n)), n);
    const Pair centred = Plus(moved, Minus(uncentred));
    return std::fabs(centred.hi) <= PairNoise(n, scale) ? uncentred : moved;
}

// After a point equal to the shift has left, the shift may lie far from the
// data that remain, where the centred sums would cancel.  The sums move to
// a shift at the means of the remaining points, worked in pairs, so that
// what the exact terms kept stays.
void MoveShiftToMean(double n)
{
    ShiftedSumsRecord& c = Companions();
    const Pair sx = SumPair(ShiftedX), sy = SumPair(ShiftedY);
    const double kx = c.shift[0] + (sx.hi + sx.lo) / n, ky = c.shift[1] + (sy.hi + sy.lo) / n;
    const Pair d = ExactSum(kx, -double(c.shift[0])), e = ExactSum(ky, -double(c.shift[1]));
    SetSum(ShiftedX2, MovedProducts(SumPair(ShiftedX2), sx, sx, d, d, n));
    SetSum(ShiftedY2, MovedProducts(SumPair(ShiftedY2), sy, sy, e, e, n));
    SetSum(ShiftedXY, MovedProducts(SumPair(ShiftedXY), sx, sy, d, e, n));
    SetSum(ShiftedX, Moved(sx, d, n));
    SetSum(ShiftedY, Moved(sy, e, n));
    c.shift[0] = kx;
    c.shift[1] = ky;
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
    // The shifted data and their squares and products exactly, as pairs.
    const Pair dx = ExactSum(x, -double(c.shift[0])), dy = ExactSum(y, -double(c.shift[1]));
    const Pair terms[ShiftedSumCount] = {dx, Times(dx, dx), dy, Times(dy, dy), Times(dx, dy)};
    for (int k = 0; k < ShiftedSumCount; ++k)
        AddCompensated(c.sum[k], c.carry[k], {sign * terms[k].hi, sign * terms[k].lo});
    const double n = Regs.registers[RegCount];
    if (sign < 0 && x == double(c.shift[0]) && y == double(c.shift[1]) && n >= 1)
        MoveShiftToMean(n);
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
