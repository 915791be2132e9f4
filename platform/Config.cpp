#include "Config.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

Config::Config(const QString& name, Domain domain)
    : m_settings(std::make_unique<QSettings>(domain == User ? userFileName(name) : name,
                                             QSettings::IniFormat))
{
    // Never write the file in place: a failed write must not leave it half
    // written.
    m_settings->setAtomicSyncRequired(true);
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
    return m_settings->contains(fullKey(key));
}

QString Config::readEntry(const QString& key, const QString& defaultValue) const
{
    const QVariant value = m_settings->value(fullKey(key));
    if (!value.isValid())
        return defaultValue;
    // The INI reader turns a value with commas into a list; hand back the
    // text as it stands in the file.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void Config::writeEntry(const QString& key, const QString& value)
{
    m_settings->setValue(fullKey(key), value);
}

bool Config::sync()
{
    // QSettings makes the file's folder when it is missing and reports
    // through its status whether the folder or the file could be written.
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString Config::fileName() const
{
    return m_settings->fileName();
}
