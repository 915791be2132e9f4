// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyMaps.h"

#include "State.h"

#include <initializer_list>

const FunctionMap FunctionKeys[ConstantFunctionMaps] = {
    // Standard
    {{KeyPercentTotal, KeyPercentChange, KeyPercent, KeyIntegerPart, KeyFractionPart, KeyAbs},
     {KeyRoot, KeyPower, KeyReciprocal, KeySquareRoot, KeySquare, KeyModulo}},
    {{KeyPercentTotal, KeyPercentChange, KeyPercent, KeyIntegerPart, KeyFractionPart, KeyCeiling},
     {KeyRoot, KeyPower, KeyReciprocal, KeySquareRoot, KeySquare, KeyFloor}},
    // Financial
    {{KeyN, KeyInterest, KeyPresentValue, KeyPayment, KeyFutureValue, KeyStore},
     {KeyClearFinancial, KeyCashFlow, KeyCost, KeyPrice, KeyMargin, KeyRecall}},
    {{KeyTimesPaymentsPerYear, KeyNominalRate, KeyEffectiveRate, KeyPaymentsPerYear, KeyAmortize, KeyAmortizeNext},
     {KeyDividePaymentsPerYear, KeyCashFlowCount, KeyIrr, KeyNpv, KeyMarkup, KeyBeginMode}},
    // Scientific
    {{KeySin, KeyCos, KeyTan, KeyPi, KeyLn, KeyLog},
     {KeyRoot, KeyPower, KeyReciprocal, KeyHyperbolic, KeyExp, KeyTenPower}},
    {{KeyArcSin, KeyArcCos, KeyArcTan, KeyToDegrees, KeyToRectangular, KeyToHms},
     {KeyDegrees, KeyRadians, KeyGrads, KeyToRadians, KeyToPolar, KeyToHours}},
    // Statistical
    {{KeyMeanX, KeyRecallSumX, KeyRecallSumX2, KeyWeightedMean, KeyRecallN, KeySigmaMinus},
     {KeyClearStatistics, KeyStdDev, KeyEstimateX, KeyCombinations, KeyFactorial, KeySigmaPlus}},
    {{KeyMeanY, KeyRecallSumY, KeyRecallSumY2, KeyRecallSumXY, KeyRandom, KeySigmaMinus},
     {KeyClearStatistics, KeyPopStdDev, KeyEstimateY, KeyPermutations, KeyGamma, KeySigmaPlus}},
    // Programmer
    {{KeyBinary, KeyOctal, KeyHexD, KeyHexE, KeyHexF, KeyAnd},
     {KeyDecimal, KeyHexadecimal, KeyHexA, KeyHexB, KeyHexC, KeyOr}},
    {{KeyRotate, KeyArithShiftRight, KeyWordU8, KeyWordU16, KeyWordU32, KeyNot},
     {KeyShiftLeft, KeyShiftRight, KeyWordS8, KeyWordS16, KeyWordS32, KeyXor}},
    // Conversion
    {{KeyInches, KeyFeet, KeyInchesPerSecond, KeyFeetPerSecond, KeyCentimetersPerSecond, KeyFahrenheit},
     {KeyMeters, KeyMiles, KeyMetersPerSecond, KeyMilesPerHour, KeyKilometersPerHour, KeyCelsius}},
    {{KeySqInches, KeySqFeet, KeyGallons, KeyFluidOunces, KeyPounds, KeyOunces},
     {KeySqMeters, KeySqMiles, KeyLiters, KeyMilliliters, KeyKilograms, KeyGrams}},
};

const MainMap InfixKeys = {
    {KeyClear, KeyClearEntry, KeyShift, KeyChangeSign, KeyExponent, KeyBackspace},
    {KeyOpenParen, KeyCloseParen, KeyDigit7, KeyDigit8, KeyDigit9, KeyDivide},
    {KeyMemoryClear, KeyMemoryAdd, KeyDigit4, KeyDigit5, KeyDigit6, KeyMultiply},
    {KeyMemoryStore, KeySwapXY, KeyDigit1, KeyDigit2, KeyDigit3, KeySubtract},
    {KeyMemoryRecall, KeyEnter, KeyDigit0, KeyPoint, KeyEquals, KeyAdd},
};

