// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyOp.h"

#include <strings.h>

namespace {

struct KeyOpNameEntry {
    int code;
    const char* name;
};

const KeyOpNameEntry Names[] = {
#define TOVRIN_KEY_NAME(name, code) {code, #name},
    TOVRIN_KEY_LIST(TOVRIN_KEY_NAME)
#undef TOVRIN_KEY_NAME
};

static_assert(sizeof Names / sizeof Names[0] == KeyOpCount, "one name for every code");

} // namespace

const char* KeyOpName(int code)
{
    for (const KeyOpNameEntry& e : Names)
        if (e.code == code)
            return e.name;
    return nullptr;
}

int KeyOpFromName(const char* name)
{
    for (const KeyOpNameEntry& e : Names)
        if (strcasecmp(e.name, name) == 0)
            return e.code;
    return -1;
}

KeyOp IntegerKey(KeyOp key)
{
    switch (int(key)) {
    case KeyChangeSign: return KeyIntChangeSign;
    case KeyRound: return KeyIntRound;
    case KeyAdd: return KeyIntAdd;
    case KeySubtract: return KeyIntSubtract;
    case KeyMultiply: return KeyIntMultiply;
    case KeyDivide: return KeyIntDivide;
    default: return key;
    }
}
