// SPDX-License-Identifier: GPL-3.0-or-later
// A stack level as the display draws it: its label and its number text.
#pragma once

#include <string>

// The name of a level: X, Y, Z, T, then the level number from 5.
std::string LevelName(int level);

// The label text beside a level ("" for none) and the number text, both as
// the display draws them; "error" for a value it cannot show, and then no
// label.
void LevelText(int level, std::string& label, std::string& text);
