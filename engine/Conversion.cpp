// SPDX-License-Identifier: GPL-3.0-or-later
// Unit keys, unit labels and the unit rules of arithmetic.

#include "Conversion.h"

#include "Scientific.h"
#include "Stack.h"
#include "Tape.h"

#include "core/Labels.h"
#include "core/State.h"

namespace {

// Each factor says how many of the unit make one base unit: feet, square
// feet, gallons, feet per second and pounds.  All follow from three exact
// definitions: the inch is 2.54 cm, the pound 0.45359237 kg and the US gallon
// 231 cubic inches.  Each factor is written as its exact decimal value or as
// a quotient of whole numbers, so that it is the double nearest the exact one.
constexpr double FeetPerMile = 5280.0;
constexpr double SecondsPerHour = 3600.0;

const ConversionType Length[] = {
    {KeyInches, LabelInches, 12.0},
    {KeyFeet, LabelFeet, 1.0},
    {KeyMiles, LabelMiles, 1.0 / FeetPerMile},
    {KeyMeters, LabelMeters, 0.3048}, // 12 x 2.54 cm
};

// The squares of the lengths.
const ConversionType Area[] = {
    {KeySqInches, LabelSqInches, 144.0},
    {KeySqFeet, LabelSqFeet, 1.0},
    {KeySqMiles, LabelSqMiles, 1.0 / (FeetPerMile * FeetPerMile)},
    {KeySqMeters, LabelSqMeters, 0.09290304}, // 0.3048^2
};

const ConversionType Volume[] = {
    {KeyGallons, LabelGallons, 1.0},
    {KeyMilliliters, LabelMl, 3785.411784}, // 231 x 2.54^3 cm^3
    {KeyLiters, LabelLiters, 3.785411784},
    {KeyFluidOunces, LabelFlOz, 128.0},
};

const ConversionType Speed[] = {
    {KeyInchesPerSecond, LabelInPerS, 12.0},
    {KeyFeetPerSecond, LabelFtPerS, 1.0},
    {KeyMilesPerHour, LabelMiPerH, SecondsPerHour / FeetPerMile},
    {KeyMetersPerSecond, LabelMPerS, 0.3048},
    {KeyKilometersPerHour, LabelKmPerH, 1.09728}, // 0.3048 x 3.6
    {KeyCentimetersPerSecond, LabelCmPerS, 30.48},
};

const ConversionType Weight[] = {
    {KeyPounds, LabelPounds, 1.0},
    {KeyOunces, LabelOunces, 16.0},
    {KeyKilograms, LabelKg, 0.45359237},
    {KeyGrams, LabelGrams, 453.59237},
};

template <unsigned short N>
constexpr unsigned short Count(const ConversionType (&)[N]) { return N; }

// The length label that corresponds position by position to an area label,
// and the other way round.
uint16_t LengthOfArea(uint16_t area) { return uint16_t(area - LabelSqInches + LabelInches); }
uint16_t AreaOfLength(uint16_t length) { return uint16_t(length - LabelInches + LabelSqInches); }

bool HasFactorTable(unsigned short type)
{
    return type == UnitLength || type == UnitArea || type == UnitVolume || type == UnitSpeed ||
           type == UnitWeight;
}

const ConversionType* Find(const ConversionType* table, unsigned short count, uint16_t label)
{
    for (unsigned short i = 0; i < count; ++i)
        if (table[i].label == label)
            return &table[i];
    return nullptr;
}

} // namespace

unsigned short UnitType(unsigned short label)
{
    if (label >= LabelInches && label <= LabelMeters) return UnitLength;
    if (label >= LabelPounds && label <= LabelGrams) return UnitWeight;
    if (label >= LabelInPerS && label <= LabelCmPerS) return UnitSpeed;
    if (label >= LabelSqInches && label <= LabelSqMeters) return UnitArea;
    if (label >= LabelGallons && label <= LabelFlOz) return UnitVolume;
    if (label >= LabelDegC && label <= LabelDegF) return UnitTemperature;
    if (label >= 1924 && label <= 1929) return UnitWordSize;
    return UnitNone;
}

