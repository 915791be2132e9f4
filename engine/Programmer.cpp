// SPDX-License-Identifier: GPL-3.0-or-later
#include "Programmer.h"

#include "DecimalResults.h"
#include "Stack.h"

#include "core/State.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Keeps the low bits of a pattern that fit the word and returns them as the
// number they mean in that word; 0 without a word.
double Reduce(uint32_t pattern, uint16_t wordLabel)
{
    if (!IsWordLabel(wordLabel))
        return 0.0;
    uint32_t mask = WordMask(wordLabel);
    uint32_t bits = pattern & mask;
    if (IsSignedWord(wordLabel) && (bits & (mask ^ (mask >> 1))))
        return double(int64_t(bits) - int64_t(mask) - 1);
    return double(bits);
}

// A value read as a 32-bit pattern; a real number that is whole but for
// binary noise reads as that whole number.
uint32_t ReadPattern(double v, uint16_t label, bool producedSigned)
{
    return IntegerPattern(WholeValue(v), label, producedSigned);
}

// A value read and reduced to a word, as its low bits.
uint32_t ReadWord(double v, uint16_t label, uint16_t wordLabel)
{
    return ReadPattern(v, label, IsSignedWord(wordLabel)) & WordMask(wordLabel);
}

// The same as a signed number when the word is signed.
int64_t WordValue(uint32_t bits, uint16_t wordLabel)
{
    return int64_t(Reduce(bits, wordLabel));
}

enum class Op { And, Or, Xor, Add, Subtract, Multiply, Divide, Power };

// base^exponent in 32 bits.  A whole exponent keeps the low bits of the power
// (the low bits of a product depend only on the low bits of its factors); a
// negative one gives the truncated quotient 1 / base^-exponent.
uint32_t WordPower(int64_t base, int64_t exponent, bool* divisionByZero)
{
    if (exponent < 0) {
        *divisionByZero = base == 0;
        if (base == 1 || base == -1)
            return exponent % 2 == 0 ? 1u : uint32_t(base);
        return 0;
    }
    uint32_t result = 1;
    uint32_t square = uint32_t(base);
    for (uint64_t e = uint64_t(exponent); e != 0; e >>= 1) {
        if (e & 1)
            result *= square;
        square *= square;
    }
    return result;
}

double TwoOperands(Op op, double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    uint16_t w = IntegerUnit(0);
    if (!IsWordLabel(w))
        return op == Op::Divide ? std::numeric_limits<double>::quiet_NaN() : 0.0;
    uint32_t a = ReadWord(y, yLabel, w);
    uint32_t b = ReadWord(x, xLabel, w);
    uint32_t r = 0;
    switch (op) {
    case Op::And: r = a & b; break;
    case Op::Or: r = a | b; break;
    case Op::Xor: r = a ^ b; break;
    case Op::Add: r = a + b; break;
    case Op::Subtract: r = a - b; break;
    case Op::Multiply: r = a * b; break;
    case Op::Divide:
        if (b == 0)
            return std::numeric_limits<double>::quiet_NaN();
        // Through 64 bits, so that the most negative word divided by -1
        // wraps to itself instead of overflowing.
        r = uint32_t(WordValue(a, w) / WordValue(b, w));
        break;
    case Op::Power: {
        bool divisionByZero = false;
        r = WordPower(WordValue(a, w), WordValue(b, w), &divisionByZero);
        if (divisionByZero)
            return std::numeric_limits<double>::quiet_NaN();
        break;
    }
    }
    return Reduce(r, w);
}

enum class ShiftKind { Left, Right, Arithmetic, Rotate };

double ShiftOperation(ShiftKind kind, double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    uint16_t s = IntegerUnit(yLabel);
    unsigned bytes = IntegerSize(yLabel);
    uint32_t p = ReadPattern(y, yLabel, false);
    int32_t n = int32_t(ReadPattern(x, xLabel, true));
    unsigned long r = 0;
    switch (kind) {
    case ShiftKind::Left: r = shift(p, bytes, n == INT32_MIN ? INT32_MAX : -n, false); break;
    case ShiftKind::Right: r = shift(p, bytes, n, false); break;
    case ShiftKind::Arithmetic: r = shift(p, bytes, n, true); break;
    case ShiftKind::Rotate: r = rotate(p, bytes, n); break;
    }
    return Reduce(uint32_t(r), s);
}

} // namespace

