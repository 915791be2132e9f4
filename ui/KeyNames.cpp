// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyNames.h"

#include "core/KeyList.h"

#include <QCoreApplication>

namespace {

struct KeyNameEntry {
    KeyOp code;
    const char* name;
};

constexpr KeyNameEntry Names[] = {
    {KeyDigit0, QT_TRANSLATE_NOOP("KeyNames", "Zero")},
    {KeyDigit1, QT_TRANSLATE_NOOP("KeyNames", "One")},
    {KeyDigit2, QT_TRANSLATE_NOOP("KeyNames", "Two")},
    {KeyDigit3, QT_TRANSLATE_NOOP("KeyNames", "Three")},
    {KeyDigit4, QT_TRANSLATE_NOOP("KeyNames", "Four")},
    {KeyDigit5, QT_TRANSLATE_NOOP("KeyNames", "Five")},
    {KeyDigit6, QT_TRANSLATE_NOOP("KeyNames", "Six")},
    {KeyDigit7, QT_TRANSLATE_NOOP("KeyNames", "Seven")},
    {KeyDigit8, QT_TRANSLATE_NOOP("KeyNames", "Eight")},
    {KeyDigit9, QT_TRANSLATE_NOOP("KeyNames", "Nine")},
    {KeyHexA, QT_TRANSLATE_NOOP("KeyNames", "Hexadecimal digit A")},
    {KeyHexB, QT_TRANSLATE_NOOP("KeyNames", "Hexadecimal digit B")},
    {KeyHexC, QT_TRANSLATE_NOOP("KeyNames", "Hexadecimal digit C")},
    {KeyHexD, QT_TRANSLATE_NOOP("KeyNames", "Hexadecimal digit D")},
    {KeyHexE, QT_TRANSLATE_NOOP("KeyNames", "Hexadecimal digit E")},
    {KeyHexF, QT_TRANSLATE_NOOP("KeyNames", "Hexadecimal digit F")},
    {KeyPoint, QT_TRANSLATE_NOOP("KeyNames", "Decimal point")},
    {KeyComma, QT_TRANSLATE_NOOP("KeyNames", "Decimal comma")},
    {KeyExponent, QT_TRANSLATE_NOOP("KeyNames", "Enter exponent")},
    {KeyChangeSign, QT_TRANSLATE_NOOP("KeyNames", "Change sign")},
    {KeyBackspace, QT_TRANSLATE_NOOP("KeyNames", "Backspace")},
    {KeyEnter, QT_TRANSLATE_NOOP("KeyNames", "Enter")},
    {KeyAdd, QT_TRANSLATE_NOOP("KeyNames", "Plus")},
    {KeySubtract, QT_TRANSLATE_NOOP("KeyNames", "Minus")},
    {KeyMultiply, QT_TRANSLATE_NOOP("KeyNames", "Multiply by")},
    {KeyDivide, QT_TRANSLATE_NOOP("KeyNames", "Divide by")},
    {KeyEquals, QT_TRANSLATE_NOOP("KeyNames", "Equals")},
    {KeyShift, QT_TRANSLATE_NOOP("KeyNames", "Shift")},
    {KeyShowAll, QT_TRANSLATE_NOOP("KeyNames", "Show all digits")},
    {KeyClearAll, QT_TRANSLATE_NOOP("KeyNames", "Clear all")},
    {KeyClear, QT_TRANSLATE_NOOP("KeyNames", "Clear")},
    {KeyClearEntry, QT_TRANSLATE_NOOP("KeyNames", "Clear entry")},
    {KeyClearAllRpn, QT_TRANSLATE_NOOP("KeyNames", "Clear all")},
    {KeyClearStack, QT_TRANSLATE_NOOP("KeyNames", "Clear stack")},
    {KeyClearX, QT_TRANSLATE_NOOP("KeyNames", "Clear X")},
    {KeyClearRegisters, QT_TRANSLATE_NOOP("KeyNames", "Clear all registers")},
    {KeyClearFinancial, QT_TRANSLATE_NOOP("KeyNames", "Clear financial registers")},
    {KeyClearStatistics, QT_TRANSLATE_NOOP("KeyNames", "Clear statistics")},
    {KeyRollDown, QT_TRANSLATE_NOOP("KeyNames", "Roll stack down")},
    {KeyRollUp, QT_TRANSLATE_NOOP("KeyNames", "Roll stack up")},
    {KeyDrop, QT_TRANSLATE_NOOP("KeyNames", "Drop X")},
    {KeyFillStack, QT_TRANSLATE_NOOP("KeyNames", "Fill stack with X")},
    {KeySwapXY, QT_TRANSLATE_NOOP("KeyNames", "Exchange X and Y")},
    {KeyExchangeRegister, QT_TRANSLATE_NOOP("KeyNames", "Exchange X with register")},
    {KeyLastX, QT_TRANSLATE_NOOP("KeyNames", "Last X")},
    {KeyStore, QT_TRANSLATE_NOOP("KeyNames", "Store in register")},
    {KeyRecall, QT_TRANSLATE_NOOP("KeyNames", "Recall register")},
    {KeyOpenParen, QT_TRANSLATE_NOOP("KeyNames", "Open parenthesis")},
    {KeyCloseParen, QT_TRANSLATE_NOOP("KeyNames", "Close parenthesis")},
    {KeyMemoryClear, QT_TRANSLATE_NOOP("KeyNames", "Memory clear")},
    {KeyMemoryAdd, QT_TRANSLATE_NOOP("KeyNames", "Memory add")},
    {KeyMemorySubtract, QT_TRANSLATE_NOOP("KeyNames", "Memory subtract")},
    {KeyMemoryStore, QT_TRANSLATE_NOOP("KeyNames", "Memory store")},
    {KeyMemoryRecall, QT_TRANSLATE_NOOP("KeyNames", "Memory recall")},
    {KeyPercentTotal, QT_TRANSLATE_NOOP("KeyNames", "Percent of total")},
    {KeyPercentChange, QT_TRANSLATE_NOOP("KeyNames", "Percent change")},
    {KeyPercent, QT_TRANSLATE_NOOP("KeyNames", "Percent")},
    {KeyRound, QT_TRANSLATE_NOOP("KeyNames", "Round to the display")},
    {KeyIntegerPart, QT_TRANSLATE_NOOP("KeyNames", "Integer part")},
    {KeyAbs, QT_TRANSLATE_NOOP("KeyNames", "Absolute value")},
    {KeySquareRoot, QT_TRANSLATE_NOOP("KeyNames", "Square root")},
    {KeySquare, QT_TRANSLATE_NOOP("KeyNames", "Square")},
    {KeyCubeRoot, QT_TRANSLATE_NOOP("KeyNames", "Cube root")},
    {KeyCube, QT_TRANSLATE_NOOP("KeyNames", "Cube")},
    {KeyPower, QT_TRANSLATE_NOOP("KeyNames", "Y to the power X")},
    {KeyReciprocal, QT_TRANSLATE_NOOP("KeyNames", "Reciprocal")},
    {KeyFractionPart, QT_TRANSLATE_NOOP("KeyNames", "Fractional part")},
    {KeyModulo, QT_TRANSLATE_NOOP("KeyNames", "Modulo")},
    {KeyBeginMode, QT_TRANSLATE_NOOP("KeyNames", "Payments at the beginning of periods")},
    {KeyN, QT_TRANSLATE_NOOP("KeyNames", "Number of periods")},
    {KeyInterest, QT_TRANSLATE_NOOP("KeyNames", "Interest rate per year")},
    {KeyPresentValue, QT_TRANSLATE_NOOP("KeyNames", "Present value")},
    {KeyPayment, QT_TRANSLATE_NOOP("KeyNames", "Payment")},
    {KeyFutureValue, QT_TRANSLATE_NOOP("KeyNames", "Future value")},
    {KeyPaymentsPerYear, QT_TRANSLATE_NOOP("KeyNames", "Payments per year")},
    {KeyNominalRate, QT_TRANSLATE_NOOP("KeyNames", "Nominal interest rate")},
    {KeyEffectiveRate, QT_TRANSLATE_NOOP("KeyNames", "Effective interest rate")},
    {KeyTimesPaymentsPerYear, QT_TRANSLATE_NOOP("KeyNames", "Multiply by payments per year")},
    {KeyDividePaymentsPerYear, QT_TRANSLATE_NOOP("KeyNames", "Divide by payments per year")},
    {KeyCost, QT_TRANSLATE_NOOP("KeyNames", "Cost")},
    {KeyPrice, QT_TRANSLATE_NOOP("KeyNames", "Price")},
    {KeyMargin, QT_TRANSLATE_NOOP("KeyNames", "Margin")},
    {KeyMarkup, QT_TRANSLATE_NOOP("KeyNames", "Markup on cost")},
    {KeyAmortize, QT_TRANSLATE_NOOP("KeyNames", "Amortize")},
    {KeyAmortizeNext, QT_TRANSLATE_NOOP("KeyNames", "Amortize the next payments")},
    {KeyCashFlow, QT_TRANSLATE_NOOP("KeyNames", "Cash flow")},
    {KeyCashFlowCount, QT_TRANSLATE_NOOP("KeyNames", "Times the cash flow occurs")},
    {KeyNpv, QT_TRANSLATE_NOOP("KeyNames", "Net present value")},
    {KeyIrr, QT_TRANSLATE_NOOP("KeyNames", "Internal rate of return")},
    {KeySin, QT_TRANSLATE_NOOP("KeyNames", "Sine")},
    {KeyCos, QT_TRANSLATE_NOOP("KeyNames", "Cosine")},
    {KeyTan, QT_TRANSLATE_NOOP("KeyNames", "Tangent")},
    {KeyArcSin, QT_TRANSLATE_NOOP("KeyNames", "Arc sine")},
    {KeyArcCos, QT_TRANSLATE_NOOP("KeyNames", "Arc cosine")},
    {KeyArcTan, QT_TRANSLATE_NOOP("KeyNames", "Arc tangent")},
    {KeyPi, QT_TRANSLATE_NOOP("KeyNames", "Pi")},
    {KeyHyperbolic, QT_TRANSLATE_NOOP("KeyNames", "Hyperbolic function")},
    {KeyLn, QT_TRANSLATE_NOOP("KeyNames", "Natural logarithm")},
    {KeyLog, QT_TRANSLATE_NOOP("KeyNames", "Common logarithm")},
    {KeyExp, QT_TRANSLATE_NOOP("KeyNames", "E to the power X")},
    {KeyTenPower, QT_TRANSLATE_NOOP("KeyNames", "10 to the power X")},
    {KeyDegrees, QT_TRANSLATE_NOOP("KeyNames", "Angles in degrees")},
    {KeyRadians, QT_TRANSLATE_NOOP("KeyNames", "Angles in radians")},
    {KeyGrads, QT_TRANSLATE_NOOP("KeyNames", "Angles in grads")},
    {KeyToDegrees, QT_TRANSLATE_NOOP("KeyNames", "Radians to degrees")},
    {KeyToRadians, QT_TRANSLATE_NOOP("KeyNames", "Degrees to radians")},
    {KeyToRectangular, QT_TRANSLATE_NOOP("KeyNames", "Polar to rectangular")},
    {KeyToPolar, QT_TRANSLATE_NOOP("KeyNames", "Rectangular to polar")},
    {KeyToHms, QT_TRANSLATE_NOOP("KeyNames", "Hours to hours, minutes and seconds")},
    {KeyToHours, QT_TRANSLATE_NOOP("KeyNames", "Hours, minutes and seconds to hours")},
    {KeySigmaPlus, QT_TRANSLATE_NOOP("KeyNames", "Add data point")},
    {KeySigmaMinus, QT_TRANSLATE_NOOP("KeyNames", "Remove data point")},
    {KeyRecallSumX, QT_TRANSLATE_NOOP("KeyNames", "Sum of x")},
    {KeyRecallSumX2, QT_TRANSLATE_NOOP("KeyNames", "Sum of x squared")},
    {KeyRecallSumY, QT_TRANSLATE_NOOP("KeyNames", "Sum of y")},
    {KeyRecallSumY2, QT_TRANSLATE_NOOP("KeyNames", "Sum of y squared")},
    {KeyRecallSumXY, QT_TRANSLATE_NOOP("KeyNames", "Sum of x times y")},
    {KeyRecallN, QT_TRANSLATE_NOOP("KeyNames", "Number of data points")},
    {KeyMeanX, QT_TRANSLATE_NOOP("KeyNames", "Mean of x")},
    {KeyWeightedMean, QT_TRANSLATE_NOOP("KeyNames", "Mean of x weighted by y")},
    {KeyMeanY, QT_TRANSLATE_NOOP("KeyNames", "Mean of y")},
    {KeyEstimateX, QT_TRANSLATE_NOOP("KeyNames", "Estimate x and correlation")},
    {KeyEstimateY, QT_TRANSLATE_NOOP("KeyNames", "Estimate y and slope")},
    {KeyRandom, QT_TRANSLATE_NOOP("KeyNames", "Random number")},
    {KeyFactorial, QT_TRANSLATE_NOOP("KeyNames", "Factorial")},
    {KeyGamma, QT_TRANSLATE_NOOP("KeyNames", "Gamma function")},
    {KeyStdDev, QT_TRANSLATE_NOOP("KeyNames", "Sample standard deviation")},
    {KeyPopStdDev, QT_TRANSLATE_NOOP("KeyNames", "Population standard deviation")},
    {KeyCombinations, QT_TRANSLATE_NOOP("KeyNames", "Combinations")},
    {KeyPermutations, QT_TRANSLATE_NOOP("KeyNames", "Permutations")},
    {KeyBinary, QT_TRANSLATE_NOOP("KeyNames", "Binary base")},
    {KeyOctal, QT_TRANSLATE_NOOP("KeyNames", "Octal base")},
    {KeyDecimal, QT_TRANSLATE_NOOP("KeyNames", "Decimal base")},
    {KeyHexadecimal, QT_TRANSLATE_NOOP("KeyNames", "Hexadecimal base")},
    {KeyAnd, QT_TRANSLATE_NOOP("KeyNames", "Bitwise and")},
    {KeyOr, QT_TRANSLATE_NOOP("KeyNames", "Bitwise or")},
    {KeyXor, QT_TRANSLATE_NOOP("KeyNames", "Bitwise exclusive or")},
    {KeyNot, QT_TRANSLATE_NOOP("KeyNames", "Bitwise not")},
    {KeyShiftLeft, QT_TRANSLATE_NOOP("KeyNames", "Shift Y left by X bits")},
    {KeyShiftRight, QT_TRANSLATE_NOOP("KeyNames", "Shift Y right by X bits")},
    {KeyArithShiftRight, QT_TRANSLATE_NOOP("KeyNames", "Arithmetic shift right")},
    {KeyRotate, QT_TRANSLATE_NOOP("KeyNames", "Rotate Y right by X bits")},
    {KeyInches, QT_TRANSLATE_NOOP("KeyNames", "Inches")},
    {KeyFeet, QT_TRANSLATE_NOOP("KeyNames", "Feet")},
    {KeyMiles, QT_TRANSLATE_NOOP("KeyNames", "Miles")},
    {KeyMeters, QT_TRANSLATE_NOOP("KeyNames", "Meters")},
    {KeySqInches, QT_TRANSLATE_NOOP("KeyNames", "Square inches")},
    {KeySqFeet, QT_TRANSLATE_NOOP("KeyNames", "Square feet")},
    {KeySqMiles, QT_TRANSLATE_NOOP("KeyNames", "Square miles")},
    {KeySqMeters, QT_TRANSLATE_NOOP("KeyNames", "Square meters")},
    {KeyPounds, QT_TRANSLATE_NOOP("KeyNames", "Pounds")},
    {KeyOunces, QT_TRANSLATE_NOOP("KeyNames", "Ounces")},
    {KeyKilograms, QT_TRANSLATE_NOOP("KeyNames", "Kilograms")},
    {KeyGrams, QT_TRANSLATE_NOOP("KeyNames", "Grams")},
    {KeyInchesPerSecond, QT_TRANSLATE_NOOP("KeyNames", "Inches per second")},
    {KeyFeetPerSecond, QT_TRANSLATE_NOOP("KeyNames", "Feet per second")},
    {KeyMetersPerSecond, QT_TRANSLATE_NOOP("KeyNames", "Meters per second")},
    {KeyMilesPerHour, QT_TRANSLATE_NOOP("KeyNames", "Miles per hour")},
    {KeyKilometersPerHour, QT_TRANSLATE_NOOP("KeyNames", "Kilometers per hour")},
    {KeyCentimetersPerSecond, QT_TRANSLATE_NOOP("KeyNames", "Centimeters per second")},
    {KeyGallons, QT_TRANSLATE_NOOP("KeyNames", "Gallons")},
    {KeyMilliliters, QT_TRANSLATE_NOOP("KeyNames", "Milliliters")},
    {KeyLiters, QT_TRANSLATE_NOOP("KeyNames", "Liters")},
    {KeyFluidOunces, QT_TRANSLATE_NOOP("KeyNames", "Fluid ounces")},
    {KeyCelsius, QT_TRANSLATE_NOOP("KeyNames", "Degrees Celsius")},
    {KeyFahrenheit, QT_TRANSLATE_NOOP("KeyNames", "Degrees Fahrenheit")},
    {KeyRoot, QT_TRANSLATE_NOOP("KeyNames", "X-th root of Y")},
    {KeyWordU8, QT_TRANSLATE_NOOP("KeyNames", "Unsigned 8-bit word")},
    {KeyWordS8, QT_TRANSLATE_NOOP("KeyNames", "Signed 8-bit word")},
    {KeyWordU16, QT_TRANSLATE_NOOP("KeyNames", "Unsigned 16-bit word")},
    {KeyWordS16, QT_TRANSLATE_NOOP("KeyNames", "Signed 16-bit word")},
    {KeyWordU32, QT_TRANSLATE_NOOP("KeyNames", "Unsigned 32-bit word")},
    {KeyWordS32, QT_TRANSLATE_NOOP("KeyNames", "Signed 32-bit word")},
    {KeyFormatGeneral, QT_TRANSLATE_NOOP("KeyNames", "General format")},
    {KeyFormatScientific, QT_TRANSLATE_NOOP("KeyNames", "Scientific format")},
    {KeyFormatEngineering, QT_TRANSLATE_NOOP("KeyNames", "Engineering format")},
    {KeyFloor, QT_TRANSLATE_NOOP("KeyNames", "Floor")},
    {KeyCeiling, QT_TRANSLATE_NOOP("KeyNames", "Ceiling")},
    {KeyIntChangeSign, QT_TRANSLATE_NOOP("KeyNames", "Two's complement")},
    {KeyIntRound, QT_TRANSLATE_NOOP("KeyNames", "Round into the word")},
    {KeyIntAdd, QT_TRANSLATE_NOOP("KeyNames", "Integer plus")},
    {KeyIntSubtract, QT_TRANSLATE_NOOP("KeyNames", "Integer minus")},
    {KeyIntMultiply, QT_TRANSLATE_NOOP("KeyNames", "Integer multiply by")},
    {KeyIntDivide, QT_TRANSLATE_NOOP("KeyNames", "Integer divide by")},
    {KeyFormatFixed, QT_TRANSLATE_NOOP("KeyNames", "Fixed format")},
    {KeyNoOp, QT_TRANSLATE_NOOP("KeyNames", "No operation")},
    {KeyNone, QT_TRANSLATE_NOOP("KeyNames", "Unassigned user key")},
};

// The table names every code of the key list once.
constexpr int ListCodes[] = {
#define TOVRIN_KEY_CODE(name, code) code,
    TOVRIN_KEY_LIST(TOVRIN_KEY_CODE)
#undef TOVRIN_KEY_CODE
};

constexpr bool NamesEveryCodeOnce()
{
    if (sizeof Names / sizeof Names[0] != sizeof ListCodes / sizeof ListCodes[0])
        return false;
    for (int code : ListCodes) {
        int found = 0;
        for (const KeyNameEntry& entry : Names)
            found += entry.code == code && entry.name[0] != '\0';
        if (found != 1)
            return false;
    }
    return true;
}
static_assert(NamesEveryCodeOnce(), "every code of the key list has exactly one name");

} // namespace

const char* KeyNameSource(KeyOp code)
{
    for (const KeyNameEntry& entry : Names)
        if (entry.code == code)
            return entry.name;
    return nullptr;
}

QString KeyName(KeyOp code)
{
    const char* name = KeyNameSource(code);
    return name ? QCoreApplication::translate(KeyNameContext, name) : QString();
}
