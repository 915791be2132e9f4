// SPDX-License-Identifier: GPL-3.0-or-later
#include "BesideStorage.h"

#include "engine/BesideGroups.h"
#include "platform/Config.h"

#include <QString>

void LoadBesideState(Config& config)
{
    for (const BesideGroup& group : BesideGroups) {
        config.setGroup(QString::fromLatin1(group.name));
        group.load([&config](const std::string& key, std::string& value) {
            const QString name = QString::fromStdString(key);
            if (!config.hasKey(name))
                return false;
            value = config.readEntry(name).toStdString();
            return true;
        });
    }
}

void SaveBesideState(Config& config)
{
    for (const BesideGroup& group : BesideGroups) {
        config.setGroup(QString::fromLatin1(group.name));
        for (const BesideEntry& entry : group.save())
            config.writeEntry(QString::fromStdString(entry.key), QString::fromStdString(entry.value));
    }
}