bool IntegerFunctions()
{
    unsigned function = UnPrefs.function();
    return function == FunctionProgrammer || (function == FunctionUser && Prefs.userKeysInteger());
}

double IntegerAnd(double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    return TwoOperands(Op::And, y, yLabel, x, xLabel);
}

double IntegerOr(double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    return TwoOperands(Op::Or, y, yLabel, x, xLabel);
}

double IntegerXor(double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    return TwoOperands(Op::Xor, y, yLabel, x, xLabel);
}

double IntegerAdd(double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    return TwoOperands(Op::Add, y, yLabel, x, xLabel);
}

double IntegerSubtract(double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    return TwoOperands(Op::Subtract, y, yLabel, x, xLabel);
}

double IntegerMultiply(double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    return TwoOperands(Op::Multiply, y, yLabel, x, xLabel);
}

double IntegerDivide(double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    return TwoOperands(Op::Divide, y, yLabel, x, xLabel);
}

double IntegerPower(double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    return TwoOperands(Op::Power, y, yLabel, x, xLabel);
}

double IntegerShiftLeft(double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    return ShiftOperation(ShiftKind::Left, y, yLabel, x, xLabel);
}

double IntegerShiftRight(double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    return ShiftOperation(ShiftKind::Right, y, yLabel, x, xLabel);
}

double IntegerArithmeticShiftRight(double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    return ShiftOperation(ShiftKind::Arithmetic, y, yLabel, x, xLabel);
}

double IntegerRotate(double y, uint16_t yLabel, double x, uint16_t xLabel)
{
    return ShiftOperation(ShiftKind::Rotate, y, yLabel, x, xLabel);
}

double OnesComplement(double v, uint16_t label)
{
    uint16_t w = IntegerUnit(label);
    if (!IsWordLabel(w))
        return 0.0;
    return Reduce(~ReadWord(v, label, w), w);
}

double TwosComplement(double v, uint16_t label)
{
    uint16_t w = IntegerUnit(label);
    if (!IsWordLabel(w))
        return 0.0;
    return Reduce(~ReadWord(v, label, w) + 1, w);
}

uint16_t IntegerConvertX(uint16_t label)
{
    uint16_t t = IntegerUnit(label);
    if (IsWordLabel(t)) {
        double x = Reduce(ReadWord(UnPrefs.stack[0], UnPrefs.stackLabel[0], t), t);
        StoreX(x);
    }
    LabelX(t);
    return t;
}

unsigned long shift(unsigned long value, unsigned int bytes, int count, bool arithmetic)
{
    value &= 0xFFFFFFFFul;
    unsigned bits = 8 * bytes;
    if (bits == 0 || bits > 32)
        bits = 32;
    unsigned long signBit = 1ul << (bits - 1);
    if (count > 0) {
        if (unsigned(count) > bits)
            count = int(bits);
        bool negative = (value & signBit) != 0;
        for (int i = 0; i < count; ++i) {
            value >>= 1;
            if (arithmetic && negative)
                value |= signBit;
            else
                value &= ~signBit;
        }
    } else if (count < 0) {
        // Every bit leaves a 32-bit pattern after 32 places.
        long long places = -static_cast<long long>(count);
        value = places >= 32 ? 0 : (value << places) & 0xFFFFFFFFul;
    }
    return value;
}

unsigned long rotate(unsigned long value, unsigned int bytes, int count)
{
    value &= 0xFFFFFFFFul;
    unsigned bits = 8 * bytes;
    if (bits == 0 || bits > 32)
        bits = 32;
    unsigned long topBit = 1ul << (bits - 1);
    unsigned r = uint32_t(count) % bits;
    for (unsigned i = 0; i < r; ++i) {
        bool low = (value & 1) != 0;
        value >>= 1;
        if (low)
            value |= topBit;
        else
            value &= ~topBit;
    }
    return value;
}
