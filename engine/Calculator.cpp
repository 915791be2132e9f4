// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculator.h"

#include "Clearing.h"
#include "Conversion.h"
#include "Entry.h"
#include "Financial.h"
#include "Immediate.h"
#include "Operators.h"
#include "Programmer.h"
#include "Registers.h"
#include "Stack.h"
#include "Undo.h"

#include "core/Labels.h"
#include "core/State.h"

namespace {

bool IsDigitKey(int key)
{
    return key >= KeyDigit0 && key <= KeyDigit9;
}

// No prefix of any kind is waiting.
bool NoPrefixWaiting()
{
    return UnPrefs.registerPrefix == KeyNone && !UnPrefs.hyperbolic() && UnPrefs.formatPrefix == KeyNone;
}

bool EnterDigit(KeyOp key)
{
    unsigned base = UnPrefs.base();
    if (key >= KeyDigit2 && key <= KeyDigit7 && base == BaseBinary)
        UnPrefs.setBase(BaseDecimal);
    if ((key == KeyDigit8 || key == KeyDigit9) && (base == BaseBinary || base == BaseOctal))
        UnPrefs.setBase(BaseDecimal);
    return EnterNumber(key);
}

bool EnterHexDigit(KeyOp key)
{
    if (IntegerFunctions() && UnPrefs.base() != BaseHexadecimal)
        UnPrefs.setBase(BaseHexadecimal);
    return UnPrefs.base() == BaseHexadecimal && EnterNumber(key);
}

// Sign change outside an entry: integer words are negated in their word,
// other values keep a unit label and lose any other label.
void ChangeSignOfX()
{
    uint16_t label;
    double x;
    if (IntegerFunctions()) {
        label = IntegerConvertX(UnPrefs.stackLabel[0]);
        x = TwosComplement(UnPrefs.stack[0], UnPrefs.stackLabel[0]);
    } else {
        uint16_t old = UnPrefs.stackLabel[0];
        label = NonIntegerUnit(UnitType(old) != UnitNone ? old : 0);
        x = -double(UnPrefs.stack[0]);
    }
    StoreX(x);
    LabelX(label);
    UnPrefs.setEntering(false);
}

bool Backspace(KeyOp& key)
{
    if (UnPrefs.hyperbolic()) {
        // Backspace cancels the hyperbolic prefix and removes nothing.
        key = KeyHyperbolic;
        return true;
    }
    bool result = true;
    if (UnPrefs.entering())
        result = EnterNumber(key);
    if (!UnPrefs.entering()) {
        StoreX(0.0);
        UnPrefs.setLiftDisabledByKey(true);
        key = KeyClearEntry;
    }
    return result;
}

bool Equals()
{
    bool result = true;
    if (UnPrefs.opCount == 0) {
        KeyOp last = KeyOp(int(UnPrefs.lastOperator));
        if (last == KeyAmortize) {
            result = amort_repeat();
        } else if (last != KeyNone) {
            // Repeat the last operation with LastX as its right operand.
            LiftStack();
            StoreX(UnPrefs.lastX);
            PushOp(last);
        }
    }
    PerformPendingOperation(true, false);
    return result;
}

// Keys that no handler claimed.
bool DispatchKey(KeyOp& key)
{
    switch (int(key)) {
    case KeyDigit0:
    case KeyDigit1:
        return EnterNumber(key);
    case KeyDigit2: case KeyDigit3: case KeyDigit4: case KeyDigit5:
    case KeyDigit6: case KeyDigit7: case KeyDigit8: case KeyDigit9:
        return EnterDigit(key);
    case KeyHexA: case KeyHexB: case KeyHexC: case KeyHexD: case KeyHexE: case KeyHexF:
        return EnterHexDigit(key);
    case KeyPoint:
    case KeyExponent:
        return UnPrefs.base() == BaseDecimal && EnterNumber(key);
    case KeyChangeSign:
        if (UnPrefs.entering() && UnPrefs.base() == BaseDecimal)
            return EnterNumber(key);
        ChangeSignOfX();
        return true;
    case KeyBackspace:
        return Backspace(key);
    case KeyEnter:
        // An ENTER marker that does not fit refuses the whole key.
        if (!Prefs.rpnInput() && !OpStackHasRoom())
            return false;
        LiftStack();
        UnPrefs.setLiftDisabledByKey(true);
        if (!Prefs.rpnInput())
            PushOp(KeyEnter);
        return true;
    case KeyEquals:
        return Equals();
    case KeyShift:
        UnPrefs.setShift(!UnPrefs.shift());
        return true;
    case KeyShowAll:
        UnPrefs.setShowAll(!UnPrefs.showAll());
        return true;
    case KeyClearAll:
    case KeyClearAllRpn:
        ClearAll();
        return true;
    case KeyClear:
    case KeyClearStack:
        ClearStack();
        return true;
    case KeyClearEntry:
    case KeyClearX:
        StoreX(0.0);
        UnPrefs.setLiftDisabledByKey(true);
        return true;
    case KeyClearRegisters:
        ClearUserRegs();
        ClearFinancialRegs();
        ClearStatRegs();
        UnPrefs.setKeepLiftState(true);
        return true;
    case KeyClearFinancial:
        ClearFinancialRegs();
        Recall(KeyNone, RegPaymentsPerYear);
        LabelX(LabelPYR);
        UnPrefs.setLiftDisabledByKey(true);
        return true;
    case KeyClearStatistics:
        ClearStatRegs();
        ClearStack();
        return true;
    case KeyRollDown:
        RotateStackDown();
        return true;
    case KeyRollUp:
        RotateStackUp();
        return true;
    case KeyDrop:
        DropStack();
        return true;
    case KeyFillStack:
        FillStack();
        return true;
    case KeySwapXY:
        SwapXY();
        return true;
    case KeyLastX:
        LiftStackForNewValue();
        RestoreLastX();
        return true;
    case KeyOpenParen:
        if (!UnPrefs.liftEnabled()) {
            if (!OpStackHasRoom())
                return false;
            PushOp(KeyOpenParen);
            UnPrefs.setLiftDisabledByKey(true);
        }
        return true;
    case KeyCloseParen:
        if (PeekOp() != KeyEnter)
            PerformPendingOperation(false, true);
        return true;
    case KeyNoOp:
        UnPrefs.setKeepLiftState(true);
        return true;
    default:
        return false;
    }
}

// Settles number entry, the hyperbolic prefix and the stack lift at the end
// of a key.  Returns true when the key counts as handled on its own (the
// hyperbolic key).
bool EndKey(KeyOp key)
{
    bool completes = (UnPrefs.registerPrefix == KeyNone && key != KeyShift &&
                      (key > KeyBackspace || UnPrefs.registerPending())) ||
                     (key == KeyChangeSign && !UnPrefs.entering());
    bool handled = false;
    if (completes) {
        UnPrefs.setRegisterPending(false);
        UnPrefs.setEntering(false);
        if (key == KeyHyperbolic) {
            UnPrefs.setHyperbolic(!UnPrefs.hyperbolic());
            handled = true;
        } else {
            UnPrefs.setHyperbolic(false);
        }
        if (!UnPrefs.keepLiftState()) {
            if (UnPrefs.liftDisabledByKey()) {
                UnPrefs.setLiftEnabled(false);
                UnPrefs.setLiftDisabledByKey(false);
            } else {
                UnPrefs.setLiftEnabled(true);
            }
        }
        UnPrefs.setKeepLiftState(false);
    } else if (UnPrefs.registerPrefix != KeyNone) {
        UnPrefs.setRegisterPending(true);
    }
    return handled;
}

} // namespace

