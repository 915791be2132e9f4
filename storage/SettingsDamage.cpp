// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsDamage.h"

#include "PrefsStorage.h"

#include "core/State.h"

#include <QDateTime>
#include <QFile>
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

bool Damaged(PrefsStorage& storage)
{
    if (!storage.fileExists())
        return false;
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

} // namespace

SettingsDamage CheckSettingsFile(PrefsStorage& storage)
{
    SettingsDamage damage;
    damage.damaged = Damaged(storage);
    if (damage.damaged) {
        damage.copy = KeepDamagedCopy(storage.fileName());
        // The next save writes every block afresh, also those that loaded
        // well enough (a block longer than its record), so that the file
        // reads cleanly from then on.
        PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 1;
    }
    return damage;
}

QString KeepDamagedCopy(const QString& file)
{
    if (!QFileInfo(file).isFile())
        return QString();
    const QString name =
        file + QLatin1String(".damaged-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = name;
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = name + QLatin1Char('-') + QString::number(n);
    return QFile::copy(file, copy) ? copy : QString();
}
