// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsDamage.h"

#include "PrefsStorage.h"

#include "core/State.h"

#include <QDateTime>
#include <QFileInfo>

namespace {

// The state blocks as a save writes them, and the oldest layout version
// that loading reads (0: the block has no version).
struct BlockRule {
    int block;
    bool saved;
    unsigned size;
    uint16_t oldestVersion;
};

const BlockRule BlockRules[] = {
    {0, true, PrefsSize, 1}, // versions 1 to 3 are brought up to date
    {1, true, RegsSize, CurrentVersion},
    {2, true, ColorTableSize, 0},
    {3, true, KeyboardTableSize, 0},
    {0, false, UnPrefsSize, CurrentVersion},
};

bool BlocksDamaged(PrefsStorage& storage)
{
    if (!storage.readCleanly())
        return true;
    for (const BlockRule& rule : BlockRules) {
        if (!storage.isWholeBlock(rule.block, rule.size, rule.saved))
            return true;
        if (rule.oldestVersion != 0) {
            uint8_t bytes[2] = {};
            unsigned count = sizeof bytes;
            storage.readBlock(rule.block, bytes, &count, rule.saved);
            const unsigned version = bytes[0] | unsigned(bytes[1]) << 8;
            if (version < rule.oldestVersion || version > CurrentVersion)
                return true;
        }
    }
    return false;
}

// The damaged file whose copy start-up could not keep, if any.
QString OwedCopy;

QString Absolute(const QString& file)
{
    return QFileInfo(file).absoluteFilePath();
}

} // namespace

SettingsDamage CheckSettingsFile(PrefsStorage& storage, const QStringList& damagedGroups)
{
    SettingsDamage damage;
    if (OwedCopy == Absolute(storage.fileName()))
        OwedCopy.clear();
    damage.kind = storage.fileKind();
    if (damage.kind != FileKind::Regular)
        return damage;
    damage.groups = damagedGroups;
    damage.damaged = !damagedGroups.isEmpty() || BlocksDamaged(storage);
    if (damage.damaged) {
        damage.copy = KeepDamagedCopy(storage.fileName());
        if (damage.copy.isEmpty())
            OwedCopy = Absolute(storage.fileName());
        // The next save writes every block afresh, also those that loaded
        // well enough (a block longer than its record), so that the file
        // reads cleanly from then on.
        PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 1;
    }
    return damage;
}

bool KeepOwedCopy(const QString& file)
{
    if (OwedCopy.isEmpty() || OwedCopy != Absolute(file))
        return true;
    if (KeepDamagedCopy(file).isEmpty())
        return false;
    OwedCopy.clear();
    return true;
}

QString KeepDamagedCopy(const QString& file)
{
    const QString name =
        file + QLatin1String(".damaged-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = name;
    for (int n = 2; QFileInfo::exists(copy) || QFileInfo(copy).isSymLink(); ++n)
        copy = name + QLatin1Char('-') + QString::number(n);
    QString error;
    return CopyRegularFile(file, copy, &error) ? copy : QString();
}