bool HandleButton(KeyOp key)
{
    bool wasEntering = UnPrefs.entering();
    if (NoPrefixWaiting() && key != KeyShift)
        SaveSnapshot();

    bool handled = HandleMemory(key) || HandlePrefix(key) || HandleMode(key) || HandleRegisters(key) ||
                   HandleImmediateOperation(key) || HandleConversion(key);
    if (handled)
        UnPrefs.setOperatorPending(false);
    else
        handled = HandleBinaryOperator(key);

    if (!handled && key >= 0 && key <= KeyNoOp)
        handled = DispatchKey(key);

    if (EndKey(key))
        handled = true;

    if (handled && !(wasEntering && UnPrefs.entering()) && NoPrefixWaiting() && key != KeyShift)
        SaveUndo();
    return handled;
}

PastedNumber ReadPasteForX(std::string_view text)
{
    return ReadPastedNumber(text, UnPrefs.base(), Prefs.commaRadix(),
                            IntegerUnitDefaultS32(IntegerUnit(UnPrefs.stackLabel[0])));
}

PastedNumber PasteNumber(std::string_view text)
{
    const PastedNumber number = ReadPasteForX(text);
    if (number.refusal != PasteAccepted)
        return number;
    // A value without a label is a signed 32-bit word wherever it is shown
    // or used, when that is the preferred word too; any other word goes
    // with the value.
    const bool plainWord = number.wordLabel == LabelS32 && IntegerUnit(0) == LabelS32;
    EnterValue(number.value, plainWord ? 0 : number.wordLabel, NoLabelIndex);
    return number;
}

