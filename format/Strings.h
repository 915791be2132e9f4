// SPDX-License-Identifier: GPL-3.0-or-later
// Short label texts shown beside values.
#pragma once

#include "core/Labels.h"

// The text of a label id, or nullptr for an unknown id.
const char* GetString(unsigned id);

// Room for the label a display draws.
constexpr int LabelTextSize = 24;

// The label a display draws beside a value: the text of `id`, and for the
// cash-flow labels "CFj" and "Nj" also their index while a cash flow is
// current ("CFj 3"); a label without an index (0xFFFF) shows its text only.
// False, with `out` empty, for an id without text.
bool LabelText(unsigned id, unsigned index, char* out);
