// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's state records.
//
// The whole state of the calculator lives in five global records whose memory
// images are also their stored blocks in the settings file, byte for byte.
// The engine's free functions read and change them directly; the interface
// reads them to draw.  Bit fields are reached through accessor pairs
// (`rpnInput()` / `setRpnInput()`), whole-byte fields directly.
#pragma once

#include "KeyOp.h"
#include "Record.h"

#include <cstddef>
#include <cstdint>

// Current layout version of Prefs, Regs and UnPrefs.
constexpr uint16_t CurrentVersion = 4;

// Functions of the calculator (UnPrefs.function()).
enum Function { FunctionStandard, FunctionFinancial, FunctionScientific, FunctionStatistical,
                FunctionProgrammer, FunctionConversion, FunctionUser, FunctionCount };

// Number bases (UnPrefs.base()).
enum Base { BaseDecimal, BaseBinary, BaseOctal, BaseHexadecimal };

// Display formats (Prefs.displayFormat()).
enum DisplayFormat { FormatGeneral, FormatScientific, FormatEngineering, FormatFixed };

// Angle units (Prefs.angleMode()).
enum AngleMode { AngleDegrees, AngleRadians, AngleGrads };

// What a click on a third of the display does (Prefs.leftTapAction() and
// the others): open a window, or nothing.  Other values open the
// Preferences, as 0 does.
enum TapAction { TapPreferences, TapColors, TapKeyboard, TapRpnStack, TapUserRegisters, TapTape, TapNothing };

// Preferences: saved block 0.
struct PrefsRecord {
    LeU16 version;      // 0
    uint8_t flags2;     // 2
    uint8_t flags3;     // 3
    LeU16 stackSize;    // 4: RPN stack depth 4, 8, 12, 16 or 20
    uint8_t unused6[2]; // 6
    uint8_t unused8[4]; // 8: not used since version 4
    uint8_t flags12;    // 12
    uint8_t flags13;    // 13
    uint8_t unused14[78];

    TOVRIN_FIELD(bool, rpnInput, setRpnInput, 2, 0x01)
    TOVRIN_FIELD(bool, commaRadix, setCommaRadix, 2, 0x02)
    TOVRIN_FIELD(bool, stickyShift, setStickyShift, 2, 0x04)
    TOVRIN_FIELD(unsigned, displayFormat, setDisplayFormat, 2, 0x18)
    // 0 = all digits, n = n - 1 decimal places.
    TOVRIN_FIELD(unsigned, digits, setDigits, 2, 0x01E0)
    TOVRIN_FIELD(unsigned, angleMode, setAngleMode, 3, 0x06)
    TOVRIN_FIELD(bool, beginMode, setBeginMode, 3, 0x08)
    TOVRIN_FIELD(bool, precedenceInput, setPrecedenceInput, 3, 0x20)
    TOVRIN_FIELD(bool, quickSwitch, setQuickSwitch, 3, 0x40)
    TOVRIN_FIELD(bool, twoLineDisplay, setTwoLineDisplay, 3, 0x80)
    TOVRIN_FIELD(bool, hundredRegisters, setHundredRegisters, 12, 0x01)
    TOVRIN_FIELD(unsigned, leftTapAction, setLeftTapAction, 12, 0x0E)
    TOVRIN_FIELD(unsigned, integerSize, setIntegerSize, 12, 0x70)
    TOVRIN_FIELD(unsigned, centerTapAction, setCenterTapAction, 12, 0x0380)
    TOVRIN_FIELD(unsigned, rightTapAction, setRightTapAction, 13, 0x1C)
    TOVRIN_FIELD(bool, userKeysInteger, setUserKeysInteger, 13, 0x20)
    TOVRIN_FIELD(bool, useSystemColors, setUseSystemColors, 13, 0x40)
};

// Register numbers of the register file.
enum Register {
    RegN = 100, RegInterest = 101, RegPresentValue = 102, RegPayment = 103, RegFutureValue = 104,
    RegEffectiveRate = 105, RegPaymentsPerYear = 106, RegCost = 107, RegPrice = 108, RegMargin = 109,
    RegSumX = 110, RegSumX2 = 111, RegSumY = 112, RegSumY2 = 113, RegSumXY = 114, RegCount = 115,
    RegisterCount = 116, UserRegisterCount = 100
};

