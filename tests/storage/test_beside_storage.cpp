// SPDX-License-Identifier: GPL-3.0-or-later
// The state beside the records in its own groups of the settings file:
// bit-exact, and a missing or damaged group means falling back.
#include "StorageTest.h"

#include "core/State.h"
#include "engine/BesideState.h"
#include "engine/Calculator.h"
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

double LoadedStandardDeviation(const QString& file)
{
    ResetCalculator();
    GetPreferences(file);
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
        EXPECT_EQ(LoadedStandardDeviation(file), 0.0) << (key ? key : "group") << " " << text.toStdString();
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

std::vector<std::string> LoadedTape(const QString& file)
{
    ResetCalculator();
    GetPreferences(file);
    return TapeLines();
}

} // namespace

TEST_F(StorageTest, TapeSurvivesARestartOrIsDroppedWhenDamaged)
{
    SaveTape(file);
    const BesideRecord saved = Beside;
    const std::vector<std::string> lines = {"12. + 3. = 15.", "√ 4. = 2."};
    EXPECT_EQ(LoadedTape(file), lines);
    EXPECT_EQ(std::memcmp(&Beside, &saved, sizeof Beside), 0);

    // Damage: a key missing, text cut short or not hexadecimal, a cursor
    // that shows fewer entries than the file holds, an entry of no kind.
    const QString entries = readRaw("tape", "entries");
    const QString cursor = readRaw("tape", "cursor");
    QString noKind = entries;
    noKind.replace(0, 2, QStringLiteral("FF"));
    const std::pair<const char*, QString> damages[] = {
        {"cursor", QString()}, {"entries", entries.chopped(2)}, {"entries", QLatin1Char('G') + entries.mid(1)},
        {"cursor", QStringLiteral("020000000100")}, {"entries", noKind}, {"entries", QStringLiteral("tape")},
    };
    for (const auto& [key, text] : damages) {
        SaveTape(file);
        if (text.isNull())
            QSettings(file, QSettings::IniFormat).remove(QStringLiteral("tape/") + QLatin1String(key));
        else
            writeRaw("tape", key, text);
        EXPECT_TRUE(LoadedTape(file).empty()) << key << " " << text.toStdString();
        // The rest of the state still loads.
        EXPECT_EQ(double(UnPrefs.stack[0]), 2.0) << key;
    }
}
