// SPDX-License-Identifier: GPL-3.0-or-later
#include "StorageTest.h"

#include "core/State.h"
#include "engine/Reset.h"
#include "storage/Preferences.h"

#include <QFile>

#include <cstring>

namespace {

class PreferencesTest : public StorageTest {
protected:
    void SetUp() override
    {
        StorageTest::SetUp();
        // A first start, then records that a load must overwrite whole.
        ResetCalculator();
        FillPattern(&Prefs, PrefsSize, 1);
        FillPattern(&Regs, RegsSize, 2);
        FillPattern(&UnPrefs, UnPrefsSize, 3);
        FillPattern(&KeyboardTable, KeyboardTableSize, 4);
    }
    static void clearFlags() { PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 0; }
    static const uint8_t* bytes(const void* record) { return static_cast<const uint8_t*>(record); }

    // A Prefs block of the given layout version with everything else zero
    // but the bytes given.
    void writePrefs(uint16_t version, uint8_t byte3, uint8_t byte12, uint8_t byte13, uint8_t other = 0)
    {
        uint8_t p[PrefsSize] = {};
        p[0] = uint8_t(version);
        p[1] = uint8_t(version >> 8);
        p[2] = other;
        p[3] = byte3;
        p[4] = 12; // stackSize
        std::memset(p + 8, 0x5A, 4);
        p[12] = byte12;
        p[13] = byte13;
        p[91] = other;
        writeRaw("saved", "0", Hex(p, PrefsSize));
    }

    void expectDefaultPrefs()
    {
        EXPECT_EQ(Prefs.version, 4);
        EXPECT_EQ(Prefs.stackSize, 4);
        // 100 registers, the signed 32-bit word, system colours, and a
        // click on the display that does nothing (tap actions 6).
        EXPECT_EQ(Prefs.flags12, 0x5D);
        EXPECT_EQ(Prefs.flags13, 0x5B);
        for (unsigned i = 0; i < PrefsSize; ++i)
            if (i != 0 && i != 4 && i != 12 && i != 13) {
                EXPECT_EQ(bytes(&Prefs)[i], 0) << "byte " << i;
            }
        EXPECT_EQ(PrefsChanged, 1);
    }
};

// The Regs image of a first start.
RegsRecord ClearedRegs()
{
    ResetRegs();
    return Regs;
}

} // namespace

TEST_F(PreferencesTest, EmptyFileGivesFirstStartAndDefaults)
{
    QFile empty(file);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const RegsRecord cleared = ClearedRegs();
    FillPattern(&Regs, RegsSize, 2);
    clearFlags();

    EXPECT_FALSE(GetPreferences(file));
    expectDefaultPrefs();
    EXPECT_EQ(std::memcmp(&Regs, &cleared, RegsSize), 0);
    EXPECT_EQ(Regs.version, 4);
    EXPECT_EQ(double(Regs.registers[RegPaymentsPerYear]), 12.0);
    EXPECT_EQ(RegsChanged, 1);
    EXPECT_EQ(ColorsChanged, 1);
    EXPECT_EQ(KeyboardChanged, 1);
    for (const LeI32& key : KeyboardTable.keys)
        EXPECT_EQ(key, KeyNone);
    ColorTable defaults;
    defaults.init();
    EXPECT_TRUE(Colors == defaults);
    EXPECT_EQ(UnPrefs.version, 4);
    for (int i = 0; i < StackLevels; ++i) {
        EXPECT_EQ(double(UnPrefs.stack[i]), 0.0);
        EXPECT_EQ(UnPrefs.stackLabelIndex[i], NoLabelIndex);
    }

    // The first normal exit writes all five blocks.
    ASSERT_TRUE(SavePreferences(file));
    EXPECT_EQ(readRaw("saved", "0"), Hex(&Prefs, PrefsSize));
    EXPECT_EQ(readRaw("saved", "1"), Hex(&Regs, RegsSize));
    EXPECT_EQ(readRaw("saved", "2"), Hex(&Colors, ColorTableSize));
    EXPECT_EQ(readRaw("saved", "3"), Hex(&KeyboardTable, KeyboardTableSize));
    EXPECT_EQ(readRaw("unsaved", "0"), Hex(&UnPrefs, UnPrefsSize));
    EXPECT_EQ(PrefsChanged + RegsChanged + ColorsChanged + KeyboardChanged, 0);
    EXPECT_TRUE(GetPreferences(file));
}

