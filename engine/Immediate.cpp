// SPDX-License-Identifier: GPL-3.0-or-later
#include "Immediate.h"

#include "Conversion.h"
#include "DecimalResults.h"
#include "Financial.h"
#include "Operators.h"
#include "Programmer.h"
#include "Scientific.h"
#include "Stack.h"
#include "Statistics.h"
#include "Tape.h"
#include "TapeText.h"

#include "core/Labels.h"
#include "core/State.h"
#include "format/Format.h"

#include <cmath>
#include <random>

namespace {

double XValue()
{
    return UnPrefs.stack[0];
}

// X as integer part, fractional part, floor and ceiling see it: a computed
// value that differs from a whole number only by binary noise is that whole
// number, so that 4.35 x 100 has the integer part 435.
double WholeX()
{
    return WholeValue(XValue());
}

// The fractional part, as a decimal difference: 1.1 gives 0.1.
double FractionOfX()
{
    const double x = WholeX();
    return DecimalSubtract(x, std::trunc(x));
}

// Saves LastX and stores the result in X (label cleared).
void Replace(double result)
{
    StoreLastX();
    StoreX(result);
}

// X's label when it is a unit or a word size, which the key keeps.
uint16_t KeptUnit()
{
    uint16_t label = UnPrefs.stackLabel[0];
    return UnitType(label) != UnitNone ? label : 0;
}

// A function that keeps a unit label; `saveLastX` tells whether LastX is saved.
void KeepUnit(double result, bool saveLastX)
{
    uint16_t label = KeptUnit();
    if (saveLastX)
        StoreLastX();
    StoreX(result);
    LabelX(label);
}

void PopEnter()
{
    if (PeekOp() == KeyEnter)
        PopOp();
}

void NewValue(double value)
{
    LiftStackForNewValue();
    StoreX(value);
}

void Percent()
{
    KeyOp top = PeekOp();
    const TapeValue percent = TapeLevel(0), base = TapeLevel(1);
    bool ofBase = Prefs.rpnInput() || top == KeyAdd || top == KeySubtract;
    double x = XValue() / 100;
    if (ofBase)
        x *= double(UnPrefs.stack[1]);
    Replace(x);
    if (ofBase)
        RecordTape(TapeKind::PercentOf, KeyPercent, 2, base, percent, TapeLevel(0));
    else
        RecordFunction(KeyPercent, false, percent);
}

void Round()
{
    if (IntegerFunctions()) {
        StoreLastX();
        IntegerConvertX(0);
    } else {
        KeepUnit(rnd(XValue(), int(Prefs.digits())), true);
    }
}

// Square root and square turn areas into lengths and lengths into areas.
void SquareRoot()
{
    uint16_t label = UnPrefs.stackLabel[0];
    uint16_t result = label >= LabelSqInches && label <= LabelSqMeters ? uint16_t(label - 14) : 0;
    Replace(std::sqrt(XValue()));
    LabelX(result);
}

void Square()
{
    uint16_t label = UnPrefs.stackLabel[0];
    uint16_t result = label >= LabelInches && label <= LabelMeters ? uint16_t(label + 14) : 0;
    double x = XValue();
    Replace(x * x);
    LabelX(result);
}

// While integer functions are in force a power wraps into the current word,
// as a product does.
void IntegerPowerOfX(double exponent)
{
    double x = IntegerPower(XValue(), UnPrefs.stackLabel[0], exponent, 0);
    Replace(x);
    LabelX(IntegerUnit(0));
}

void Amortize()
{
    if (UnPrefs.entering()) {
        double start = UnPrefs.stack[1], end = UnPrefs.stack[0];
        if (!ValidAmortizationRange(start, end)) {
            RefuseX();
            return;
        }
        StoreLastX();
        UnPrefs.amortStart = uint16_t(start);
        LabelY(LabelStart);
        UnPrefs.amortEnd = uint16_t(end);
        LabelX(LabelEnd);
        DropStack();
    } else if (UnPrefs.liftEnabled()) {
        LiftStack();
    }
    amort(false);
    PopEnter();
}

void Npv()
{
    LiftStackForNewValue();
    StoreX(npv(Regs.registers[RegInterest]));
    LabelX(LabelNPV);
    Regs.registers[RegPresentValue] = XValue();
    RegsChanged = 1;
    RecordResult(KeyNpv);
}

void Irr()
{
    if (UnPrefs.entering()) {
        PerformPendingOperation(false, false);
        UnPrefs.setLiftDisabledByKey(true);
        StoreLastX();
        Regs.registers[RegInterest] = XValue();
    } else if (UnPrefs.liftEnabled()) {
        LiftStack();
    }
    StoreX(irr(Regs.registers[RegInterest]));
    LabelX(LabelIrrYR);
    Regs.registers[RegInterest] = XValue();
    RegsChanged = 1;
    RecordResult(KeyIrr);
}

// The result of a trigonometric key in the current angle unit.
double Degrees(double radians)
{
    return FromRadians(radians);
}

// The hyperbolic functions have no angle: they take and give plain numbers
// in every angle unit.
void Sine()
{
    double x = XValue();
    Replace(UnPrefs.hyperbolic() ? std::sinh(x) : CircularSine(x));
}

void Cosine()
{
    double x = XValue();
    Replace(UnPrefs.hyperbolic() ? std::cosh(x) : CircularCosine(x));
}

void Tangent()
{
    double x = XValue();
    Replace(UnPrefs.hyperbolic() ? std::tanh(x) : CircularTangent(x));
}

void ArcCosine()
{
    double x = XValue();
    double r;
    if (x == 0 && !UnPrefs.hyperbolic()) {
        // The right angle exactly, in the unit shown.
        unsigned mode = Prefs.angleMode();
        r = mode == AngleDegrees ? 90.0 : mode == AngleGrads ? 100.0 : pi() * 0.5;
    } else {
        r = UnPrefs.hyperbolic() ? std::acosh(x) : Degrees(std::acos(x));
    }
    Replace(r);
}

// The coordinate keys turn the pair X, Y into another pair.
void RecordPair(KeyOp key, const TapeValue& x, const TapeValue& y)
{
    RecordTape(TapeKind::Function, key, 2, x, y, TapeLevel(0), TapeLevel(1));
}

void ToRectangular()
{
    const TapeValue radius = TapeLevel(0), angle = TapeLevel(1);
    StoreLastX();
    double r = XValue(), a = UnPrefs.stack[1];
    StoreX(r * CircularCosine(a));
    StoreY(r * CircularSine(a));
    PopEnter();
    RecordPair(KeyToRectangular, radius, angle);
}

// Radius and full-circle angle, so that the way back finds the same point.
// The origin, also as negative zeros, has the angle 0.
void ToPolar()
{
    const TapeValue xValue = TapeLevel(0), yValue = TapeLevel(1);
    StoreLastX();
    double x = XValue(), y = UnPrefs.stack[1];
    double angle = (x == 0 && y == 0) ? 0.0 : Degrees(std::atan2(y + 0.0, x + 0.0));
    StoreX(std::hypot(x, y)); // no overflow or underflow on the way
    StoreY(angle);
    PopEnter();
    RecordPair(KeyToPolar, xValue, yValue);
}

// The random key draws from the minimal-standard linear congruential
// generator (std::minstd_rand: x' = 48271 x mod 2^31 - 1), seeded with the
// previous value drawn, so the sequence is the same on every platform and
// continues across restarts.  The generator maps the seed 0 (the reset
// state) to 1.  Values lie in 1 .. 2^31 - 2, so X is in (0, 1).
void Random()
{
    LiftStackForNewValue();
    std::minstd_rand generator(uint32_t(int32_t(UnPrefs.randomSeed)));
    uint32_t v = uint32_t(generator());
    UnPrefs.randomSeed = int32_t(v);
    StoreX(double(v) / 2147483647.0);
}

void Not()
{
    uint16_t label = IntegerUnit(UnPrefs.stackLabel[0]);
    double x = OnesComplement(XValue(), UnPrefs.stackLabel[0]);
    Replace(x);
    LabelX(label);
}

void WordSize(KeyOp key)
{
    uint16_t size = uint16_t(LabelU8 + (key - KeyWordU8));
    if (UnPrefs.entering()) {
        StoreX(ConvertNumber(UnPrefs.entryText, size));
        LabelX(size);
    } else {
        StoreLastX();
        IntegerConvertX(size);
    }
}

} // namespace

