// SPDX-License-Identifier: GPL-3.0-or-later
// Units of length, area, volume, speed, weight and temperature.
#pragma once

#include "core/KeyOp.h"

#include <cstdint>

// One unit of a conversion table: its key, its label and how many of it make
// one base unit.
struct ConversionType {
    uint16_t key;
    uint16_t label;
    double factor;
};

// Unit types of labels.
enum UnitKind { UnitNone, UnitLength, UnitArea, UnitVolume, UnitSpeed, UnitWeight,
                UnitTemperature, UnitWordSize };

bool HandleConversion(KeyOp key);
void ConvertX(const ConversionType* table, unsigned short count, KeyOp key);
void ConvertUnits(unsigned short toLabel, unsigned short fromLabel, double* value);
unsigned short PreserveUnit(KeyOp op, unsigned short leftLabel, unsigned short rightLabel, double* right);
unsigned short UnitType(unsigned short label);
