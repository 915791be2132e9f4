// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's place across runs: size, position, staying on top and
// side windows kept in a group of their own, a damaged group reported with what still
// reads kept, and a position off every screen brought back onto one.
#include "engine/Reset.h"
#include "platform/Config.h"
#include "storage/Preferences.h"
#include "ui/CalculatorForm.h"
#include "ui/SideWindow.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/RpnStackForm.h"
#include "ui/dialogs/StatisticsForm.h"
#include "ui/dialogs/TapeForm.h"
#include "ui/dialogs/UserRegistersForm.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

class WindowPlaceTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetCalculator(); }

    void placeOnScreen_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("first screen") << QRect(100, 100, 360, 560) << QRect(100, 100, 360, 560);
        QTest::newRow("second screen") << QRect(2000, 50, 360, 560) << QRect(2000, 50, 360, 560);
        QTest::newRow("top edge partly on") << QRect(3136, 100, 360, 560) << QRect(3136, 100, 360, 560);
        QTest::newRow("right of all") << QRect(3190, 100, 360, 560) << QRect(780, 260, 360, 560);
        QTest::newRow("above all") << QRect(100, -600, 360, 560) << QRect(780, 260, 360, 560);
        QTest::newRow("removed monitor, larger") << QRect(-3000, 0, 2500, 1400) << QRect(0, 0, 1920, 1080);
    }

    void placeOnScreen()
    {
        QFETCH(QRect, window);
        QFETCH(QRect, placed);
        const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(PlaceOnScreen(window, screens), placed);
    }

    // Size, position, staying on top and the open side windows come back
    // at the next start.
    void placeSurvivesRestart()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("tovrin.conf");
        const QList<QRect> screens = AvailableScreens();
        const QRect screen = screens.first();
        const QRect geometry(screen.x() + 20, screen.y() + 30, 360, 540);
        {
            CalculatorForm form;
            form.setGeometry(geometry);
            form.show();
            form.viewRpnStackForm();
            form.viewTapeForm();
            form.viewStatisticsForm();
            form.stayOnTopAction()->trigger();
            // Quitting closes the window; the side windows still count as open.
            form.close();
            const WindowPlace place = TakeWindowPlace(form);
            QVERIFY(place.rpnStackOpen);
            QVERIFY(!place.registersOpen);
            QVERIFY(place.tapeOpen);
            QVERIFY(place.sideWindows.at("statistics").open);
            QVERIFY(place.stayOnTop);
            KeepWindowPlace(place);
            QVERIFY(SavePreferences(file));
        }
        KeepWindowPlace({});
        SettingsDamage damage;
        GetPreferences(file, &damage);
        QVERIFY(damage.groups.isEmpty());
        const WindowPlace place = StoredWindowPlace();
        CalculatorForm form;
        GiveWindowPlace(&form, place, screens);
        QCOMPARE(form.geometry(), geometry);
        QVERIFY(form.stayOnTop() && form.stayOnTopAction()->isChecked());
        form.show();
        ReopenSideWindows(&form, place);
        QVERIFY(form.rpnStackForm() && form.rpnStackForm()->isVisible());
        QVERIFY(!form.userRegistersForm());
        QVERIFY(form.tapeForm() && form.tapeForm()->isVisible());
        QVERIFY(form.statisticsForm() && form.statisticsForm()->isVisible());
    }

    // Quitting closes every window before the event loop ends: the side
    // windows open when the quit was asked for count as open.
    void sideWindowsOpenAtQuit()
    {
        CalculatorForm form;
        form.show();
        form.viewTapeForm();
        form.viewStatisticsForm();
        form.viewScheduleForm();
        const QuitPlace quitPlace(form);
        QTimer::singleShot(0, &form, &CalculatorForm::quit);
        QCoreApplication::exec();
        QVERIFY(!form.statisticsForm()->isVisible());
        QVERIFY(quitPlace.place().tapeOpen);
        QVERIFY(quitPlace.place().sideWindows.at("statistics").open);
        QVERIFY(quitPlace.place().sideWindows.at("schedule").open);
        QVERIFY(!quitPlace.place().rpnStackOpen);
    }

    // A bad entry is damage: reported, with the size and position kept
    // only whole and each window's flag on its own.
    void damagedGroupKeepsWhatReads()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("tovrin.conf");
        const struct {
            const char* entry;
            int width;
            bool registers, tape, stayOnTop;
        } cases[] = {{"x=abc", 0, false, true, true},        {"width=0", 0, false, true, true},
                     {"y=", 0, false, true, true},           {"registers=2", 300, false, true, true},
                     {"tape=2", 300, false, false, true},    {"stayOnTop=on", 300, false, true, false}};
        for (const auto& c : cases) {
            KeepWindowPlace({10, 20, 300, 400, false, false, false, true, true});
            QVERIFY(SavePreferences(file));
            {
                Config config(file, Config::File);
                config.setGroup("window");
                config.writeEntry(QString(c.entry).section('=', 0, 0), QString(c.entry).section('=', 1));
            }
            SettingsDamage damage;
            GetPreferences(file, &damage);
            QVERIFY2(damage.damaged && damage.groups == QStringList{"window"}, c.entry);
            const WindowPlace place = StoredWindowPlace();
            QCOMPARE(place.width, c.width);
            QCOMPARE(place.registersOpen, c.registers);
            QCOMPARE(place.tapeOpen, c.tape);
            QCOMPARE(place.stayOnTop, c.stayOnTop);
        }
    }

    // The schedule and cash-flow windows keep whether they were open and
    // their place and size, also while closed; a damaged place of one of
    // them loses only that place.
    void sideWindowsKeepTheirPlace()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("tovrin.conf");
        const QList<QRect> screens = AvailableScreens();
        const QRect screen = screens.first();
        const QRect schedule(screen.x() + 40, screen.y() + 50, 500, 420);
        const QRect cashflows(screen.x() + 60, screen.y() + 70, 420, 380);
        {
            CalculatorForm form;
            form.show();
            form.viewScheduleForm();
            form.sideWindow("schedule")->setGeometry(schedule);
            form.viewCashFlowsForm();
            form.sideWindow("cashflows")->setGeometry(cashflows);
            form.sideWindow("cashflows")->close();
            KeepWindowPlace(TakeWindowPlace(form));
            PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 1;
            QVERIFY(SavePreferences(file));
        }
        KeepWindowPlace({});
        SettingsDamage damage;
        GetPreferences(file, &damage);
        QVERIFY(!damage.damaged);
        WindowPlace place = StoredWindowPlace();
        QVERIFY(place.sideWindows["schedule"].open);
        QVERIFY(!place.sideWindows["cashflows"].open);
        CalculatorForm form;
        GiveWindowPlace(&form, place, screens);
        form.show();
        ReopenSideWindows(&form, place);
        QVERIFY(form.sideWindow("schedule") && form.sideWindow("schedule")->isVisible());
        QCOMPARE(form.sideWindow("schedule")->geometry(), schedule);
        QVERIFY(!form.sideWindow("cashflows"));
        form.viewCashFlowsForm();
        QCOMPARE(form.sideWindow("cashflows")->geometry(), cashflows);

        {
            Config config(file, Config::File);
            config.setGroup("window");
            config.writeEntry("schedulePlace", "40,50,0,420");
        }
        GetPreferences(file, &damage);
        QVERIFY(damage.damaged && damage.groups == QStringList{"window"});
        place = StoredWindowPlace();
        QCOMPARE(place.sideWindows["schedule"].width, 0);
        QVERIFY(place.sideWindows["schedule"].open);
        QCOMPARE(place.sideWindows["cashflows"].width, cashflows.width());
    }
};

QTEST_MAIN(WindowPlaceTest)
#include "test_window_place.moc"