TEST_F(PreferencesTest, KnownValuesHaveTheirFixedText)
{
    ResetCalculator();
    Regs.memory = 1.0;
    PrefsChanged = RegsChanged = KeyboardChanged = 1;
    ASSERT_TRUE(SavePreferences(file));
    EXPECT_TRUE(readRaw("saved", "0").startsWith(QStringLiteral("0400000004000000")));
    EXPECT_TRUE(readRaw("saved", "1").startsWith(QStringLiteral("040000000000F03F00000000FFFF")));
    EXPECT_EQ(readRaw("saved", "3"), QStringLiteral("FF000000").repeated(UserKeyCount));
    EXPECT_TRUE(readRaw("unsaved", "0").startsWith(QStringLiteral("0400")));
    EXPECT_EQ(readRaw("saved", "0").mid(24, 4), QStringLiteral("5D5B"));
}

TEST_F(PreferencesTest, EveryRecordRoundTripsByteForByte)
{
    FillPattern(&Prefs, PrefsSize, 11);
    FillPattern(&Regs, RegsSize, 12);
    FillPattern(&UnPrefs, UnPrefsSize, 13);
    FillPattern(&KeyboardTable, KeyboardTableSize, 14);
    FillPattern(&Colors, ColorTableSize, 15);
    Prefs.version = Regs.version = UnPrefs.version = 4;
    PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 1;
    const PrefsRecord prefs = Prefs;
    const RegsRecord regs = Regs;
    const UnPrefsRecord unPrefs = UnPrefs;
    const KeyboardTableRecord keys = KeyboardTable;
    const ColorTable colors = Colors;
    ASSERT_TRUE(SavePreferences(file));

    SetUp();
    EXPECT_TRUE(GetPreferences(file));
    EXPECT_EQ(std::memcmp(&Prefs, &prefs, PrefsSize), 0);
    EXPECT_EQ(std::memcmp(&Regs, &regs, RegsSize), 0);
    EXPECT_EQ(std::memcmp(&UnPrefs, &unPrefs, UnPrefsSize), 0);
    EXPECT_EQ(std::memcmp(&KeyboardTable, &keys, KeyboardTableSize), 0);
    EXPECT_EQ(std::memcmp(&Colors, &colors, ColorTableSize), 0);
    EXPECT_EQ(PrefsChanged + RegsChanged + ColorsChanged + KeyboardChanged, 0);
}

