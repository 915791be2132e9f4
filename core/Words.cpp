// SPDX-License-Identifier: GPL-3.0-or-later
#include "Words.h"

#include "State.h"

#include <cmath>

namespace {

constexpr uint32_t NaNPattern = 0x7FFFFFFF;

uint32_t Pattern(double v, bool signedKind)
{
    if (std::isnan(v))
        return NaNPattern;
    double t = std::trunc(v);
    if (t < -2147483648.0)
        return 0x80000000u;
    if (signedKind) {
        if (t > 2147483647.0)
            return 0x7FFFFFFFu;
        return uint32_t(int32_t(t));
    }
    if (t >= 4294967296.0)
        return 0xFFFFFFFFu;
    if (t < 0)
        return uint32_t(int32_t(t));
    return uint32_t(t);
}

} // namespace

bool IsWordLabel(uint16_t label)
{
    return label >= LabelU8 && label <= LabelS32;
}

bool IsSignedWord(uint16_t wordLabel)
{
    return ((wordLabel - LabelU8) & 1) != 0;
}

uint32_t WordMask(uint16_t wordLabel)
{
    switch (wordLabel) {
    case LabelU8: case LabelS8: return 0xFF;
    case LabelU16: case LabelS16: return 0xFFFF;
    default: return 0xFFFFFFFF;
    }
}

uint16_t IntegerUnit(uint16_t label)
{
    if (IsWordLabel(label))
        return label;
    unsigned size = Prefs.integerSize();
    return size <= 5 ? uint16_t(LabelU8 + size) : 0;
}

uint16_t IntegerUnitDefaultS32(uint16_t label)
{
    return IsWordLabel(label) ? label : uint16_t(LabelS32);
}

uint16_t NonIntegerUnit(uint16_t label)
{
    return IsWordLabel(label) ? 0 : label;
}

unsigned IntegerSize(uint16_t label)
{
    switch (IntegerUnit(label)) {
    case LabelU8: case LabelS8: return 1;
    case LabelU16: case LabelS16: return 2;
    default: return 4;
    }
}

uint32_t IntegerMask(uint16_t label)
{
    return WordMask(IntegerUnit(label));
}

uint32_t IntegerPattern(double value, uint16_t label, bool producedSigned)
{
    return Pattern(value, IsWordLabel(label) ? IsSignedWord(label) : producedSigned);
}

uint32_t IntegerAsUnsigned8(double value, uint16_t label)
{
    return IntegerPattern(value, label, false) & 0xFF;
}

int32_t IntegerAsSigned8(double value, uint16_t label)
{
    return int8_t(IntegerPattern(value, label, true) & 0xFF);
}

uint32_t IntegerAsUnsigned16(double value, uint16_t label)
{
    return IntegerPattern(value, label, false) & 0xFFFF;
}

int32_t IntegerAsSigned16(double value, uint16_t label)
{
    return int16_t(IntegerPattern(value, label, true) & 0xFFFF);
}

uint32_t IntegerAsUnsigned32(double value, uint16_t label)
{
    return IntegerPattern(value, label, false);
}

int32_t IntegerAsSigned32(double value, uint16_t label)
{
    return int32_t(IntegerPattern(value, label, true));
}
