// Start-up and shutdown of the calculator around its event loop.
#pragma once

#include <QString>

class QWidget;

// Loads the state records from the settings file (the user's own when
// `settingsFile` is empty), asks on the very first start whether to enable
// RPN, and prepares undo.  Returns true when the file already held the
// preferences.
bool StartCalculator(const QString& settingsFile = QString());

// The first start's question; true when the answer is "Enable RPN".
bool AskEnableRpn();

// Saves the state records.  When the settings file cannot be written the
// user is told, in a box naming the file when `tellUser`, else on the
// standard error.  Returns whether the state was saved.
bool FinishCalculator(const QString& settingsFile = QString(), bool tellUser = true);