TEST_F(PreferencesTest, DefaultFileIsTheUsersTovrinFile)
{
    ResetUnPrefs();
    UnPrefs.stack[0] = 1.0;
    ASSERT_TRUE(SavePreferences());
    const QString userFile = dir.filePath(QStringLiteral("tovrin/tovrin.conf"));
    ASSERT_TRUE(QFile::exists(userFile));
    UnPrefs.stack[0] = 0.0;
    EXPECT_FALSE(GetPreferences());
    EXPECT_EQ(double(UnPrefs.stack[0]), 1.0);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(PreferencesTest, Version1WithTapBitBecomesVersion4)
{
    // Byte 3: the old tap bit 0x20, the retired bit 0x10 and degrees mode 0x02.
    writePrefs(1, 0x32, 0x00, 0x00, 0x3C);
    EXPECT_TRUE(GetPreferences(file));
    EXPECT_EQ(Prefs.version, 4);
    EXPECT_EQ(Prefs.leftTapAction(), 3u);
    EXPECT_EQ(Prefs.centerTapAction(), 3u);
    EXPECT_EQ(Prefs.rightTapAction(), 3u);
    EXPECT_EQ(Prefs.integerSize(), 5u);
    EXPECT_TRUE(Prefs.hundredRegisters());
    EXPECT_TRUE(Prefs.quickSwitch());
    EXPECT_EQ(Prefs.stackSize, 4);
    EXPECT_EQ(std::memcmp(Prefs.unused8, "\0\0\0\0", 4), 0);
    EXPECT_EQ(Prefs.flags3 & 0x30, 0);
    EXPECT_EQ(Prefs.angleMode(), 1u);
    EXPECT_EQ(Prefs.flags2, 0x3C);
    EXPECT_EQ(bytes(&Prefs)[91], 0x3C);
    EXPECT_EQ(PrefsChanged, 1);
}

TEST_F(PreferencesTest, Version1WithoutTapBitKeepsTapsOff)
{
    writePrefs(1, 0x00, 0x00, 0x00);
    EXPECT_TRUE(GetPreferences(file));
    EXPECT_EQ(Prefs.version, 4);
    EXPECT_EQ(Prefs.leftTapAction(), 0u);
    EXPECT_EQ(Prefs.centerTapAction(), 0u);
    EXPECT_EQ(Prefs.rightTapAction(), 0u);
    EXPECT_EQ(Prefs.flags12, 0x51);
    EXPECT_EQ(Prefs.flags3, 0x40);
    EXPECT_EQ(PrefsChanged, 1);
}

TEST_F(PreferencesTest, Version2CopiesTheLeftTapAction)
{
    writePrefs(2, 0x00, 0x04, 0x00); // left tap action 2
    EXPECT_TRUE(GetPreferences(file));
    EXPECT_EQ(Prefs.leftTapAction(), 4u);
    EXPECT_EQ(Prefs.centerTapAction(), 4u);
    EXPECT_EQ(Prefs.rightTapAction(), 4u);
    EXPECT_EQ(Prefs.stackSize, 4);
}

TEST_F(PreferencesTest, Version3TapActionsMoveUpByTwo)
{
    struct Case {
        unsigned left, center, right, newLeft, newCenter, newRight;
    };
    const Case cases[] = {{0, 1, 2, 0, 3, 4}, {2, 0, 1, 4, 0, 3}, {6, 7, 5, 0, 1, 7}};
    for (const Case& c : cases) {
        PrefsRecord p;
        std::memset(&p, 0, sizeof p);
        p.version = 3;
        p.stackSize = 12;
        p.flags3 = 0x5F;
        p.setLeftTapAction(c.left);
        p.setCenterTapAction(c.center);
        p.setRightTapAction(c.right);
        p.setIntegerSize(2);
        p.setUserKeysInteger(true);
        std::memset(p.unused8, 0x77, 4);
        writeRaw("saved", "0", Hex(&p, PrefsSize));
        PrefsChanged = 0;

        EXPECT_TRUE(GetPreferences(file));
        EXPECT_EQ(Prefs.version, 4);
        EXPECT_EQ(Prefs.leftTapAction(), c.newLeft);
        EXPECT_EQ(Prefs.centerTapAction(), c.newCenter);
        EXPECT_EQ(Prefs.rightTapAction(), c.newRight);
        EXPECT_EQ(Prefs.integerSize(), 2u);
        EXPECT_TRUE(Prefs.userKeysInteger());
        EXPECT_EQ(Prefs.stackSize, 12);
        EXPECT_EQ(Prefs.flags3, 0x4F);
        EXPECT_EQ(std::memcmp(Prefs.unused8, "\0\0\0\0", 4), 0);
        EXPECT_EQ(PrefsChanged, 1);
    }
}

TEST_F(PreferencesTest, UnusablePrefsBlocksGiveDefaultsWithoutFirstStart)
{
    const char* cases[] = {"0500", "01", "", "ZZZZ", "0000", "FFFF0102"};
    for (const char* text : cases) {
        writeRaw("saved", "0", QLatin1String(text));
        FillPattern(&Prefs, PrefsSize, 9);
        PrefsChanged = 0;
        EXPECT_TRUE(GetPreferences(file)) << text;
        expectDefaultPrefs();
    }
}

TEST_F(PreferencesTest, ShortAndLongVersion4PrefsAreAccepted)
{
    writeRaw("saved", "0", QStringLiteral("04000102"));
    EXPECT_TRUE(GetPreferences(file));
    EXPECT_EQ(Prefs.version, 4);
    EXPECT_EQ(Prefs.flags2, 0x01);
    EXPECT_EQ(Prefs.flags3, 0x02);
    for (unsigned i = 4; i < PrefsSize; ++i)
        EXPECT_EQ(bytes(&Prefs)[i], 0) << "byte " << i;
    EXPECT_EQ(PrefsChanged, 0);

    uint8_t p[PrefsSize];
    FillPattern(p, PrefsSize, 5);
    p[0] = 4;
    p[1] = 0;
    writeRaw("saved", "0", Hex(p, PrefsSize) + QStringLiteral("ABCDEF"));
    EXPECT_TRUE(GetPreferences(file));
    EXPECT_EQ(std::memcmp(&Prefs, p, PrefsSize), 0);
    EXPECT_EQ(PrefsChanged, 0);
}

TEST_F(PreferencesTest, RegsAreAcceptedOnlyWhole)
{
    const RegsRecord cleared = ClearedRegs();
    RegsRecord good;
    FillPattern(&good, RegsSize, 21);
    good.version = 4;
    RegsRecord old = good;
    old.version = 3;

    struct Case {
        const char* name;
        QString text;
        bool accepted;
    };
    const Case cases[] = {
        {"whole", Hex(&good, RegsSize), true},
        {"longer", Hex(&good, RegsSize) + QStringLiteral("00"), true},
        {"1543 bytes", Hex(&good, RegsSize - 1), false},
        {"1543.5 bytes", Hex(&good, RegsSize).left(2 * RegsSize - 1), true},
        {"version 3", Hex(&old, RegsSize), false},
    };
    for (const Case& c : cases) {
        writeRaw("saved", "1", c.text);
        FillPattern(&Regs, RegsSize, 2);
        RegsChanged = 0;
        GetPreferences(file);
        if (c.accepted) {
            EXPECT_EQ(std::memcmp(&Regs, &good, RegsSize - 1), 0) << c.name;
            EXPECT_EQ(RegsChanged, 0) << c.name;
        } else {
            EXPECT_EQ(std::memcmp(&Regs, &cleared, RegsSize), 0) << c.name;
            EXPECT_EQ(RegsChanged, 1) << c.name;
        }
    }
}

TEST_F(PreferencesTest, ShortColorsKeepTheDefaultsBeyondTheBlock)
{
    writeRaw("saved", "2", QStringLiteral("0100020003000000"));
    GetPreferences(file);
    ColorTable expected;
    expected.init();
    expected.setColor(DisplayText, 1, 2, 3);
    EXPECT_EQ(std::memcmp(&Colors, &expected, ColorTableSize), 0);
    EXPECT_EQ(ColorsChanged, 1);

    ColorTable stored;
    FillPattern(&stored, ColorTableSize, 31);
    writeRaw("saved", "2", Hex(&stored, ColorTableSize));
    ColorsChanged = 0;
    GetPreferences(file);
    EXPECT_EQ(std::memcmp(&Colors, &stored, ColorTableSize), 0);
    EXPECT_EQ(ColorsChanged, 0);
}

TEST_F(PreferencesTest, ShortKeyboardTableIsEmptied)
{
    writeRaw("saved", "3", QStringLiteral("05000000").repeated(UserKeyCount - 1));
    GetPreferences(file);
    for (const LeI32& key : KeyboardTable.keys)
        EXPECT_EQ(key, KeyNone);
    EXPECT_EQ(KeyboardChanged, 1);

    writeRaw("saved", "3", QStringLiteral("05000000").repeated(UserKeyCount));
    KeyboardChanged = 0;
    GetPreferences(file);
    for (const LeI32& key : KeyboardTable.keys)
        EXPECT_EQ(key, 5);
    EXPECT_EQ(KeyboardChanged, 0);
}

TEST_F(PreferencesTest, UnPrefsAreAcceptedOnlyWholeAndCurrent)
{
    UnPrefsRecord good;
    FillPattern(&good, UnPrefsSize, 41);
    good.version = 4;
    // The pattern's base is not decimal, which only the integer functions
    // keep.
    good.setFunction(FunctionProgrammer);
    UnPrefsRecord old = good;
    old.version = 3;

    writeRaw("unsaved", "0", Hex(&good, UnPrefsSize));
    GetPreferences(file);
    EXPECT_EQ(std::memcmp(&UnPrefs, &good, UnPrefsSize), 0);

    const QString rejected[] = {Hex(&good, UnPrefsSize - 1), Hex(&old, UnPrefsSize)};
    for (const QString& text : rejected) {
        writeRaw("unsaved", "0", text);
        FillPattern(&UnPrefs, UnPrefsSize, 3);
        GetPreferences(file);
        EXPECT_EQ(UnPrefs.version, 4);
        EXPECT_EQ(double(UnPrefs.stack[0]), 0.0);
        EXPECT_EQ(UnPrefs.stackLabelIndex[0], NoLabelIndex);
        EXPECT_EQ(UnPrefs.flags2, 0);
        EXPECT_EQ(UnPrefs.lastOperator, KeyNone);
        EXPECT_EQ(UnPrefs.randomSeed, 0);
    }
}

TEST_F(PreferencesTest, AnOpenEntryWithoutItsEndIsClosed)
{
    UnPrefsRecord damaged;
    FillPattern(&damaged, UnPrefsSize, 41); // entry text without a NUL
    damaged.version = 4;
    damaged.setEntering(true);
    writeRaw("unsaved", "0", Hex(&damaged, UnPrefsSize));
    GetPreferences(file);
    EXPECT_FALSE(UnPrefs.entering());
    EXPECT_EQ(UnPrefs.entryText[0], '\0');
    EXPECT_EQ(std::memcmp(&UnPrefs.stack, &damaged.stack, sizeof damaged.stack), 0);
}

TEST_F(PreferencesTest, SaveWritesOnlyChangedSavedBlocksAndAlwaysUnsaved)
{
    const char* keys[] = {"0", "1", "2", "3"};
    for (const char* key : keys)
        writeRaw("saved", key, QStringLiteral("OLD"));
    writeRaw("unsaved", "0", QStringLiteral("OLD"));
    UnPrefs.version = 2;

    ASSERT_TRUE(SavePreferences(file));
    for (const char* key : keys)
        EXPECT_EQ(readRaw("saved", key), QStringLiteral("OLD")) << key;
    EXPECT_EQ(UnPrefs.version, 4);
    EXPECT_EQ(readRaw("unsaved", "0"), Hex(&UnPrefs, UnPrefsSize));

    struct Case {
        uint8_t* flag;
        const char* key;
        const void* record;
        unsigned size;
    };
    const Case cases[] = {
        {&PrefsChanged, "0", &Prefs, PrefsSize},
        {&RegsChanged, "1", &Regs, RegsSize},
        {&ColorsChanged, "2", &Colors, ColorTableSize},
        {&KeyboardChanged, "3", &KeyboardTable, KeyboardTableSize},
    };
    for (const Case& c : cases) {
        for (const char* key : keys)
            writeRaw("saved", key, QStringLiteral("OLD"));
        Prefs.version = Regs.version = 1;
        *c.flag = 1;
        ASSERT_TRUE(SavePreferences(file));
        EXPECT_EQ(*c.flag, 0);
        for (const char* key : keys)
            EXPECT_EQ(readRaw("saved", key), std::strcmp(key, c.key) ? QStringLiteral("OLD") : Hex(c.record, c.size))
                << "flag of block " << c.key << ", block " << key;
        // Prefs and Regs are stored with the current layout version.
        if (c.record == &Prefs || c.record == &Regs) {
            EXPECT_TRUE(readRaw("saved", c.key).startsWith(QStringLiteral("0400"))) << c.key;
        }
    }
}

TEST_F(PreferencesTest, FailedSaveIsReportedAndKeepsTheFlags)
{
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 1;
    EXPECT_FALSE(SavePreferences(dir.filePath(QStringLiteral("blocker/tovrin.conf"))));
    EXPECT_EQ(PrefsChanged + RegsChanged + ColorsChanged + KeyboardChanged, 4);

    // The same session can still save elsewhere: nothing was lost.
    ASSERT_TRUE(SavePreferences(file));
    EXPECT_EQ(readRaw("saved", "1"), Hex(&Regs, RegsSize));
}

TEST_F(PreferencesTest, FailedSaveLeavesTheOldFileWhole)
{
    ResetCalculator();
    PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 1;
    const QString folder = dir.filePath(QStringLiteral("locked"));
    const QString lockedFile = folder + QStringLiteral("/tovrin.conf");
    ASSERT_TRUE(SavePreferences(lockedFile));
    QFile before(lockedFile);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    before.close();

    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(folder + QStringLiteral("/probe"));
    const bool permissionsApply = !probe.open(QIODevice::WriteOnly);
    if (permissionsApply) {
        Regs.memory = 2.0;
        RegsChanged = 1;
        EXPECT_FALSE(SavePreferences(lockedFile));
        EXPECT_EQ(RegsChanged, 1);
    } else {
        probe.remove();
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!permissionsApply)
        GTEST_SKIP() << "permission bits do not apply to this user (root); "
                        "FailedSaveIsReportedAndKeepsTheFlags covers the failure";
    QFile after(lockedFile);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), old);
}
