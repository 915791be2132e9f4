// SPDX-License-Identifier: GPL-3.0-or-later
#include "Config.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>

#include <cstdio>

namespace {

// Whether every line of the text is empty, a comment, a [group] header or
// a key=value entry: the INI syntax as a save writes it.  QSettings reads
// past lines that are none of these and reports it only at the first read
// of the file in a process, so the file's own text decides.
bool IsCleanIni(const QByteArray& text)
{
    for (const QByteArray& rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[') ? !line.endsWith(']') : line.indexOf('=') <= 0)
            return false;
    }
    return true;
}

} // namespace

Config::Config(const QString& name, Domain domain)
    : m_fileName(domain == User ? userFileName(name) : name)
{
    read();
}

Config::~Config()
{
    sync();
}

QString Config::userFileName(const QString& name)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + QLatin1Char('/') + name + QLatin1Char('/') + name + QLatin1String(".conf");
}

void Config::read()
{
    QFile original(m_fileName);
    if (!original.exists()) {
        m_readCleanly = true;
        return;
    }
    if (!original.open(QIODevice::ReadOnly)) {
        m_readCleanly = false;
        return;
    }
    const QByteArray text = original.readAll();
    // QSettings keeps the files it has read in a cache of the process, and
    // trusts it while a file's size and time stay the same: a file replaced
    // by one of equal size within the same tick would be read stale.  So
    // the text is read from a copy of a name never used before.
    QTemporaryFile copy;
    if (!copy.open() || copy.write(text) != text.size() || !copy.flush()) {
        m_readCleanly = false;
        return;
    }
    // A reader that is never written to, so that it never writes.
    const QSettings reader(copy.fileName(), QSettings::IniFormat);
    for (const QString& key : reader.allKeys()) {
        if (key.isEmpty())
            continue;
        const QVariant value = reader.value(key);
        // The INI reader turns a value with commas into a list; keep the
        // text as it stands in the file.
        m_entries.insert(key, value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                                        : value.toString());
    }
    m_readCleanly = reader.status() == QSettings::NoError && IsCleanIni(text);
}

bool Config::write() const
{
    // A settings file that is a link is written where the link leads.
    const QFileInfo info(m_fileName);
    const QString target = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    // The new file: made beside the old one, so that renaming it replaces
    // the old one in one step.
    QTemporaryFile file(target + QLatin1String(".XXXXXX"));
    if (!file.open())
        return false;
    if (info.isFile())
        file.setPermissions(info.permissions());
    file.close();
    {
        QSettings writer(file.fileName(), QSettings::IniFormat);
        // The file is new and nobody reads it yet: written in place.
        writer.setAtomicSyncRequired(false);
        for (auto entry = m_entries.cbegin(); entry != m_entries.cend(); ++entry)
            writer.setValue(entry.key(), entry.value());
        writer.sync();
        if (writer.status() != QSettings::NoError)
            return false;
    }
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    // Renamed away: nothing is left for the temporary file to remove.
    file.setAutoRemove(false);
    return true;
}

void Config::setGroup(const QString& group)
{
    m_group = group;
}

QString Config::fullKey(const QString& key) const
{
    return m_group.isEmpty() ? key : m_group + QLatin1Char('/') + key;
}

bool Config::hasKey(const QString& key) const
{
    return m_entries.contains(fullKey(key));
}

QString Config::readEntry(const QString& key, const QString& defaultValue) const
{
    const auto entry = m_entries.constFind(fullKey(key));
    return entry == m_entries.cend() ? defaultValue : entry.value();
}

void Config::writeEntry(const QString& key, const QString& value)
{
    m_entries.insert(fullKey(key), value);
    m_changed = true;
}

bool Config::sync()
{
    if (!m_changed)
        return true;
    if (!write())
        return false;
    m_changed = false;
    return true;
}

bool Config::fileExists() const
{
    return QFileInfo::exists(m_fileName);
}
