// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file that could not be read cleanly.  Start-up loads what
// could be read, as always, and also keeps a copy of the file as it was,
// since the next save writes only what was loaded, and tells the user.
#pragma once

#include <QString>

class PrefsStorage;

struct SettingsDamage {
    // The file exists but is not as a save leaves it: unreadable, a line
    // that is not an entry, or a state block that is missing, of another
    // length, not hexadecimal, or of a layout version that cannot be read.
    bool damaged = false;
    // Where the damaged file was copied; empty when it could not be (a
    // folder in the file's place, a folder that cannot be written).
    QString copy;
};

// Looks at the file of `storage`; when it is damaged, copies it aside and
// marks every saved block changed, so that the next save writes them all.
SettingsDamage CheckSettingsFile(PrefsStorage& storage);

// Copies the file to "<file>.damaged-YYYYMMDD-HHMMSS" beside it (local
// time; "-2", "-3"... added while that name is taken, so that older copies
// stay).  Returns the copy's path, or an empty string when it could not be
// made.
QString KeepDamagedCopy(const QString& file);
