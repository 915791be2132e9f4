// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Config.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every test gets its own configuration folder, so that the user's own
// settings are never read or written.
class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        oldConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", oldConfigHome); }

    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QByteArray oldConfigHome;
};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the permission bits stop this process from writing into a
// read-only folder (they do not for root).
bool permissionsApply(const QString& folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    const bool written = probe.open(QIODevice::WriteOnly);
    if (written)
        probe.remove();
    return !written;
}

} // namespace

TEST_F(ConfigTest, EntriesSurviveDestructionAndAreKeptPerGroup)
{
    const QString file = path(QStringLiteral("a.conf"));
    {
        Config config(file, Config::File);
        config.setGroup(QStringLiteral("saved"));
        config.writeEntry(QStringLiteral("0"), QStringLiteral("0400"));
        config.setGroup(QStringLiteral("unsaved"));
        config.writeEntry(QStringLiteral("0"), QStringLiteral("ABCD"));
        config.writeEntry(QStringLiteral("list"), QStringLiteral("1,2, 3"));
    }
    Config config(file, Config::File);
    config.setGroup(QStringLiteral("saved"));
    EXPECT_TRUE(config.hasKey(QStringLiteral("0")));
    EXPECT_FALSE(config.hasKey(QStringLiteral("1")));
    EXPECT_EQ(config.readEntry(QStringLiteral("0")), QStringLiteral("0400"));
    EXPECT_TRUE(config.readEntry(QStringLiteral("1")).isNull());
    EXPECT_EQ(config.readEntry(QStringLiteral("1"), QStringLiteral("x")), QStringLiteral("x"));
    config.setGroup(QStringLiteral("unsaved"));
    EXPECT_EQ(config.readEntry(QStringLiteral("0")), QStringLiteral("ABCD"));
    EXPECT_EQ(config.readEntry(QStringLiteral("list")), QStringLiteral("1,2, 3"));
}

TEST_F(ConfigTest, AbsentFileIsEmptyAndReadingCreatesNothing)
{
    const QString file = path(QStringLiteral("sub/none.conf"));
    {
        Config config(file, Config::File);
        config.setGroup(QStringLiteral("saved"));
        EXPECT_FALSE(config.hasKey(QStringLiteral("0")));
        EXPECT_TRUE(config.sync());
    }
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(ConfigTest, UserFileLivesInTheConfigurationFolder)
{
    const QString expected = path(QStringLiteral("tovrin/tovrin.conf"));
    {
        Config config(QStringLiteral("tovrin"));
        EXPECT_EQ(config.fileName(), expected);
        config.setGroup(QStringLiteral("saved"));
        config.writeEntry(QStringLiteral("0"), QStringLiteral("01"));
        EXPECT_TRUE(config.sync());
    }
    EXPECT_TRUE(QFile::exists(expected));
    Config again(expected, Config::File);
    again.setGroup(QStringLiteral("saved"));
    EXPECT_EQ(again.readEntry(QStringLiteral("0")), QStringLiteral("01"));
}

TEST_F(ConfigTest, WriteUnderARegularFileFails)
{
    QFile blocker(path(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Config config(path(QStringLiteral("blocker/tovrin.conf")), Config::File);
    config.setGroup(QStringLiteral("saved"));
    config.writeEntry(QStringLiteral("0"), QStringLiteral("0400"));
    EXPECT_FALSE(config.sync());
}

TEST_F(ConfigTest, WriteOverADirectoryFails)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.conf")));
    Config config(path(QStringLiteral("taken.conf")), Config::File);
    config.setGroup(QStringLiteral("saved"));
    config.writeEntry(QStringLiteral("0"), QStringLiteral("0400"));
    EXPECT_FALSE(config.sync());
}

TEST_F(ConfigTest, WriteIntoReadOnlyFolderFailsAndKeepsTheOldFile)
{
    const QString folder = path(QStringLiteral("locked"));
    const QString file = folder + QStringLiteral("/tovrin.conf");
    ASSERT_TRUE(QDir().mkpath(folder));
    {
        Config config(file, Config::File);
        config.setGroup(QStringLiteral("saved"));
        config.writeEntry(QStringLiteral("0"), QStringLiteral("0400"));
        ASSERT_TRUE(config.sync());
    }
    const QByteArray before = contents(file);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const bool applies = permissionsApply(folder);
    if (applies) {
        Config config(file, Config::File);
        config.setGroup(QStringLiteral("saved"));
        config.writeEntry(QStringLiteral("0"), QStringLiteral("0500"));
        EXPECT_FALSE(config.sync());
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!applies)
        GTEST_SKIP() << "permission bits do not apply to this user (root)";
    EXPECT_EQ(contents(file), before);
}

TEST_F(ConfigTest, ALinkedFileStaysALinkAndKeepsItsPermissions)
{
    const QString target = path(QStringLiteral("real.conf")), link = path(QStringLiteral("link.conf"));
    ASSERT_TRUE(QFile(target).open(QIODevice::WriteOnly));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QFile::Permissions permissions = QFile::permissions(target);
    ASSERT_TRUE(QFile::link(target, link));
    Config config(link, Config::File);
    config.writeEntry(QStringLiteral("a"), QStringLiteral("b"));
    ASSERT_TRUE(config.sync());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(contents(target).contains("a=b"));
    EXPECT_EQ(QFile::permissions(target), permissions);
}

namespace {

// A file replaced by another of the same size and time is read afresh, not
// from an earlier read of the same path.
TEST_F(ConfigTest, ReadsAReplacedFileOfTheSameSizeAndTime)
{
    const QString file = path(QStringLiteral("same.conf"));
    QDateTime stamp;
    for (const char* text : {"[g]\nk=1\n", "[g]\nk=2\n"}) {
        {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(text);
        }
        QFile touched(file);
        ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
        if (!stamp.isValid())
            stamp = touched.fileTime(QFileDevice::FileModificationTime);
        ASSERT_TRUE(touched.setFileTime(stamp, QFileDevice::FileModificationTime));
        touched.close();
        Config config(file, Config::File);
        config.setGroup(QStringLiteral("g"));
        EXPECT_EQ(config.readEntry(QStringLiteral("k")), QString::fromLatin1(text).mid(6, 1));
    }
}

} // namespace
