// SPDX-License-Identifier: GPL-3.0-or-later
// Two-operand operations in RPN, simple and precedence input.
//
// In the algebraic modes the left operand of a pending operator waits in Y
// and its right operand is typed into X; the pending operators, open
// parentheses and ENTER markers wait on the operator stack of UnPrefs.

#include "Operators.h"

#include "Conversion.h"
#include "DecimalResults.h"
#include "Programmer.h"
#include "Scientific.h"
#include "Stack.h"
#include "Tape.h"

#include "core/State.h"

#include <cmath>

namespace {

bool IsBinaryOperator(KeyOp key)
{
    switch (int(key)) {
    case KeyAdd: case KeySubtract: case KeyMultiply: case KeyDivide:
    case KeyPercentTotal: case KeyPercentChange: case KeyPower: case KeyRoot: case KeyModulo:
    case KeyCombinations: case KeyPermutations:
    case KeyAnd: case KeyOr: case KeyXor:
    case KeyShiftLeft: case KeyShiftRight: case KeyArithShiftRight: case KeyRotate:
        return true;
    default:
        return false;
    }
}

// The two levels of precedence input; every other operator has none.
bool IsAdditive(KeyOp key) { return key == KeyAdd || key == KeySubtract; }
bool IsMultiplicative(KeyOp key) { return key == KeyMultiply || key == KeyDivide; }

// The entry below the top of the operator stack, KeyNone when there is none.
KeyOp BelowTop()
{
    unsigned count = UnPrefs.opCount;
    if (count < 2 || count > OpStackSize)
        return KeyNone;
    return KeyOp(int(UnPrefs.opStack[count - 2]));
}

// Whether an algebraic operator key finds room for its entry once it has
// performed what it performs first, worked out before anything changes so
// that a key that cannot be pushed is refused whole.
bool OperatorFits(KeyOp key)
{
    unsigned count = UnPrefs.opCount;
    KeyOp top = PeekOp();
    bool precedence = Prefs.precedenceInput();
    if (precedence && IsAdditive(key) && IsMultiplicative(top)) {
        top = BelowTop();
        --count;
    }
    if (precedence && IsMultiplicative(key) && IsAdditive(top))
        return count < unsigned(OpStackSize);
    if (top == KeyEnter)
        return true; // performed at once, nothing is pushed
    if (top != KeyOpenParen && count > 0)
        --count;
    return count < unsigned(OpStackSize);
}

// The x-th root of y; an odd root of a negative number is the real root.
// An index that is a whole number but for binary noise counts as whole.
double Root(double y, double x)
{
    const double index = WholeValue(x);
    bool oddWhole = std::fabs(std::fmod(index, 2.0)) == 1.0; // fmod is exact
    if (y < 0 && oddWhole)
        return -std::pow(-y, 1.0 / index);
    return std::pow(y, 1.0 / index);
}

// Lifts the left operand into Y and makes `key` the pending operator.
void DeferOperator(KeyOp key)
{
    LiftStack();
    UnPrefs.setLiftDisabledByKey(true);
    PushOp(key);
    UnPrefs.setOperatorPending(true);
}

} // namespace

bool OpStackHasRoom()
{
    return UnPrefs.opCount < OpStackSize;
}

bool PushOp(KeyOp op)
{
    if (!OpStackHasRoom())
        return false;
    UnPrefs.opStack[UnPrefs.opCount] = op;
    ++UnPrefs.opCount;
    return true;
}

KeyOp PeekOp()
{
    unsigned count = UnPrefs.opCount;
    if (count == 0 || count > OpStackSize)
        return KeyNone;
    return KeyOp(int(UnPrefs.opStack[count - 1]));
}

KeyOp PopOp()
{
    KeyOp op = PeekOp();
    if (UnPrefs.opCount > 0)
        --UnPrefs.opCount;
    return op;
}

bool HandleBinaryOperator(KeyOp key)
{
    if (!IsBinaryOperator(key)) {
        UnPrefs.setOperatorPending(false);
        return false;
    }
    if (Prefs.rpnInput()) {
        PerformBinaryOperation(key);
        return true;
    }

    KeyOp top = PeekOp();
    // An operator keyed right after another replaces it.  The operand is
    // still to come, so lift stays disabled.
    if (UnPrefs.operatorPending() && IsBinaryOperator(top)) {
        PopOp();
        PushOp(key);
        UnPrefs.setLiftDisabledByKey(true);
        return true;
    }
    UnPrefs.setOperatorPending(false);
    if (!OperatorFits(key))
        return false;

    bool precedence = Prefs.precedenceInput();
    if (precedence && IsAdditive(key) && IsMultiplicative(top)) {
        PerformBinaryOperation(PopOp());
        top = PeekOp();
    }
    if (precedence && IsMultiplicative(key) && IsAdditive(top)) {
        // The pending addition or subtraction waits below the product.
        DeferOperator(key);
        return true;
    }
    if (top == KeyEnter) {
        PerformBinaryOperation(key);
        PopOp();
        return true;
    }
    if (top != KeyOpenParen)
        PerformPendingOperation(false, false);
    DeferOperator(key);
    return true;
}

