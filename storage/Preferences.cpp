// SPDX-License-Identifier: GPL-3.0-or-later
#include "Preferences.h"

#include "BesideStorage.h"
#include "PrefsStorage.h"

#include "core/State.h"
#include "core/Words.h"
#include "engine/Reset.h"

#include <cstring>

namespace {

const QString ApplicationName = QStringLiteral("tovrin");

// Blocks of the settings file.
enum Block { PrefsBlock = 0, RegsBlock = 1, ColorsBlock = 2, KeyboardBlock = 3, UnPrefsBlock = 0 };

// Bit 0x20 of byte 3: the tap action switch of layout 1, precedenceInput
// since layout 2.
constexpr uint8_t Version1TapBit = 0x20;
// Bit 0x10 of byte 3: not used since layout 4.
constexpr uint8_t Version3UnusedBit = 0x10;

void MigrateFrom1()
{
    if (Prefs.flags3 & Version1TapBit)
        Prefs.setLeftTapAction(1);
    Prefs.version = 2;
    Prefs.flags3 &= uint8_t(~Version1TapBit);
    Prefs.setIntegerSize(DefaultIntegerSize);
    PrefsChanged = 1;
}

void MigrateFrom2()
{
    Prefs.version = 3;
    Prefs.stackSize = 4;
    Prefs.setCenterTapAction(Prefs.leftTapAction());
    Prefs.setRightTapAction(Prefs.leftTapAction());
    Prefs.setHundredRegisters(true);
    Prefs.setIntegerSize(DefaultIntegerSize);
    Prefs.setQuickSwitch(true);
    PrefsChanged = 1;
}

unsigned ShiftTapAction(unsigned action)
{
    return action == 0 ? 0 : (action + 2) % 8;
}

void MigrateFrom3()
{
    Prefs.version = 4;
    Prefs.setLeftTapAction(ShiftTapAction(Prefs.leftTapAction()));
    Prefs.setCenterTapAction(ShiftTapAction(Prefs.centerTapAction()));
    Prefs.setRightTapAction(ShiftTapAction(Prefs.rightTapAction()));
    std::memset(Prefs.unused8, 0, sizeof Prefs.unused8);
    Prefs.flags3 &= uint8_t(~Version3UnusedBit);
    PrefsChanged = 1;
}

// Reads a block; an absent block counts as 0 bytes read.
unsigned ReadBlock(PrefsStorage& storage, int block, void* data, unsigned capacity, bool saved)
{
    unsigned count = capacity;
    return storage.readBlock(block, data, &count, saved) ? count : 0;
}

bool LoadPreferences(PrefsStorage& storage)
{
    unsigned count = PrefsSize;
    const bool found = storage.readBlock(PrefsBlock, &Prefs, &count, true);
    if (!found)
        count = 0;
    std::memset(reinterpret_cast<uint8_t*>(&Prefs) + count, 0, PrefsSize - count);
    if (count >= 2) {
        if (Prefs.version == 1)
            MigrateFrom1();
        if (Prefs.version == 2)
            MigrateFrom2();
        if (Prefs.version == 3)
            MigrateFrom3();
    }
    if (Prefs.version != CurrentVersion) {
        ResetPrefs();
        PrefsChanged = 1;
    }

    if (ReadBlock(storage, RegsBlock, &Regs, RegsSize, true) != RegsSize || Regs.version != CurrentVersion)
        ResetRegs();

    // Colors keeps its defaults wherever the block does not reach.
    if (ReadBlock(storage, ColorsBlock, &Colors, ColorTableSize, true) != ColorTableSize)
        ColorsChanged = 1;

    if (ReadBlock(storage, KeyboardBlock, &KeyboardTable, KeyboardTableSize, true) != KeyboardTableSize) {
        ResetKeyboardTable();
        KeyboardChanged = 1;
    }

    if (ReadBlock(storage, UnPrefsBlock, &UnPrefs, UnPrefsSize, false) != UnPrefsSize ||
        UnPrefs.version != CurrentVersion)
        ResetUnPrefs();
    // A typed number always ends inside its text; an open entry that does
    // not comes from a damaged file and would be read past its end: close it.
    if (UnPrefs.entering() && !std::memchr(UnPrefs.entryText, '\0', EntryTextSize)) {
        UnPrefs.entryText[0] = '\0';
        UnPrefs.setEntering(false);
    }

    return found;
}

bool StorePreferences(PrefsStorage& storage, QString* error)
{
    if (PrefsChanged) {
        Prefs.version = CurrentVersion;
        storage.writeBlock(PrefsBlock, &Prefs, PrefsSize, true);
    }
    if (RegsChanged) {
        Regs.version = CurrentVersion;
        storage.writeBlock(RegsBlock, &Regs, RegsSize, true);
    }
    if (ColorsChanged)
        storage.writeBlock(ColorsBlock, &Colors, ColorTableSize, true);
    if (KeyboardChanged)
        storage.writeBlock(KeyboardBlock, &KeyboardTable, KeyboardTableSize, true);
    UnPrefs.version = CurrentVersion;
    storage.writeBlock(UnPrefsBlock, &UnPrefs, UnPrefsSize, false);
    SaveBesideState(storage);

    // The flags are cleared only once the file holds the blocks, so that a
    // failed save loses nothing a second attempt could still write.
    if (!storage.sync()) {
        if (error)
            *error = storage.errorString();
        return false;
    }
    PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 0;
    return true;
}

} // namespace

bool GetPreferences()
{
    return GetPreferences(Config::userFileName(ApplicationName));
}

bool GetPreferences(const QString& settingsFile, SettingsDamage* damage)
{
    RemoveLeftoverFiles(settingsFile);
    PrefsStorage storage(settingsFile, Config::File);
    const bool found = LoadPreferences(storage);
    const QStringList damagedGroups = LoadBesideState(storage);
    if (damage)
        *damage = CheckSettingsFile(storage, damagedGroups);
    return found;
}

bool SavePreferences()
{
    return SavePreferences(Config::userFileName(ApplicationName));
}

bool SavePreferences(const QString& settingsFile, QString* error)
{
    PrefsStorage storage(settingsFile, Config::File);
    if (!KeepOwedCopy(settingsFile)) {
        if (error)
            *error = QStringLiteral("the damaged settings file could not be kept aside");
        return false;
    }
    return StorePreferences(storage, error);
}
