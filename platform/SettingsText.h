// SPDX-License-Identifier: GPL-3.0-or-later
// The text of a settings file: [group] headers and key=value lines.
//
// Written as it is read: group names and keys keep letters, digits and
// "-._~", values every printable ASCII character but "%", and anything else
// is written as %XX, a byte of its UTF-8 form.  So any group, key or value
// reads back exactly as it was written.  Entries before the first header
// belong to the group "".
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Group name -> key -> value.
using SettingsGroups = QMap<QString, QMap<QString, QString>>;

// The text of the groups, in the order of their names, and of their keys.
QByteArray SettingsText(const SettingsGroups& groups);

// Reads what it can of the text.  *clean is false when a line is none of
// an empty line, a comment (";" or "#"), a [group] header or a key=value
// entry, when a name or value is not UTF-8, or when a key comes twice in a
// group; such lines are passed over (the later of two keys counts).
SettingsGroups ParseSettingsText(const QByteArray& text, bool* clean);