const MainMap SInfixKeys = {
    {KeyClearAll, KeyClearEntry, KeyShift, KeyPercent, KeyShowAll, KeyRound},
    {KeyOpenParen, KeyCloseParen, KeyFormatFixed, KeyFormatScientific, KeyFormatEngineering, KeyDivide},
    {KeyClearRegisters, KeyMemorySubtract, KeyDigit4, KeyDigit5, KeyDigit6, KeyMultiply},
    {KeyStore, KeyLastX, KeyDigit1, KeyDigit2, KeyDigit3, KeySubtract},
    {KeyRecall, KeyEnter, KeyDigit0, KeyFormatGeneral, KeySigmaPlus, KeyAdd},
};

const MainMap RPNKeys = {
    {KeyClearStack, KeyClearX, KeyShift, KeyChangeSign, KeyExponent, KeyBackspace},
    {KeyRollDown, KeyDrop, KeyDigit7, KeyDigit8, KeyDigit9, KeyDivide},
    {KeyExchangeRegister, KeySwapXY, KeyDigit4, KeyDigit5, KeyDigit6, KeyMultiply},
    {KeyStore, KeyEnter, KeyDigit1, KeyDigit2, KeyDigit3, KeySubtract},
    {KeyRecall, KeyEnter, KeyDigit0, KeyPoint, KeySigmaPlus, KeyAdd},
};

const MainMap SRPNKeys = {
    {KeyClearAllRpn, KeyClearX, KeyShift, KeyPercent, KeyShowAll, KeyRound},
    {KeyRollUp, KeyFillStack, KeyFormatFixed, KeyFormatScientific, KeyFormatEngineering, KeyDivide},
    {KeyClearRegisters, KeyLastX, KeyDigit4, KeyDigit5, KeyDigit6, KeyMultiply},
    {KeyStore, KeyEnter, KeyDigit1, KeyDigit2, KeyDigit3, KeySubtract},
    {KeyRecall, KeyEnter, KeyDigit0, KeyFormatGeneral, KeySigmaMinus, KeyAdd},
};

const MainMap* const MainKeys[4] = {&InfixKeys, &SInfixKeys, &RPNKeys, &SRPNKeys};

namespace {

// A code of the user table; anything that is not a key code is no key.
KeyOp UserTableKey(int index)
{
    int32_t code = KeyboardTable.keys[index];
    return (code >= 0 && code <= KeyFormatFixed) || code == KeyNoOp ? KeyOp(code) : KeyNone;
}

} // namespace

const FunctionMap* GetFunctionMap(int function, bool shifted)
{
    if (function >= FunctionStandard && function < FunctionUser)
        return &FunctionKeys[function * 2 + (shifted ? 1 : 0)];
    if (function != FunctionUser)
        return nullptr;
    static FunctionMap userMaps[2];
    FunctionMap& map = userMaps[shifted ? 1 : 0];
    for (int index = 0; index < 12; ++index)
        map[index / 6][index % 6] = UserTableKey((shifted ? 12 : 0) + index);
    return &map;
}

KeyOp FunctionKey(int function, bool shifted, int row, int col)
{
    if (row < 1 || row > 2 || col < 1 || col > 6)
        return KeyNone;
    if (function == FunctionUser)
        return UserTableKey((shifted ? 12 : 0) + (row - 1) * 6 + (col - 1));
    const FunctionMap* map = GetFunctionMap(function, shifted);
    return map ? (*map)[row - 1][col - 1] : KeyNone;
}

bool FunctionHasKey(int function, KeyOp key)
{
    for (bool shifted : {false, true})
        for (int row = 1; row <= 2; ++row)
            for (int col = 1; col <= 6; ++col)
                if (FunctionKey(function, shifted, row, col) == key)
                    return true;
    return false;
}