void EnterValue(double value, uint16_t label, uint16_t labelIndex, bool toWord)
{
    PerformStep([&] {
        // A number being typed in algebraic input is replaced, as typing
        // another number would replace it; otherwise the push rule of a
        // new value holds.
        if (!UnPrefs.entering() || Prefs.rpnInput())
            LiftStackForNewValue();
        UnPrefs.setEntering(false);
        StoreX(value);
        LabelX(label);
        UnPrefs.stackLabelIndex[0] = labelIndex;
        if (toWord && UnPrefs.base() != BaseDecimal)
            IntegerConvertX(label);
        UnPrefs.setLiftEnabled(true);
    });
}

void PerformStep(const std::function<void()>& change)
{
    SaveSnapshot();
    change();
    SaveUndo();
    // A waiting prefix goes on waiting; its key's undo step starts here,
    // after the change.
    if (!NoPrefixWaiting())
        SaveSnapshot();
}

bool HandlePrefix(KeyOp key)
{
    bool consumed = false;
    if (UnPrefs.formatPrefix != KeyNone && key != KeyShift) {
        if (IsDigitKey(key) || key == KeyPoint) {
            switch (int(UnPrefs.formatPrefix)) {
            case KeyFormatGeneral: Prefs.setDisplayFormat(FormatGeneral); break;
            case KeyFormatScientific: Prefs.setDisplayFormat(FormatScientific); break;
            case KeyFormatEngineering: Prefs.setDisplayFormat(FormatEngineering); break;
            default: Prefs.setDisplayFormat(FormatFixed); break;
            }
            Prefs.setDigits(key == KeyPoint ? 0 : unsigned(key) + 1);
            PrefsChanged = 1;
            consumed = true;
        }
        UnPrefs.formatPrefix = KeyNone;
    }
    if (consumed)
        return true;
    switch (int(key)) {
    case KeyFormatGeneral:
    case KeyFormatScientific:
    case KeyFormatEngineering:
    case KeyFormatFixed:
        UnPrefs.formatPrefix = key;
        return true;
    default:
        return false;
    }
}

bool HandleMode(KeyOp key)
{
    switch (int(key)) {
    case KeyBeginMode: Prefs.setBeginMode(!Prefs.beginMode()); break;
    case KeyDegrees: Prefs.setAngleMode(AngleDegrees); break;
    case KeyRadians: Prefs.setAngleMode(AngleRadians); break;
    case KeyGrads: Prefs.setAngleMode(AngleGrads); break;
    case KeyBinary:
    case KeyOctal:
    case KeyHexadecimal:
        // Outside the integer functions every number is decimal.
        if (!IntegerFunctions())
            return false;
        UnPrefs.setBase(key == KeyBinary ? BaseBinary : key == KeyOctal ? BaseOctal : BaseHexadecimal);
        IntegerConvertX(UnPrefs.stackLabel[0]);
        break;
    case KeyDecimal: UnPrefs.setBase(BaseDecimal); break;
    default: return false;
    }
    PrefsChanged = 1;
    UnPrefs.setKeepLiftState(true);
    return true;
}

bool AfterKey(KeyOp key)
{
    if (key != KeyShowAll && key != KeyShift)
        UnPrefs.setShowAll(false);
    if (key == KeyShift || !UnPrefs.shift() || Prefs.stickyShift())
        return false;
    UnPrefs.setShift(false);
    return true;
}
