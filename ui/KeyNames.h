// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the keys: one human name for every code of the key list,
// such as "Sine", "Payment" or "Percent of total".  The one source of the
// keys' tooltips, their accessible names, the Keys window and
// tovrin --list-keys.
#pragma once

#include "core/KeyOp.h"

#include <QString>

// The translation context of the names.
constexpr char KeyNameContext[] = "KeyNames";

// The name of a code in English, as the table writes it; the name of
// KeyNone says that a user key is unassigned.  Null for a code outside the
// key list.
const char* KeyNameSource(KeyOp code);

// The same in the user's language; empty for a code outside the key list.
QString KeyName(KeyOp code);
