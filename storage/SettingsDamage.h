// SPDX-License-Identifier: GPL-3.0-or-later
// What start-up found wrong with the settings file.
//
// Something other than a regular file in its place (a folder, a device, a
// FIFO, a socket) is refused: nothing is read, the calculator starts as on
// a first start, and nothing is ever written there.
//
// A damaged file loads what could be read, as always, and a copy of it as
// it was is kept beside it, since the next save writes only what was
// loaded.  When no copy can be kept, the file is not overwritten: each
// save tries again to keep the copy first, and fails while it cannot.
#pragma once

#include "platform/DurableFile.h"

#include <QString>
#include <QStringList>

class PrefsStorage;

struct SettingsDamage {
    // What the path held: Absent or Regular for a file in use; anything
    // else was refused.
    FileKind kind = FileKind::Absent;
    // The file is not as a save leaves it: unreadable, too large, a line
    // that is not an entry, a state block that is missing, of another
    // length, not hexadecimal, or of a layout version that cannot be read,
    // or a damaged side group.
    bool damaged = false;
    // The side groups found damaged, by name.
    QStringList groups;
    // Where the damaged file was copied; empty when it could not be.
    QString copy;

    bool refused() const { return kind != FileKind::Absent && kind != FileKind::Regular; }
};

// Looks at the file of `storage`, given the side groups found damaged;
// when it is damaged, copies it aside (or owes the copy) and marks every
// saved block changed, so that the next save writes them all.
SettingsDamage CheckSettingsFile(PrefsStorage& storage, const QStringList& damagedGroups);

// Before a save over `file`: keeps the copy of the damaged file that
// start-up could not keep.  False while it still cannot be kept (the file
// must then not be written); true when none was owed or it is kept now.
bool KeepOwedCopy(const QString& file);

// Copies the file to "<file>.damaged-YYYYMMDD-HHMMSS" beside it (local
// time; "-2", "-3"... added while that name is taken, so that older copies
// stay), durably.  Returns the copy's path, or an empty string when it
// could not be made.
QString KeepDamagedCopy(const QString& file);
