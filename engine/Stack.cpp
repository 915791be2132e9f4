// SPDX-License-Identifier: GPL-3.0-or-later
#include "Stack.h"

#include "core/State.h"

namespace {

// Level `to` takes the value, label and index of level `from`.
void CopyLevel(int to, int from)
{
    UnPrefs.stack[to] = UnPrefs.stack[from];
    UnPrefs.stackLabel[to] = UnPrefs.stackLabel[from];
    UnPrefs.stackLabelIndex[to] = UnPrefs.stackLabelIndex[from];
}

// The RPN stack size, kept within the 20 levels whatever the record holds.
int RpnDepth()
{
    int n = Prefs.stackSize;
    return n < 1 ? 1 : n > StackLevels ? StackLevels : n;
}

void MoveUp(int n)
{
    for (int i = n - 1; i >= 1; --i)
        CopyLevel(i, i - 1);
}

void MoveDown(int n)
{
    for (int i = 0; i <= n - 2; ++i)
        CopyLevel(i, i + 1);
}

} // namespace

int StackDepth()
{
    return Prefs.rpnInput() ? RpnDepth() : StackLevels;
}

void LiftStack()
{
    MoveUp(StackDepth());
}

void DropStack()
{
    MoveDown(StackDepth());
}

void FillStack()
{
    int n = StackDepth();
    for (int i = 1; i < n; ++i)
        CopyLevel(i, 0);
}

void RotateStackUp()
{
    int n = RpnDepth();
    double top = UnPrefs.stack[n - 1];
    uint16_t label = UnPrefs.stackLabel[n - 1], index = UnPrefs.stackLabelIndex[n - 1];
    MoveUp(n);
    UnPrefs.stack[0] = top;
    UnPrefs.stackLabel[0] = label;
    UnPrefs.stackLabelIndex[0] = index;
}

void RotateStackDown()
{
    int n = RpnDepth();
    double x = UnPrefs.stack[0];
    uint16_t label = UnPrefs.stackLabel[0], index = UnPrefs.stackLabelIndex[0];
    MoveDown(n);
    UnPrefs.stack[n - 1] = x;
    UnPrefs.stackLabel[n - 1] = label;
    UnPrefs.stackLabelIndex[n - 1] = index;
}

void ClearStack()
{
    for (int i = 0; i < StackLevels; ++i) {
        UnPrefs.stack[i] = 0.0;
        UnPrefs.stackLabel[i] = 0;
        UnPrefs.stackLabelIndex[i] = NoLabelIndex;
    }
    UnPrefs.lastX = 0.0;
    UnPrefs.lastXLabel = 0;
    UnPrefs.lastXLabelIndex = NoLabelIndex;
    UnPrefs.opCount = 0;
    UnPrefs.registerPrefix = KeyNone;
    UnPrefs.formatPrefix = KeyNone;
    UnPrefs.lastOperator = KeyNone;
    UnPrefs.setOperatorPending(false);
    UnPrefs.setLiftDisabledByKey(false);
    UnPrefs.setKeepLiftState(false);
    UnPrefs.setHyperbolic(false);
}

void StoreX(double v)
{
    UnPrefs.stack[0] = v;
    UnPrefs.stackLabel[0] = 0;
    UnPrefs.stackLabelIndex[0] = NoLabelIndex;
}

void StoreY(double v)
{
    UnPrefs.stack[1] = v;
    UnPrefs.stackLabel[1] = 0;
}

void LabelX(uint16_t id)
{
    UnPrefs.stackLabel[0] = id;
}

void LabelY(uint16_t id)
{
    UnPrefs.stackLabel[1] = id;
}

void StoreLastX()
{
    UnPrefs.lastX = UnPrefs.stack[0];
    UnPrefs.lastXLabel = UnPrefs.stackLabel[0];
    UnPrefs.lastXLabelIndex = UnPrefs.stackLabelIndex[0];
}

void RestoreLastX()
{
    UnPrefs.stack[0] = UnPrefs.lastX;
    UnPrefs.stackLabel[0] = UnPrefs.lastXLabel;
    UnPrefs.stackLabelIndex[0] = UnPrefs.lastXLabelIndex;
}

void SwapXY()
{
    F64 value = UnPrefs.stack[0];
    LeU16 label = UnPrefs.stackLabel[0], index = UnPrefs.stackLabelIndex[0];
    CopyLevel(0, 1);
    UnPrefs.stack[1] = value;
    UnPrefs.stackLabel[1] = label;
    UnPrefs.stackLabelIndex[1] = index;
}

void LiftStackForNewValue()
{
    if (UnPrefs.liftEnabled() || (Prefs.rpnInput() && UnPrefs.entering()))
        LiftStack();
}