bool HandleImmediateOperation(KeyOp key)
{
    double x = XValue();
    bool hyperbolic = UnPrefs.hyperbolic();
    bool integer = IntegerFunctions();
    // The operand of a function the tape records, taken before the key
    // changes it; the percent and coordinate keys record their own entries.
    const bool taped = key > KeyPercent && key != KeyToRectangular && key != KeyToPolar && IsTapeFunction(key);
    TapeValue operand{};
    if (taped)
        operand = TapeLevel(0);
    switch (int(key)) {
    case KeyPercent: Percent(); break;
    case KeyRound: Round(); break;
    case KeyIntegerPart: KeepUnit(std::trunc(WholeX()), true); break;
    case KeyAbs: KeepUnit(std::fabs(x), false); break;
    case KeySquareRoot: SquareRoot(); break;
    case KeySquare: integer ? IntegerPowerOfX(2) : Square(); break;
    case KeyCubeRoot: Replace(std::cbrt(x)); break;
    case KeyCube: integer ? IntegerPowerOfX(3) : Replace(x * x * x); break;
    case KeyReciprocal: Replace(1 / x); break;
    case KeyFractionPart: KeepUnit(FractionOfX(), true); break;
    case KeyAmortize: Amortize(); break;
    case KeyAmortizeNext: amort_next(); break;
    case KeyNpv: Npv(); break;
    case KeyIrr: Irr(); break;
    case KeySin: Sine(); break;
    case KeyCos: Cosine(); break;
    case KeyTan: Tangent(); break;
    case KeyArcSin: Replace(hyperbolic ? std::asinh(x) : Degrees(std::asin(x))); break;
    case KeyArcCos: ArcCosine(); break;
    case KeyArcTan: Replace(hyperbolic ? std::atanh(x) : Degrees(std::atan(x))); break;
    case KeyPi: NewValue(pi()); break;
    case KeyLn: Replace(std::log(x)); break;
    case KeyLog: Replace(std::log10(x)); break;
    case KeyExp: Replace(std::exp(x)); break;
    case KeyTenPower: Replace(std::pow(10.0, x)); break;
    case KeyToDegrees: Replace(x * 180 / pi()); break;
    case KeyToRadians: Replace(x * pi() / 180); break;
    case KeyToRectangular: ToRectangular(); break;
    case KeyToPolar: ToPolar(); break;
    case KeyToHms:
        Replace(hms(x));
        LabelX(LabelHms);
        break;
    case KeyToHours: Replace(hr(x)); break;
    case KeyRandom: Random(); break;
    case KeyFactorial: Replace(fact(x)); break;
    case KeyGamma: Replace(Gamma(x)); break;
    case KeyNot: Not(); break;
    case KeyWordU8: case KeyWordS8: case KeyWordU16:
    case KeyWordS16: case KeyWordU32: case KeyWordS32:
        WordSize(key);
        break;
    case KeyFloor: KeepUnit(std::floor(WholeX()), false); break;
    case KeyCeiling: KeepUnit(std::ceil(WholeX()), false); break;
    default:
        return StatisticsOperation(key);
    }
    if (taped)
        RecordFunction(key, hyperbolic, operand);
    return true;
}