void ConvertX(const ConversionType* table, unsigned short count, KeyOp key)
{
    const ConversionType* from = Find(table, count, UnPrefs.stackLabel[0]);
    double x = UnPrefs.stack[0];
    double base = x;
    if (from) {
        StoreLastX();
        base = x / from->factor;
    }
    for (unsigned short i = 0; i < count; ++i) {
        const ConversionType& to = table[i];
        if (to.key != key)
            continue;
        const TapeValue given = TapeLevel(0);
        if (from)
            // The unit X already has keeps its value exactly, free of the
            // rounding of a division and multiplication by the same factor.
            StoreX(&to == from ? x : base * to.factor);
        LabelX(to.label);
        // Attaching a unit, or pressing the one X has, converts nothing.
        if (from && &to != from)
            RecordConversion(key, given);
        return;
    }
}

void ConvertUnits(unsigned short toLabel, unsigned short fromLabel, double* value)
{
    const ConversionType* table;
    unsigned short count;
    switch (UnitType(toLabel)) {
    case UnitLength: table = Length; count = Count(Length); break;
    case UnitArea: table = Area; count = Count(Area); break;
    case UnitVolume: table = Volume; count = Count(Volume); break;
    case UnitSpeed: table = Speed; count = Count(Speed); break;
    case UnitWeight: table = Weight; count = Count(Weight); break;
    default: return;
    }
    // Two searches, so that the order of the units in the table does not
    // matter: first into the base unit, then out of it.
    if (const ConversionType* from = Find(table, count, fromLabel))
        *value /= from->factor;
    if (const ConversionType* to = Find(table, count, toLabel))
        *value *= to->factor;
}

unsigned short PreserveUnit(KeyOp op, unsigned short leftLabel, unsigned short rightLabel, double* right)
{
    unsigned short tl = UnitType(leftLabel);
    unsigned short tr = UnitType(rightLabel);
    if (tr == UnitNone && tl != UnitNone)
        return leftLabel;
    if (tl == UnitNone && tr != UnitNone)
        return rightLabel;
    switch (int(op)) {
    case KeyAdd:
    case KeySubtract:
        // Labels that are not units (register or statistics names) do not
        // carry over to a sum.
        if (tl == tr && tl != UnitNone && tl != UnitTemperature) {
            if (leftLabel != rightLabel)
                ConvertUnits(leftLabel, rightLabel, right);
            return leftLabel;
        }
        return 0;
    case KeyMultiply:
        if (tl == UnitLength && tr == UnitLength) {
            if (leftLabel != rightLabel)
                ConvertUnits(leftLabel, rightLabel, right);
            return AreaOfLength(leftLabel);
        }
        return 0;
    case KeyDivide:
        if (tl == UnitArea && tr == UnitLength) {
            uint16_t length = LengthOfArea(leftLabel);
            if (length != rightLabel)
                ConvertUnits(length, rightLabel, right);
            return length;
        }
        // Two values of one kind give a plain ratio: 1 feet / 1 meters is
        // 0.3048.
        if (tl == tr && HasFactorTable(tl) && leftLabel != rightLabel)
            ConvertUnits(leftLabel, rightLabel, right);
        return 0;
    default:
        return 0;
    }
}

bool HandleConversion(KeyOp key)
{
    if (key >= KeyInches && key <= KeyMeters)
        ConvertX(Length, Count(Length), key);
    else if (key >= KeySqInches && key <= KeySqMeters)
        ConvertX(Area, Count(Area), key);
    else if (key >= KeyPounds && key <= KeyGrams)
        ConvertX(Weight, Count(Weight), key);
    else if (key >= KeyInchesPerSecond && key <= KeyCentimetersPerSecond)
        ConvertX(Speed, Count(Speed), key);
    else if (key >= KeyGallons && key <= KeyFluidOunces)
        ConvertX(Volume, Count(Volume), key);
    else if (key == KeyCelsius || key == KeyFahrenheit) {
        // Temperatures convert in place: no LastX, the label index stays.
        const TapeValue given = TapeLevel(0);
        double x = UnPrefs.stack[0];
        uint16_t label = UnPrefs.stackLabel[0];
        bool converts = label == (key == KeyCelsius ? LabelDegF : LabelDegC);
        if (key == KeyCelsius) {
            if (converts)
                UnPrefs.stack[0] = subtract(x, 32.0) * 5.0 / 9.0;
            UnPrefs.stackLabel[0] = LabelDegC;
        } else {
            if (converts)
                UnPrefs.stack[0] = x * 9.0 / 5.0 + 32.0;
            UnPrefs.stackLabel[0] = LabelDegF;
        }
        if (converts)
            RecordConversion(key, given);
    } else
        return false;
    return true;
}
