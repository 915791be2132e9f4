// SPDX-License-Identifier: GPL-3.0-or-later
// Integer words of 8, 16 and 32 bits, signed and unsigned: their labels,
// sizes and masks, and a value read as a word's bit pattern.
//
// Integer values are doubles holding whole numbers; a value's word size is
// its label (1924 "u8" .. 1929 "s32"), or the integerSize preference.
#pragma once

#include <cstdint>

// Word-size labels.
enum WordLabel : uint16_t { LabelU8 = 1924, LabelS8, LabelU16, LabelS16, LabelU32, LabelS32 };

// The word of a new calculator (the integerSize preference's default).
constexpr unsigned DefaultIntegerSize = LabelS32 - LabelU8;

bool IsWordLabel(uint16_t label);
bool IsSignedWord(uint16_t wordLabel);
// The bits of a word label's word; all 32 for anything else.
uint32_t WordMask(uint16_t wordLabel);

// A value's word: its own word label, or the integerSize preference's
// (0 when that is out of range).
uint16_t IntegerUnit(uint16_t label);
// The same, but signed 32 bits for a value without a word label.
uint16_t IntegerUnitDefaultS32(uint16_t label);
// A label with any word size taken off.
uint16_t NonIntegerUnit(uint16_t label);
// Bytes and bit mask of IntegerUnit(label).
unsigned IntegerSize(uint16_t label);
uint32_t IntegerMask(uint16_t label);

// The 32-bit pattern of a double read as an unsigned or signed 32-bit
// number: truncated toward zero, out-of-range values saturating.  The kind
// is that of the value's own word label, or `producedSigned` without one.
uint32_t IntegerPattern(double value, uint16_t label, bool producedSigned);

uint32_t IntegerAsUnsigned8(double value, uint16_t label);
int32_t IntegerAsSigned8(double value, uint16_t label);
uint32_t IntegerAsUnsigned16(double value, uint16_t label);
int32_t IntegerAsSigned16(double value, uint16_t label);
uint32_t IntegerAsUnsigned32(double value, uint16_t label);
int32_t IntegerAsSigned32(double value, uint16_t label);
