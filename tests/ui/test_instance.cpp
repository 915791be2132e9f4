// SPDX-License-Identifier: GPL-3.0-or-later
// One calculator per settings file, with the real programs: a second start
// hands over to the calculator that holds the file and exits 0, a lock left
// by a killed calculator does not block, and the driver leaves a held file
// alone.
#include "platform/InstanceLock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A program run with the configuration folder of `dir`, offscreen.
void Prepare(QProcess& process, const QTemporaryDir& dir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", dir.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
}

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class InstanceTest : public QObject {
    Q_OBJECT
private slots:
    void killedCalculatorDoesNotBlockAndSecondStartHandsOver()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("tovrin/tovrin.conf");

        // A calculator that dies without a word leaves its lock and socket.
        QProcess crashed;
        Prepare(crashed, dir);
        crashed.start(TOVRIN_BINARY, {});
        QVERIFY(crashed.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(file + ".lock"), 5000);
        crashed.kill();
        QVERIFY(crashed.waitForFinished());
        QVERIFY(QFile::exists(file + ".lock"));

        InstanceLock holder(file);
        QCOMPARE(holder.claim(0), InstanceLock::Locked);

        // A second start asks the holder to come to the front and exits 0.
        QSignalSpy raised(&holder, &InstanceLock::raiseRequested);
        QProcess second;
        Prepare(second, dir);
        QElapsedTimer running;
        running.start();
        second.start(TOVRIN_BINARY, {});
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 3000);
        QVERIFY(running.elapsed() < 3000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(raised.count(), 1);
        // It never got as far as the settings.
        QVERIFY(!QFile::exists(file));
    }

    void driverLeavesAHeldFileAlone()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("state.conf");
        QProcess driver;
        driver.start(TOVRIN_KEYS_BINARY, {"--state", file, "5"});
        QVERIFY(driver.waitForFinished());
        QCOMPARE(driver.exitCode(), 0);
        const QByteArray before = Contents(file);

        {
            InstanceLock holder(file);
            QCOMPARE(holder.claim(0), InstanceLock::Locked);
            driver.start(TOVRIN_KEYS_BINARY, {"--state", file, "7"});
            QVERIFY(driver.waitForFinished());
            QCOMPARE(driver.exitCode(), 1);
            QVERIFY(QString::fromLocal8Bit(driver.readAllStandardError()).contains(file));
            QCOMPARE(Contents(file), before);
        }
        driver.start(TOVRIN_KEYS_BINARY, {"--state", file, "7"});
        QVERIFY(driver.waitForFinished());
        QCOMPARE(driver.exitCode(), 0);
        QVERIFY(Contents(file) != before);
    }
};

QTEST_MAIN(InstanceTest)
#include "test_instance.moc"
