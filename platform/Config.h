// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file of one application: named groups of string keys and
// values.  The file is read once, when the object is made; changes are kept
// in memory and written to the file by sync() and when the object is
// destroyed.  The file is written whole into a new file beside it that then
// replaces it, so a failed write leaves the old file as it was.
//
// Reading and writing report apart: a file that could not be read cleanly
// (a line that is not an entry, a broken group header, a folder in its
// place) gives what could be read and readCleanly() false, and a later
// sync() says only whether the writing worked.
#pragma once

#include <QMap>
#include <QString>

class Config {
public:
    // How the constructor's name is taken: User, the per-user settings file
    // of the application of that name (in the user's configuration folder,
    // <XDG_CONFIG_HOME>/<name>/<name>.conf); File, the path of a settings
    // file.
    enum Domain { User, File };

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
    // Stores the text under the key, replacing an older value.
    void writeEntry(const QString& key, const QString& value);

    // Writes the changes to the file now.  Returns whether the file holds
    // them: false when it could not be written (a folder that cannot be
    // created or written, a full disk, a folder in the file's place).
    // Without changes nothing is written and the result is true.
    bool sync();

    // Whether the file was absent or read without error.
    bool readCleanly() const { return m_readCleanly; }

    // Whether the file exists (as anything, a folder too).
    bool fileExists() const;

    // The path of the settings file.
    QString fileName() const { return m_fileName; }

    // The path of the per-user settings file of an application name.
    static QString userFileName(const QString& name);

private:
    QString fullKey(const QString& key) const;
    void read();
    bool write() const;

    QString m_fileName;
    QMap<QString, QString> m_entries; // "group/key" -> value
    QString m_group;
    bool m_changed = false;
    bool m_readCleanly = true;
};
