#include "Operators.h"

#include "State.h"

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

// Operator evaluation arrives with the arithmetic issue; until then no
// operator key is accepted.
bool HandleBinaryOperator(KeyOp)
{
    UnPrefs.setOperatorPending(false);
    return false;
}

void PerformPendingOperation(bool, bool)
{
}

bool PerformBinaryOperation(KeyOp)
{
    return false;
}
