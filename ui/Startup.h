// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown of the calculator around its event loop.
#pragma once

#include "platform/InstanceLock.h"
#include "storage/SettingsDamage.h"

#include <QString>

class CalculatorForm;
class QLocale;
class QWidget;

// The path of the user's own settings file.
QString UserSettingsFile();

// Loads the state records from the settings file (the user's own when
// `settingsFile` is empty), gives a very first start the user's decimal
// mark (FirstStartFromLocale), and prepares undo.  Returns true when the
// file already held the preferences; when it did not, and it was not
// refused, the window asks AskInputMode once it is shown.  With `damage`,
// what was wrong with the file (SettingsDamage.h).
bool StartCalculator(const QString& settingsFile = QString(), SettingsDamage* damage = nullptr);

// The preferences a first start takes from the user's locale: the comma
// radix (commaRadix) when the locale writes numbers with a decimal comma.
// Once the preferences are saved they rule.
void FirstStartFromLocale(const QLocale& locale);

// Tells once, in a box beside `window` that blocks nothing, what start-up
// found wrong with the settings file: that it could not be read cleanly and
// where it is kept as it was (or that it is left as it is), or that it was
// refused and this session is not saved.
void TellDamagedSettings(QWidget* window, const QString& settingsFile, const SettingsDamage& damage);

// Tells likewise why this calculator does not save its state: the lock of
// its settings file was made on another computer (HeldElsewhere) or cannot
// be made (Unlockable).
void TellUnlockedSettings(QWidget* window, const InstanceLock& lock, InstanceLock::Result result);

// Tells, in a box of its own, that the calculator that holds the settings
// file does not answer, before this start ends.
void TellSettingsInUse(const QString& settingsFile);

// The first start's question, over the calculator's window: how to type
// calculations.  "Enable RPN" sets RPN input and the window follows.
void AskInputMode(CalculatorForm* window);

// Saves the state records.  When the settings file cannot be written the
// user is told why, in a box naming the file when `tellUser`, else on the
// standard error.  Returns whether the state was saved.
bool FinishCalculator(const QString& settingsFile = QString(), bool tellUser = true);
