// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window was when the calculator quit: its size and
// position, and which side windows were open.  Kept in the group "window"
// of the settings file, apart from the state blocks.
#pragma once

#include <QString>

struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;
    bool rpnStackOpen = false;
    bool registersOpen = false;
    bool tapeOpen = false;
};

// Reads the group "window".  False, leaving *place as it was, when the
// group is missing or any of its entries is missing or out of range.
bool ReadWindowPlace(const QString& settingsFile, WindowPlace* place);

// Writes the group "window".  Returns whether the file holds it.
bool SaveWindowPlace(const QString& settingsFile, const WindowPlace& place);
