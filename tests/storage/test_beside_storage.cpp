// SPDX-License-Identifier: GPL-3.0-or-later
// The state beside the records in its own groups of the settings file:
// bit-exact; a missing group means falling back, a damaged one is reported
// and keeps what still reads.
#include "StorageTest.h"

#include "core/State.h"
#include "engine/BesideState.h"
#include "engine/Calculator.h"
#include "engine/ProgrammerBase.h"
#include "engine/Reset.h"
#include "engine/TapeText.h"
#include "storage/Preferences.h"

#include <QSettings>

#include <cstring>

namespace {

// Points far from zero, where only the companions keep s right; saved.
void SavePoints(const QString& file)
{
    ResetCalculator();
    for (KeyOp last : {KeyDigit1, KeyDigit2, KeyDigit3})
        for (KeyOp key : {KeyDigit1, KeyDigit0, KeyDigit0, KeyDigit0, KeyDigit0, KeyDigit0, KeyDigit0, KeyDigit0,
                          last, KeySigmaPlus})
            HandleButton(key);
    SavePreferences(file);
}

double LoadedStandardDeviation(const QString& file, SettingsDamage* damage = nullptr)
{
    ResetCalculator();
    GetPreferences(file, damage);
    HandleButton(KeyStdDev);
    return UnPrefs.stack[0];
}

} // namespace

TEST_F(StorageTest, StatisticsCompanionsAreStoredBitExactlyOrFallBack)
{
    SavePoints(file);
    const BesideRecord saved = Beside;
    // Kx = 100000001 in the byte order of the blocks, then Ky = 0.
    EXPECT_EQ(readRaw("statistics", "shift"), QStringLiteral("84D7974100000004") + QString(16, QLatin1Char('0')));
    EXPECT_EQ(LoadedStandardDeviation(file), 1.0);
    EXPECT_EQ(std::memcmp(&Beside.statistics, &saved.statistics, sizeof saved.statistics), 0);

    // Damage: the group or a key missing (null text), or text of the wrong
    // length or not hexadecimal.  The sums alone give s = 0 here.
    const QString sums = readRaw("statistics", "sums");
    const std::pair<const char*, QString> damages[] = {
        {nullptr, QString()}, {"carries", QString()}, {"shift", QStringLiteral("")},
        {"sums", sums.chopped(1)}, {"sums", sums + QLatin1Char('0')}, {"sums", QLatin1Char('G') + sums.mid(1)},
    };
    for (const auto& [key, text] : damages) {
        SavePoints(file);
        if (text.isNull())
            QSettings(file, QSettings::IniFormat).remove(key ? QStringLiteral("statistics/") + QLatin1String(key)
                                                             : QStringLiteral("statistics"));
        else
            writeRaw("statistics", key, text);
        SettingsDamage damage;
        EXPECT_EQ(LoadedStandardDeviation(file, &damage), 0.0) << (key ? key : "group") << " " << text.toStdString();
        // A group that is not there is no damage; a damaged one is.
        EXPECT_EQ(damage.groups, key ? QStringList{"statistics"} : QStringList{});
        const ShiftedSumsRecord cleared{};
        EXPECT_EQ(std::memcmp(&Beside.statistics, &cleared, sizeof cleared), 0);
    }
}

namespace {

void SaveTape(const QString& file)
{
    ResetCalculator();
    for (KeyOp key : {KeyDigit1, KeyDigit2, KeyAdd, KeyDigit3, KeyEquals, KeyDigit4, KeySquareRoot})
        HandleButton(key);
    SavePreferences(file);
}

std::vector<std::string> LoadedTape(const QString& file, SettingsDamage* damage = nullptr)
{
    ResetCalculator();
    GetPreferences(file, damage);
    return TapeLines();
}

} // namespace

TEST_F(StorageTest, TapeSurvivesARestartOrKeepsWhatReadsWhenDamaged)
{
    SaveTape(file);
    const BesideRecord saved = Beside;
    const std::vector<std::string> lines = {"12. + 3. = 15.", "√ 4. = 2."};
    EXPECT_EQ(LoadedTape(file), lines);
    EXPECT_EQ(std::memcmp(&Beside, &saved, sizeof Beside), 0);

    // Damage: a key missing, text cut short (also between two entries) or
    // not hexadecimal, a cursor that counts other entries than the file
    // holds, an entry of no kind.  The entries that read, from the oldest
    // on, are kept.
    const QString entries = readRaw("tape", "entries");
    QString noKind = entries;
    noKind.replace(0, 2, QStringLiteral("FF"));
    const struct {
        const char* key;
        QString text;
        size_t kept;
    } damages[] = {
        {"cursor", QString(), 2},          {"entries", entries.chopped(2), 1},
        {"entries", entries.left(112), 1}, {"entries", QLatin1Char('G') + entries.mid(1), 0},
        {"cursor", "020000000100", 2},     {"entries", noKind, 0},
        {"entries", "tape", 0},
    };
    for (const auto& [key, text, kept] : damages) {
        SaveTape(file);
        if (text.isNull())
            QSettings(file, QSettings::IniFormat).remove(QStringLiteral("tape/") + QLatin1String(key));
        else
            writeRaw("tape", key, text);
        SettingsDamage damage;
        EXPECT_EQ(LoadedTape(file, &damage), std::vector<std::string>(lines.begin(), lines.begin() + kept))
            << key << " " << text.toStdString();
        EXPECT_EQ(damage.groups, QStringList{"tape"});
        // The rest of the state still loads.
        EXPECT_EQ(double(UnPrefs.stack[0]), 2.0) << key;
    }
}

// The integer functions' base kept aside survives a restart; a file of an
// earlier version, with HEX outside them and no group, loads decimal with
// HEX kept aside; a damaged group is reported.
TEST_F(StorageTest, ProgrammerBaseSurvivesARestart)
{
    const auto load = [this](SettingsDamage* damage = nullptr) {
        ResetCalculator();
        GetPreferences(file, damage);
    };
    ResetCalculator();
    SelectFunction(FunctionProgrammer);
    HandleButton(KeyHexadecimal);
    SelectFunction(FunctionStandard);
    ASSERT_TRUE(SavePreferences(file));
    load();
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseDecimal));
    SelectFunction(FunctionProgrammer);
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseHexadecimal));

    QSettings(file, QSettings::IniFormat).remove(QStringLiteral("programmer"));
    UnPrefs.setFunction(FunctionStandard);
    ASSERT_TRUE(SavePreferences(file));
    QSettings(file, QSettings::IniFormat).remove(QStringLiteral("programmer"));
    load();
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseDecimal));
    SelectFunction(FunctionProgrammer);
    EXPECT_EQ(UnPrefs.base(), unsigned(BaseHexadecimal));

    writeRaw("programmer", "base", QStringLiteral("7"));
    SettingsDamage damage;
    load(&damage);
    EXPECT_EQ(damage.groups, QStringList{"programmer"});
}
