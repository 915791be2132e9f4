// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file of one application: named groups of string keys and
// values.  The file is read once, when the object is made, into memory and
// parsed there; changes are kept in memory and written to the file by
// sync() and when the object is destroyed.  Only a regular file (or a link
// to one) is read or written, and it is replaced whole, durably, so that a
// failed write leaves the old file as it was (DurableFile.h).
//
// Reading and writing report apart: a file that could not be read cleanly
// (a line that is not an entry, a broken group header, a file too large or
// unreadable) gives what could be read and readCleanly() false; a path
// that holds no regular file gives nothing and fileKind() says what it
// holds; a later sync() says only whether the writing worked.
#pragma once

#include "DurableFile.h"
#include "SettingsText.h"

#include <QString>

class Config {
public:
    // How the constructor's name is taken: User, the per-user settings file
    // of the application of that name (in the user's configuration folder,
    // <XDG_CONFIG_HOME>/<name>/<name>.conf); File, the path of a settings
    // file.
    enum Domain { User, File };

    // No real state comes near this size; a larger file is not read.
    static constexpr qint64 SizeLimit = 64 << 20;

    explicit Config(const QString& name, Domain domain = User);
    virtual ~Config();

    Config(const Config&) = delete;
    Config& operator=(const Config&) = delete;

    // Selects the group that the following calls use.
    void setGroup(const QString& group);
    QString group() const { return m_group; }

    // Whether the selected group holds the key.
    bool hasKey(const QString& key) const;
    // The text stored under the key, or `defaultValue` when there is none.
    QString readEntry(const QString& key, const QString& defaultValue = QString()) const;
    // Stores the text under the key (not empty), replacing an older value.
    void writeEntry(const QString& key, const QString& value);

    // Whether the group holds any key.
    bool hasGroup(const QString& group) const;
    // Removes the group and every key in it.
    void removeGroup(const QString& group);

    // Writes the changes to the file now.  Returns whether the file holds
    // them: false when it could not be written (a folder that cannot be
    // created or written, a full disk, anything but a regular file in the
    // file's place), and errorString() then says why.  Without changes
    // nothing is written and the result is true.
    bool sync();
    QString errorString() const { return m_error; }

    // Whether the file was absent or read whole without error.
    bool readCleanly() const { return m_readCleanly; }
    // Whether the file was larger than SizeLimit, and so not read.
    bool tooLarge() const { return m_tooLarge; }
    // What the path held when it was read.
    FileKind fileKind() const { return m_kind; }

    // The path of the settings file.
    QString fileName() const { return m_fileName; }

    // The path of the per-user settings file of an application name.
    static QString userFileName(const QString& name);

private:
    void read();

    QString m_fileName;
    SettingsGroups m_groups;
    QString m_group;
    QString m_error;
    FileKind m_kind = FileKind::Absent;
    bool m_changed = false;
    bool m_readCleanly = true;
    bool m_tooLarge = false;
};
