// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the state records at start-up and saving them at exit.
#pragma once

#include "SettingsDamage.h"

#include <QString>

// Fills Prefs, Regs, UnPrefs, KeyboardTable and Colors from the settings
// file, bringing older preference layouts up to date and putting defaults in
// place of missing or unusable blocks, and the state beside them from its
// groups.  Returns true when the file already held the saved preferences
// (whatever their contents), false on the very first start.  Without an
// argument the user's settings file of "tovrin" is used; with one, the
// settings file of that path.  With `damage`, the file is also checked
// (SettingsDamage.h): a damaged file is copied aside, anything but a
// regular file refused, and *damage says so.  New files that earlier saves
// of this file left when they were cut off are removed.
bool GetPreferences();
bool GetPreferences(const QString& settingsFile, SettingsDamage* damage = nullptr);

// Writes the saved blocks whose change flags are set and always the unsaved
// working state and the state beside the records, and clears the flags of
// what was written.  Returns whether the settings file now holds them; on
// false the file is as it was before, the flags stay set, so that a later
// save can try again, and *error, when given, says why.  A damaged file
// whose copy could not be kept is not written until the copy is kept.
bool SavePreferences();
bool SavePreferences(const QString& settingsFile, QString* error = nullptr);
