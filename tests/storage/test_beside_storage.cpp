// The state beside the records in its own groups of the settings file:
// bit-exact, and a missing or damaged group means falling back.
#include "StorageTest.h"

#include "core/State.h"
#include "engine/BesideState.h"
#include "engine/Calculator.h"
#include "engine/Reset.h"
#include "storage/Preferences.h"

#include <QSettings>

#include <cstring>

namespace {

class BesideStorageTest : public StorageTest {
protected:
    void SetUp() override
    {
        StorageTest::SetUp();
        enterPointsAndSave();
    }
    void enterPointsAndSave()
    {
        ResetCalculator();
        // Points far from zero, where only the companions keep s right.
        for (KeyOp last : {KeyDigit1, KeyDigit2, KeyDigit3}) {
            HandleButton(KeyDigit1);
            for (int i = 0; i < 7; ++i)
                HandleButton(KeyDigit0);
            HandleButton(last);
            HandleButton(KeySigmaPlus);
        }
        ASSERT_TRUE(SavePreferences(file));
    }
    static double standardDeviation()
    {
        HandleButton(KeyStdDev);
        return UnPrefs.stack[0];
    }
    void load()
    {
        ResetCalculator();
        GetPreferences(file);
    }
};

} // namespace

TEST_F(BesideStorageTest, CompanionsRoundTripBitExactly)
{
    const BesideRecord saved = Beside;
    // Kx = 100000001 in the byte order of the blocks, then Ky = 0.
    EXPECT_EQ(readRaw("statistics", "shift"), QStringLiteral("84D7974100000004") + QString(16, QLatin1Char('0')));
    EXPECT_EQ(readRaw("statistics", "registers"), Hex(&Regs.registers[RegSumX], 6 * sizeof(F64)));
    load();
    EXPECT_EQ(std::memcmp(&Beside, &saved, sizeof Beside), 0);
    EXPECT_EQ(standardDeviation(), 1.0);
}

TEST_F(BesideStorageTest, AMissingOrDamagedGroupFallsBackToTheSums)
{
    const QString sums = readRaw("statistics", "sums");
    struct Case {
        const char* name;
        const char* key; // removed when the text is null
        QString text;
    };
    const Case cases[] = {
        {"no group", nullptr, QString()},
        {"no key", "carries", QString()},
        {"empty", "shift", QStringLiteral("")},
        {"short", "sums", sums.chopped(1)},
        {"long", "sums", sums + QLatin1Char('0')},
        {"not hexadecimal", "sums", QLatin1Char('G') + sums.mid(1)},
    };
    const ShiftedSumsRecord cleared{};
    for (const Case& c : cases) {
        enterPointsAndSave();
        if (c.text.isNull()) {
            QSettings raw(file, QSettings::IniFormat);
            raw.remove(c.key ? QStringLiteral("statistics/") + QLatin1String(c.key) : QStringLiteral("statistics"));
        } else {
            writeRaw("statistics", c.key, c.text);
        }
        load();
        EXPECT_EQ(std::memcmp(&Beside.statistics, &cleared, sizeof cleared), 0) << c.name;
        EXPECT_EQ(standardDeviation(), 0.0) << c.name << ": the one-pass formula on the sums";
    }
}
