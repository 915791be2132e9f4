// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown of the calculator around its event loop.
#pragma once

#include "storage/SettingsDamage.h"

#include <QString>

class QWidget;

// The path of the user's own settings file.
QString UserSettingsFile();

// Loads the state records from the settings file (the user's own when
// `settingsFile` is empty), asks on the very first start whether to enable
// RPN, and prepares undo.  Returns true when the file already held the
// preferences.  With `damage`, a file that could not be read cleanly is
// copied aside and *damage says so (SettingsDamage.h).
bool StartCalculator(const QString& settingsFile = QString(), SettingsDamage* damage = nullptr);

// Tells once, in a box beside `window` that blocks nothing, that the
// settings file could not be read cleanly and where it is kept as it was.
void TellDamagedSettings(QWidget* window, const QString& settingsFile, const SettingsDamage& damage);

// The first start's question; true when the answer is "Enable RPN".
bool AskEnableRpn();

// Saves the state records.  When the settings file cannot be written the
// user is told, in a box naming the file when `tellUser`, else on the
// standard error.  Returns whether the state was saved.
bool FinishCalculator(const QString& settingsFile = QString(), bool tellUser = true);
