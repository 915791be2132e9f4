// SPDX-License-Identifier: GPL-3.0-or-later
// Keys that act at once on X (and on X and Y for a few).
#pragma once

#include "core/KeyOp.h"

bool HandleImmediateOperation(KeyOp key);
