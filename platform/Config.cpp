// SPDX-License-Identifier: GPL-3.0-or-later
#include "Config.h"

#include <QFileDevice>
#include <QStandardPaths>

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
    const FileRead file = ReadRegularFile(m_fileName, SizeLimit);
    m_kind = file.kind;
    m_tooLarge = file.tooLarge;
    m_error = file.error;
    bool clean = true;
    m_groups = ParseSettingsText(file.bytes, &clean);
    m_readCleanly = file.kind == FileKind::Absent ||
                    (file.kind == FileKind::Regular && file.error.isEmpty() && !file.tooLarge && clean);
}

void Config::setGroup(const QString& group)
{
    m_group = group;
}

bool Config::hasKey(const QString& key) const
{
    return m_groups.value(m_group).contains(key);
}

QString Config::readEntry(const QString& key, const QString& defaultValue) const
{
    return m_groups.value(m_group).value(key, defaultValue);
}

void Config::writeEntry(const QString& key, const QString& value)
{
    if (key.isEmpty())
        return;
    m_groups[m_group].insert(key, value);
    m_changed = true;
}

bool Config::hasGroup(const QString& group) const
{
    return !m_groups.value(group).isEmpty();
}

void Config::removeGroup(const QString& group)
{
    if (m_groups.remove(group))
        m_changed = true;
}

bool Config::sync()
{
    if (!m_changed)
        return true;
    // Empty groups are not written, so they are not compared either.
    SettingsGroups groups = m_groups;
    groups.removeIf([](const auto& group) { return group.value().isEmpty(); });
    const QByteArray text = SettingsText(groups);
    const bool written = ReplaceFile(
        m_fileName, [&text](QFileDevice& file) { return file.write(text) == text.size(); },
        [&groups](const QByteArray& written) {
            bool clean = false;
            return ParseSettingsText(written, &clean) == groups && clean;
        },
        &m_error);
    if (written)
        m_changed = false;
    return written;
}