// Memory, user, financial and statistical registers: saved block 1.
struct RegsRecord {
    LeU16 version;                      // 0
    uint8_t unused2[2];                 // 2
    F64 memory;                         // 4: M
    LeI16 lastRegister;                 // 12: also the current cash flow j; -1 when cleared
    uint8_t unused14[2];                // 14
    F64 registers[RegisterCount];       // 16
    LeU16 registerLabel[UserRegisterCount]; // 944
    LeI32 cashFlowCount[UserRegisterCount]; // 1144: Nj
};

// Sizes of the stack, the operator stack and the entry text.
constexpr int StackLevels = 20;
constexpr int OpStackSize = 40;
constexpr int EntryTextSize = 49;

// Working state: unsaved block 0.
struct UnPrefsRecord {
    LeU16 version;                    // 0
    uint8_t flags2;                   // 2
    uint8_t flags3;                   // 3
    uint8_t flags4;                   // 4
    uint8_t mantissaDigits;           // 5
    uint8_t exponentDigits;           // 6
    char entryText[EntryTextSize];    // 7
    F64 stack[StackLevels];           // 56: 0 X, 1 Y, 2 Z, 3 T, ...
    LeU16 stackLabel[StackLevels];    // 216
    LeU16 stackLabelIndex[StackLevels]; // 256: 0xFFFF = none
    LeU16 opCount;                    // 296
    uint8_t unused298[2];             // 298
    LeI32 registerPrefix;             // 300: 43, 45, 46 or 255
    LeI32 registerOperator;           // 304: 22-25 or 255
    LeI32 registerFirstDigit;         // 308: 255 = none
    LeI32 formatPrefix;               // 312: 173, 174, 175, 184 or 255
    LeI32 opStack[OpStackSize];       // 316: bottom first
    LeI32 lastOperator;               // 476
    F64 lastX;                        // 480
    LeU16 lastXLabel;                 // 488
    LeU16 lastXLabelIndex;            // 490
    F64 amortInterest;                // 492
    F64 amortPrincipal;               // 500
    F64 amortBalance;                 // 508: 0 = start again from PV
    LeU16 amortStart;                 // 516
    LeU16 amortEnd;                   // 518
    LeU16 amortRepeat;                // 520
    uint8_t unused522[2];             // 522
    LeI32 randomSeed;                 // 524

    TOVRIN_FIELD(unsigned, function, setFunction, 2, 0x0F)
    TOVRIN_FIELD(unsigned, base, setBase, 2, 0x30)
    TOVRIN_FIELD(bool, shift, setShift, 2, 0x40)
    TOVRIN_FIELD(bool, showAll, setShowAll, 2, 0x80)
    TOVRIN_FIELD(bool, entering, setEntering, 3, 0x01)
    TOVRIN_FIELD(bool, exponentEntry, setExponentEntry, 3, 0x02)
    TOVRIN_FIELD(bool, registerPending, setRegisterPending, 3, 0x04)
    TOVRIN_FIELD(bool, liftEnabled, setLiftEnabled, 3, 0x08)
    TOVRIN_FIELD(bool, liftDisabledByKey, setLiftDisabledByKey, 3, 0x10)
    TOVRIN_FIELD(bool, keepLiftState, setKeepLiftState, 3, 0x20)
    TOVRIN_FIELD(bool, hyperbolic, setHyperbolic, 3, 0x40)
    TOVRIN_FIELD(bool, markupMode, setMarkupMode, 3, 0x80)
    TOVRIN_FIELD(bool, operatorPending, setOperatorPending, 4, 0x01)
    TOVRIN_FIELD(unsigned, registerGroup, setRegisterGroup, 4, 0x1E)
};

// Byte and mask of the shift flag, which undo ignores when it compares states.
constexpr std::size_t ShiftFlagByte = 2;
constexpr uint8_t ShiftFlagMask = 0x40;

// User key assignments: saved block 3.  Index = shifted * 12 + (row - 1) * 6
// + (column - 1) for the two User function rows; 255 = unassigned.
constexpr int UserKeyCount = 24;
struct KeyboardTableRecord {
    LeI32 keys[UserKeyCount];
};

// One entry of the colour table.
struct RGBColor {
    LeU16 red;
    LeU16 green;
    LeU16 blue;
    uint8_t spare[2];
};

// Colour table entries.
enum ColorEntry {
    DisplayText, DisplayBackground, StandardText, StandardBackground, NumberText,
    NumberBackground, RegisterText, RegisterBackground, ClearText, ClearBackground,
    DialogText, DialogBackground, ColorCount
};

