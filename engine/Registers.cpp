// SPDX-License-Identifier: GPL-3.0-or-later
#include "Registers.h"

#include "Conversion.h"
#include "DecimalResults.h"
#include "Financial.h"
#include "Programmer.h"
#include "Scientific.h"
#include "Stack.h"
#include "Statistics.h"
#include "Tape.h"

#include "core/Labels.h"
#include "core/State.h"

#include <cmath>

namespace {

bool IsArithmetic(KeyOp op)
{
    return op >= KeyAdd && op <= KeyDivide;
}

double IntegerOperation(KeyOp op, double left, uint16_t leftLabel, double right, uint16_t rightLabel)
{
    switch (int(op)) {
    case KeyAdd: return IntegerAdd(left, leftLabel, right, rightLabel);
    case KeySubtract: return IntegerSubtract(left, leftLabel, right, rightLabel);
    case KeyMultiply: return IntegerMultiply(left, leftLabel, right, rightLabel);
    default: return IntegerDivide(left, leftLabel, right, rightLabel);
    }
}

// Register arithmetic drops the noise of typed decimals from sums and
// differences (DecimalResults.h).  The statistics sums, which Σ+ and Σ−
// change, keep the plain sum and the 14-digit difference.
double FloatOperation(KeyOp op, double left, double right, bool statisticsSum)
{
    switch (int(op)) {
    case KeyAdd: return statisticsSum ? left + right : DecimalAdd(left, right);
    case KeySubtract: return statisticsSum ? subtract(left, right) : DecimalSubtract(left, right);
    case KeyMultiply: return left * right;
    default: return left / right;
    }
}

bool IsStatisticsSum(int r)
{
    return r >= RegSumX && r <= RegCount;
}

// left op right with the labels of both sides; gives the result and its
// label.  `r` is the register taking part.
double Operate(KeyOp op, double left, uint16_t leftLabel, double right, uint16_t rightLabel, int r,
               uint16_t* label)
{
    if (IntegerRegisterArithmetic(op)) {
        *label = IntegerUnit(0);
        return IntegerOperation(op, left, leftLabel, right, rightLabel);
    }
    *label = PreserveUnit(op, leftLabel, rightLabel, &right);
    return FloatOperation(op, left, right, IsStatisticsSum(r));
}

uint16_t RegisterLabel(int r)
{
    return r < UserRegisterCount ? uint16_t(Regs.registerLabel[r]) : 0;
}

TapeValue RegisterValue(int r)
{
    return TapePlain(Regs.registers[r], RegisterLabel(r));
}

// Register arithmetic on the tape: the register, its operation, the two
// operands and the result.
void RecordRegister(KeyOp op, int r, TapeRegisterAction action, const TapeValue& left, const TapeValue& right,
                    const TapeValue& result)
{
    TapeEntry& entry = RecordTape(TapeKind::Register, op, 2, left, right, result);
    entry.tag = uint16_t(r);
    entry.tag2 = action;
}

// M+ and M-: the memory register and X.
void MemoryArithmetic(KeyOp op)
{
    const TapeValue memory = TapePlain(Regs.memory), x = TapeLevel(0);
    if (op == KeyAdd)
        Regs.memory = DecimalAdd(Regs.memory, UnPrefs.stack[0]);
    else
        Regs.memory = DecimalSubtract(Regs.memory, UnPrefs.stack[0]);
    RecordRegister(op, 0, TapeMemory, memory, x, TapePlain(Regs.memory));
}

void ClearPrefix()
{
    UnPrefs.registerPrefix = KeyNone;
}

// Carries out the waiting prefix on register r; false when the register
// refused the value, which leaves X showing error.
bool PerformPrefix(int r)
{
    KeyOp op = KeyOp(int(UnPrefs.registerOperator));
    // Register arithmetic goes on the tape with both operands as they were.
    const bool arithmetic = IsArithmetic(op);
    TapeValue x{}, held{};
    if (arithmetic) {
        x = TapeLevel(0);
        held = RegisterValue(r);
    }
    bool accepted = true;
    switch (int(UnPrefs.registerPrefix)) {
    case KeyStore:
        accepted = Store(UnPrefs.stack[0], UnPrefs.stackLabel[0], op, r);
        if (accepted && arithmetic)
            RecordRegister(op, r, TapeStore, held, x, RegisterValue(r));
        break;
    case KeyRecall:
        Recall(op, r);
        if (arithmetic)
            RecordRegister(op, r, TapeRecall, x, held, TapeLevel(0));
        break;
    default: accepted = Swap(r); break;
    }
    if (!accepted)
        RefuseX();
    return accepted;
}

// The financial registers that a prefix can address through their keys.
bool FinancialRegister(KeyOp key, int* r, uint16_t* label)
{
    switch (int(key)) {
    case KeyN: *r = RegN; *label = LabelPeriods; return true;
    case KeyInterest: *r = RegInterest; *label = LabelIYR; return true;
    case KeyPresentValue: *r = RegPresentValue; *label = LabelPV; return true;
    case KeyPayment: *r = RegPayment; *label = LabelPMT; return true;
    case KeyFutureValue: *r = RegFutureValue; *label = LabelFV; return true;
    case KeyPaymentsPerYear: *r = RegPaymentsPerYear; *label = LabelPYR; return true;
    case KeyNominalRate: *r = RegInterest; *label = LabelNomPercent; return true;
    case KeyEffectiveRate: *r = RegEffectiveRate; *label = LabelEffPercent; return true;
    case KeyCost: *r = RegCost; *label = LabelCost; return true;
    case KeyPrice: *r = RegPrice; *label = LabelPrice; return true;
    case KeyMargin:
    case KeyMarkup:
        *r = RegMargin;
        *label = UnPrefs.markupMode() ? LabelMarkup : LabelMargin;
        return true;
    default: return false;
    }
}

void PrefixOnFinancialRegister(KeyOp key, int r, uint16_t label)
{
    bool noOperator = UnPrefs.registerOperator == KeyNone;
    KeyOp prefix = KeyOp(int(UnPrefs.registerPrefix));
    if (!PerformPrefix(r))
        return;
    if (noOperator)
        LabelX(label);
    if (prefix == KeyStore || prefix == KeyRecall) {
        if (key == KeyMargin)
            UnPrefs.setMarkupMode(false);
        else if (key == KeyMarkup)
            UnPrefs.setMarkupMode(true);
        if (key == KeyInterest || key == KeyPresentValue || key == KeyPayment || key == KeyPaymentsPerYear ||
            key == KeyNominalRate)
            UnPrefs.amortBalance = 0.0;
    }
}

// X as an unsigned 32-bit seed: whole numbers modulo 2^32, so that values
// from 2^31 up keep their top bit.  Infinities and NaN give 0.
int32_t SeedFromValue(double x)
{
    if (!std::isfinite(x))
        return 0;
    double t = std::fmod(std::trunc(x), 4294967296.0);
    if (t < 0)
        t += 4294967296.0;
    return int32_t(uint32_t(t));
}

// The special pairs of a prefix and a key; true when the pair was carried out.
bool SpecialPair(KeyOp prefix, KeyOp key)
{
    if (key == KeyAmortize && prefix == KeyStore) {
        double start = UnPrefs.stack[1], end = UnPrefs.stack[0];
        if (!ValidAmortizationRange(start, end)) {
            RefuseX();
            return true;
        }
        UnPrefs.amortStart = uint16_t(start);
        UnPrefs.amortEnd = uint16_t(end);
        LabelY(LabelStart);
        LabelX(LabelEnd);
        UnPrefs.amortBalance = 0.0;
        return true;
    }
    if (key == KeyAmortize && prefix == KeyRecall) {
        LiftStackForNewValue();
        StoreX(UnPrefs.amortStart);
        LabelX(LabelStart);
        LiftStack();
        StoreX(UnPrefs.amortEnd);
        LabelX(LabelEnd);
        return true;
    }
    if (key == KeyCashFlowCount && (prefix == KeyStore || prefix == KeyRecall) && Regs.lastRegister > 0 &&
        Regs.lastRegister < UserRegisterCount) {
        int j = Regs.lastRegister;
        if (prefix == KeyStore) {
            if (!ValidCashFlowCount(UnPrefs.stack[0])) {
                RefuseX();
                return true;
            }
            Regs.cashFlowCount[j] = int32_t(double(UnPrefs.stack[0]));
            RegsChanged = 1;
        } else {
            LiftStackForNewValue();
            StoreX(int32_t(Regs.cashFlowCount[j]));
        }
        LabelX(LabelNj);
        UnPrefs.stackLabelIndex[0] = uint16_t(j);
        return true;
    }
    if (key == KeySigmaPlus && prefix == KeyRecall) {
        RecallStatisticsSums();
        return true;
    }
    if (key == KeyRandom && prefix == KeyStore) {
        UnPrefs.randomSeed = SeedFromValue(UnPrefs.stack[0]);
        return true;
    }
    return false;
}

// A key while a prefix waits; true when the prefix claimed it.
bool PrefixKey(KeyOp key)
{
    KeyOp prefix = KeyOp(int(UnPrefs.registerPrefix));
    if (key >= KeyDigit0 && key <= KeyDigit9) {
        // A first digit is 0..9; anything else (255, or a damaged record)
        // means none is held.
        bool held = UnPrefs.registerFirstDigit >= 0 && UnPrefs.registerFirstDigit <= 9;
        if (Prefs.hundredRegisters() && !held) {
            UnPrefs.registerFirstDigit = int(key);
            return true;
        }
        int r = held ? int(UnPrefs.registerFirstDigit) * 10 + int(key) : int(key);
        PerformPrefix(r);
        ClearPrefix();
        Regs.lastRegister = int16_t(r);
        RegsChanged = 1;
        return true;
    }
    if (key == KeyCashFlow) {
        int j = Regs.lastRegister + 1;
        if (j >= 0 && j <= UserRegisterCount - 1) {
            bool noOperator = UnPrefs.registerOperator == KeyNone;
            Regs.lastRegister = int16_t(j);
            PerformPrefix(j);
            if (noOperator) {
                LabelX(LabelCFj);
                UnPrefs.stackLabelIndex[0] = uint16_t(j);
            }
            ClearPrefix();
            RegsChanged = 1;
            return true;
        }
    } else if (IsArithmetic(key)) {
        UnPrefs.registerOperator = int(key);
        return true;
    } else if (key == KeyPoint) {
        UnPrefs.registerFirstDigit = 1;
        return true;
    } else if (key == KeyShift) {
        return false;
    } else if (key == KeyBackspace) {
        ClearPrefix();
        return true;
    } else {
        int r;
        uint16_t label;
        if (FinancialRegister(key, &r, &label)) {
            PrefixOnFinancialRegister(key, r, label);
            ClearPrefix();
            return true;
        }
        if (SpecialPair(prefix, key)) {
            ClearPrefix();
            return true;
        }
    }
    // Any other key cancels the prefix and goes on as an ordinary key.
    ClearPrefix();
    return false;
}

} // namespace

