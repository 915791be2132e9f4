// SPDX-License-Identifier: GPL-3.0-or-later
// One calculator per settings file, with the real programs: a second start
// hands over to the calculator that holds the file and exits 0, a lock left
// by a killed calculator or one that cannot be read does not block, another
// computer's lock makes the window run without saving, and the driver leaves
// a held file alone.
#include "platform/InstanceLock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

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

    void strayLocksAreTakenOverAndForeignOnesNamed()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("tovrin.conf");
        const struct {
            QByteArray lock;
            InstanceLock::Result result;
        } cases[] = {{"", InstanceLock::Locked},
                     {"garbage\n", InstanceLock::Locked},
                     {"4242\ntovrin\nelsewhere.example\n", InstanceLock::HeldElsewhere}};
        for (const auto& c : cases) {
            QFile lock(file + ".lock");
            QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
            lock.write(c.lock);
            lock.close();
            InstanceLock instance(file);
            QCOMPARE(instance.lock(), c.result);
        }
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QCOMPARE(InstanceLock(dir.filePath("blocker/tovrin.conf")).lock(), InstanceLock::Unlockable);
    }

    // With another computer's lock the window runs, and a signal ends it as
    // a quit does, without saving; without it SIGQUIT saves (the window's
    // place with the rest).
    void foreignLockRunsWithoutSavingAndSignalsSave()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("tovrin/tovrin.conf");
        QProcess driver;
        driver.start(TOVRIN_KEYS_BINARY, {"--state", file, "5"});
        QVERIFY(driver.waitForFinished());
        const QByteArray before = Contents(file);
        QFile lock(file + ".lock");
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("4242\ntovrin\nelsewhere.example\n");
        lock.close();
        for (bool foreign : {true, false}) {
            QProcess calculator;
            Prepare(calculator, dir);
            calculator.start(TOVRIN_BINARY, {});
            QVERIFY(calculator.waitForStarted());
            // Up to its window, where the signals are caught.
            QTest::qWait(1500);
            ::kill(pid_t(calculator.processId()), foreign ? SIGTERM : SIGQUIT);
            QVERIFY(calculator.waitForFinished(5000));
            QCOMPARE(calculator.exitStatus(), QProcess::NormalExit);
            QCOMPARE(calculator.exitCode(), 0);
            QCOMPARE(Contents(file) == before, foreign);
            if (foreign)
                QVERIFY(QFile::remove(file + ".lock"));
        }
        QVERIFY(Contents(file).contains("[window]"));
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