// Key styles; each names a text and a background entry of the colour table.
enum ButtonStyle { StyleStandard, StyleNumber, StyleRegister, StyleClear, StyleDialog, ButtonStyleCount };

// Twelve user-chosen colours: saved block 2.  Only the key styles' entries
// colour anything; the others are stored and carried along.
struct ColorTable {
    RGBColor entries[ColorCount];

    // Copies the twelve default colours over the whole table.
    void init();
    // Stores the low 16 bits of each component of one entry.
    void setColor(ColorEntry entry, int red, int green, int blue);
    // Tables are equal when every component of every entry is; the spare
    // bytes are not compared.
    bool operator==(const ColorTable& other) const;
    bool operator!=(const ColorTable& other) const { return !(*this == other); }
    // The entry index of a style's text or background colour.
    static ColorEntry getButtonText(ButtonStyle style);
    static ColorEntry getButtonBackground(ButtonStyle style);
};

// Record sizes, which are the sizes of the stored blocks.
constexpr unsigned PrefsSize = 92;
constexpr unsigned RegsSize = 1544;
constexpr unsigned UnPrefsSize = 528;
constexpr unsigned KeyboardTableSize = 96;
constexpr unsigned ColorTableSize = 96;

static_assert(sizeof(PrefsRecord) == PrefsSize, "Prefs layout");
static_assert(sizeof(RegsRecord) == RegsSize, "Regs layout");
static_assert(sizeof(UnPrefsRecord) == UnPrefsSize, "UnPrefs layout");
static_assert(sizeof(KeyboardTableRecord) == KeyboardTableSize, "KeyboardTable layout");
static_assert(sizeof(ColorTable) == ColorTableSize, "Colors layout");
static_assert(offsetof(PrefsRecord, stackSize) == 4 && offsetof(PrefsRecord, flags12) == 12, "Prefs offsets");
static_assert(offsetof(RegsRecord, memory) == 4 && offsetof(RegsRecord, lastRegister) == 12 &&
              offsetof(RegsRecord, registers) == 16 && offsetof(RegsRecord, registerLabel) == 944 &&
              offsetof(RegsRecord, cashFlowCount) == 1144, "Regs offsets");
static_assert(offsetof(UnPrefsRecord, entryText) == 7 && offsetof(UnPrefsRecord, stack) == 56 &&
              offsetof(UnPrefsRecord, stackLabel) == 216 && offsetof(UnPrefsRecord, stackLabelIndex) == 256 &&
              offsetof(UnPrefsRecord, opCount) == 296 && offsetof(UnPrefsRecord, registerPrefix) == 300 &&
              offsetof(UnPrefsRecord, registerOperator) == 304 && offsetof(UnPrefsRecord, registerFirstDigit) == 308 &&
              offsetof(UnPrefsRecord, formatPrefix) == 312 && offsetof(UnPrefsRecord, opStack) == 316 &&
              offsetof(UnPrefsRecord, lastOperator) == 476 && offsetof(UnPrefsRecord, lastX) == 480 &&
              offsetof(UnPrefsRecord, lastXLabel) == 488 && offsetof(UnPrefsRecord, lastXLabelIndex) == 490 &&
              offsetof(UnPrefsRecord, amortInterest) == 492 && offsetof(UnPrefsRecord, amortPrincipal) == 500 &&
              offsetof(UnPrefsRecord, amortBalance) == 508 && offsetof(UnPrefsRecord, amortStart) == 516 &&
              offsetof(UnPrefsRecord, amortEnd) == 518 && offsetof(UnPrefsRecord, amortRepeat) == 520 &&
              offsetof(UnPrefsRecord, randomSeed) == 524, "UnPrefs offsets");

// The global records.
extern PrefsRecord Prefs;
extern RegsRecord Regs;
extern UnPrefsRecord UnPrefs;
extern KeyboardTableRecord KeyboardTable;
extern ColorTable Colors;

// Change flags: set to 1 by whoever changes the saved record; the save at
// shutdown writes only the flagged blocks.
extern uint8_t PrefsChanged;
extern uint8_t RegsChanged;
extern uint8_t ColorsChanged;
extern uint8_t KeyboardChanged;

// Label value meaning "no label index".
constexpr uint16_t NoLabelIndex = 0xFFFF;
