// SPDX-License-Identifier: GPL-3.0-or-later
// The side groups: the state beside the records in the settings file, each
// part in a group of its own (engine/BesideGroups.h), read at start-up and
// written at exit together with the blocks.  The engine's parts register
// in BesideGroups; the window's place (WindowPlace.h) is one of this
// layer's own.  Every group is handled alike: a group that is not there
// resets its part; a damaged one keeps what could be read, and the file
// counts as damaged (SettingsDamage.h); a save writes every group afresh.
#pragma once

#include <QStringList>

class Config;

// Gives every part its group.  Returns the names of the groups that were
// there but damaged.
QStringList LoadBesideState(Config& config);

// Writes every part's entries into its group, in place of the group's
// earlier keys.
void SaveBesideState(Config& config);
