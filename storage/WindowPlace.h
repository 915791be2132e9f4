// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window was when the calculator quit: its size and
// position, whether it stayed on top, and which side windows were open.
// Kept in the side group "window" of the settings file (BesideStorage.h),
// loaded and saved with the rest of the state.
#pragma once

#include "engine/BesideGroups.h"

#include <map>
#include <string>
#include <vector>

// A side window remembered by its name: whether it was open, and its place
// and size (a width of 0: none known yet).
struct SideWindowPlace {
    bool open = false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct WindowPlace {
    // A width of 0: no size and position known.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;
    bool rpnStackOpen = false;
    bool registersOpen = false;
    bool tapeOpen = false;
    bool stayOnTop = false;
    // The side windows of SideWindowNames(), by name.
    std::map<std::string, SideWindowPlace> sideWindows = {};
};

// The names the side windows are remembered under, besides the three
// above: the key of each name holds whether the window was open, and the
// key of the name and "Place" its place and size as "x,y,width,height".
const std::vector<std::string>& SideWindowNames();

// The place as the settings file held it at start-up, and as the next save
// writes it.  A damaged group keeps the entries that read: the four of the
// size and position together, and each window's flag on its own.
WindowPlace StoredWindowPlace();
void KeepWindowPlace(const WindowPlace& place);

// The group, for the storage layer.
extern const BesideGroup WindowPlaceGroup;