bool IntegerRegisterArithmetic(KeyOp op)
{
    return IntegerFunctions() && int(op) == int(UnPrefs.registerOperator);
}

bool Store(double value, uint16_t label, KeyOp op, int r)
{
    double result = value;
    uint16_t resultLabel = label;
    if (IsArithmetic(op))
        result = Operate(op, Regs.registers[r], RegisterLabel(r), value, label, r, &resultLabel);
    if (!RegisterAccepts(r, result))
        return false;
    Regs.registers[r] = result;
    if (r < UserRegisterCount)
        Regs.registerLabel[r] = resultLabel;
    RegsChanged = 1;
    return true;
}

void Recall(KeyOp op, int r)
{
    double v = Regs.registers[r];
    uint16_t registerLabel = RegisterLabel(r);
    double result = v;
    uint16_t label = registerLabel;
    if (IsArithmetic(op)) {
        result = Operate(op, UnPrefs.stack[0], UnPrefs.stackLabel[0], v, registerLabel, r, &label);
    } else {
        LiftStackForNewValue();
    }
    StoreX(result);
    LabelX(label);
}

bool Swap(int r)
{
    if (!RegisterAccepts(r, UnPrefs.stack[0]))
        return false;
    double old = Regs.registers[r];
    uint16_t oldLabel = RegisterLabel(r);
    Regs.registers[r] = double(UnPrefs.stack[0]);
    if (r < UserRegisterCount)
        Regs.registerLabel[r] = UnPrefs.stackLabel[0];
    StoreX(old);
    LabelX(oldLabel);
    RegsChanged = 1;
    return true;
}

bool HandleMemory(KeyOp key)
{
    if (UnPrefs.registerPrefix != KeyNone && PrefixKey(key))
        return true;
    switch (int(key)) {
    case KeyExchangeRegister:
    case KeyStore:
    case KeyRecall:
        UnPrefs.registerPrefix = int(key);
        UnPrefs.registerOperator = KeyNone;
        UnPrefs.registerFirstDigit = KeyNone;
        return true;
    case KeyMemoryClear: Regs.memory = 0.0; break;
    case KeyMemoryAdd: MemoryArithmetic(KeyAdd); break;
    case KeyMemorySubtract: MemoryArithmetic(KeySubtract); break;
    case KeyMemoryStore: Regs.memory = double(UnPrefs.stack[0]); break;
    case KeyMemoryRecall:
        LiftStackForNewValue();
        StoreX(Regs.memory);
        return true;
    default:
        return false;
    }
    RegsChanged = 1;
    return true;
}
