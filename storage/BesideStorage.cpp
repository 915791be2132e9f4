// SPDX-License-Identifier: GPL-3.0-or-later
#include "BesideStorage.h"

#include "WindowPlace.h"

#include "engine/BesideGroups.h"
#include "platform/Config.h"

#include <QString>

namespace {

// The groups of this layer, beside the engine's.
const BesideGroup* const OwnGroups[] = {&WindowPlaceGroup};

template <typename Visit>
void ForEachGroup(Visit visit)
{
    for (const BesideGroup& group : BesideGroups)
        visit(group);
    for (const BesideGroup* group : OwnGroups)
        visit(*group);
}

bool FindNothing(const std::string&, std::string&)
{
    return false;
}

} // namespace

QStringList LoadBesideState(Config& config)
{
    QStringList damaged;
    ForEachGroup([&config, &damaged](const BesideGroup& group) {
        const QString name = QString::fromLatin1(group.name);
        if (!config.hasGroup(name)) {
            group.load(FindNothing);
            return;
        }
        config.setGroup(name);
        const bool whole = group.load([&config](const std::string& key, std::string& value) {
            const QString name = QString::fromStdString(key);
            if (!config.hasKey(name))
                return false;
            value = config.readEntry(name).toStdString();
            return true;
        });
        if (!whole)
            damaged << name;
    });
    return damaged;
}

void SaveBesideState(Config& config)
{
    ForEachGroup([&config](const BesideGroup& group) {
        const QString name = QString::fromLatin1(group.name);
        config.removeGroup(name);
        config.setGroup(name);
        for (const BesideEntry& entry : group.save())
            config.writeEntry(QString::fromStdString(entry.key), QString::fromStdString(entry.value));
    });
}