void PerformPendingOperation(bool all, bool toParen)
{
    if (all) {
        while (UnPrefs.opCount > 0 && PeekOp() != KeyEnter) {
            KeyOp op = PopOp();
            // Only a real operator is worth repeating by equals; a closing
            // open parenthesis must not replace it.
            if (PerformBinaryOperation(op))
                UnPrefs.lastOperator = op;
        }
        return;
    }
    while (UnPrefs.opCount > 0) {
        KeyOp op = PopOp();
        bool lastPass = !toParen || op == KeyOpenParen;
        PerformBinaryOperation(op);
        if (lastPass)
            break;
    }
}

bool PerformBinaryOperation(KeyOp op)
{
    if (!IsBinaryOperator(op))
        return false;

    StoreLastX();
    // The operands as the user sees them, before any rescaling into units.
    const TapeValue left = TapeLevel(1), right = TapeLevel(0);
    double y = UnPrefs.stack[1];
    double x = UnPrefs.stack[0];
    uint16_t yLabel = UnPrefs.stackLabel[1];
    uint16_t xLabel = UnPrefs.stackLabel[0];
    bool integer = IntegerFunctions();
    bool drop = true;
    uint16_t label = 0;
    double result;

    switch (int(op)) {
    case KeyAdd:
    case KeySubtract:
    case KeyMultiply:
    case KeyDivide:
        if (integer) {
            switch (int(op)) {
            case KeyAdd: result = IntegerAdd(y, yLabel, x, xLabel); break;
            case KeySubtract: result = IntegerSubtract(y, yLabel, x, xLabel); break;
            case KeyMultiply: result = IntegerMultiply(y, yLabel, x, xLabel); break;
            default: result = IntegerDivide(y, yLabel, x, xLabel); break;
            }
            label = IntegerUnit(0);
        } else {
            // The right operand may be rescaled into the left one's unit;
            // LastX keeps it as it was typed.
            label = NonIntegerUnit(PreserveUnit(op, yLabel, xLabel, &x));
            switch (int(op)) {
            case KeyAdd: result = DecimalAdd(y, x); break;
            case KeySubtract: result = DecimalSubtract(y, x); break;
            case KeyMultiply: result = y * x; break;
            default: result = y / x; break;
            }
        }
        break;
    case KeyPercentTotal:
        result = x / y * 100.0;
        drop = !Prefs.rpnInput();
        break;
    case KeyPercentChange:
        result = subtract(x, y) / y * 100.0;
        drop = !Prefs.rpnInput();
        break;
    case KeyPower:
        if (integer) {
            result = IntegerPower(y, yLabel, x, xLabel);
            label = IntegerUnit(0);
        } else {
            result = std::pow(y, x);
        }
        break;
    case KeyRoot: result = Root(y, x); break;
    case KeyModulo: result = DecimalModulo(y, x); break;
    case KeyCombinations: result = Combinations(y, x); break;
    case KeyPermutations: result = Permutations(y, x); break;
    case KeyAnd: result = IntegerAnd(y, yLabel, x, xLabel); label = IntegerUnit(0); break;
    case KeyOr: result = IntegerOr(y, yLabel, x, xLabel); label = IntegerUnit(0); break;
    case KeyXor: result = IntegerXor(y, yLabel, x, xLabel); label = IntegerUnit(0); break;
    case KeyShiftLeft: result = IntegerShiftLeft(y, yLabel, x, xLabel); label = IntegerUnit(yLabel); break;
    case KeyShiftRight: result = IntegerShiftRight(y, yLabel, x, xLabel); label = IntegerUnit(yLabel); break;
    case KeyArithShiftRight:
        result = IntegerArithmeticShiftRight(y, yLabel, x, xLabel);
        label = IntegerUnit(yLabel);
        break;
    default: // KeyRotate
        result = IntegerRotate(y, yLabel, x, xLabel);
        label = IntegerUnit(yLabel);
        break;
    }

    if (drop)
        DropStack();
    StoreX(result);
    if (label != 0)
        LabelX(label);
    RecordBinary(op, left, right);
    return true;
}
