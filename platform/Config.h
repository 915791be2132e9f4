// A settings file of one application: named groups of string keys and
// values.  Changes are kept in memory and written to the file by sync() and
// when the object is destroyed.  The file is written whole into a temporary
// file that then replaces the old one, so a failed write leaves the old file
// as it was.
#pragma once

#include <QString>

#include <memory>

class QSettings;

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
    // created or written, a full disk) or could not be read.
    bool sync();

    // The path of the settings file.
    QString fileName() const;

    // The path of the per-user settings file of an application name.
    static QString userFileName(const QString& name);

private:
    QString fullKey(const QString& key) const;

    std::unique_ptr<QSettings> m_settings;
    QString m_group;
};
