// SPDX-License-Identifier: GPL-3.0-or-later
// A damaged settings file: what could be read is loaded, the file as it was
// is kept beside it, and the save that follows succeeds unless the file
// system refuses it.
#include "StorageTest.h"

#include "core/State.h"
#include "engine/Reset.h"
#include "storage/Preferences.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class SettingsDamageTest : public StorageTest {
protected:
    // A file as a save leaves it, with 42 in X.
    QByteArray writeValidFile()
    {
        ResetCalculator();
        UnPrefs.stack[0] = 42.0;
        PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 1;
        EXPECT_TRUE(SavePreferences(file));
        ResetCalculator();
        return Contents(file);
    }
    QStringList copies() const
    {
        return QDir(dir.path()).entryList({QStringLiteral("tovrin.conf.damaged-*")}, QDir::Files, QDir::Name);
    }
};

} // namespace

TEST_F(SettingsDamageTest, DamagedFilesAreRecoveredKeptAndSaved)
{
    struct Case {
        const char* name;
        QByteArray (*damage)(const QByteArray& valid);
        bool keepsX; // the state blocks survive the damage
    };
    const Case cases[] = {
        {"stray line", [](const QByteArray& v) { return "HLM\n" + v; }, true},
        {"broken header", [](const QByteArray& v) { return "&[saveod]\n" + v; }, true},
        {"binary junk", [](const QByteArray& v) { return QByteArray("\x01\x02\xff\xfe junk\n") + v; }, true},
        {"short block", [](const QByteArray& v) { return QByteArray(v).replace("\n1=04", "\n1=4"); }, true},
        {"empty file", [](const QByteArray&) { return QByteArray(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& old : copies())
            QFile::remove(dir.filePath(old));
        const QByteArray damaged = c.damage(writeValidFile());
        Write(file, damaged);

        SettingsDamage damage;
        GetPreferences(file, &damage);
        EXPECT_TRUE(damage.damaged);
        EXPECT_EQ(double(UnPrefs.stack[0]), c.keepsX ? 42.0 : 0.0);
        EXPECT_EQ(copies().size(), 1);
        EXPECT_EQ(Contents(damage.copy), damaged);

        // The save reports what the writing did, and leaves a clean file.
        UnPrefs.stack[0] = 7.0;
        EXPECT_TRUE(SavePreferences(file));
        ResetCalculator();
        EXPECT_TRUE(GetPreferences(file, &damage));
        EXPECT_FALSE(damage.damaged);
        EXPECT_EQ(double(UnPrefs.stack[0]), 7.0);
    }
}

TEST_F(SettingsDamageTest, AFolderInPlaceOfTheFileFailsToSave)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("tovrin.conf")));
    SettingsDamage damage;
    EXPECT_FALSE(GetPreferences(file, &damage));
    EXPECT_TRUE(damage.refused() && !damage.damaged && damage.copy.isEmpty());
    EXPECT_FALSE(SavePreferences(file));
}

// A clean file is left alone; a damaged one found again gets a copy of its own.
TEST_F(SettingsDamageTest, CleanFilesAreLeftAloneAndOlderCopiesKept)
{
    SettingsDamage damage;
    GetPreferences(file, &damage);
    EXPECT_FALSE(damage.damaged);
    const QByteArray damaged = "HLM\n" + writeValidFile();
    EXPECT_TRUE(copies().isEmpty());
    Write(file, damaged);
    SettingsDamage first, second;
    GetPreferences(file, &first);
    GetPreferences(file, &second);
    EXPECT_NE(first.copy, second.copy);
    EXPECT_EQ(copies().size(), 2);
    EXPECT_EQ(Contents(second.copy), damaged);
}
