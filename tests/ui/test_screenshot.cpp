// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the windows from the command line: the options, and keys
// pressed before the picture.

#include "core/State.h"
#include "ui/Screenshot.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class TestScreenshot : public QObject {
    Q_OBJECT
private slots:
    void options_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("keys pressed") << QStringList{"--press", "3 Enter 4 Multiply Undo"} << true;
        QTest::newRow("numbers and words") << QStringList{"--press", " -2.5e-3  Function=financial Type=1+"}
                                           << true;
        QTest::newRow("no keys") << QStringList{"--press", ""} << true;
        QTest::newRow("unknown key") << QStringList{"--press", "3 Sine"} << false;
        QTest::newRow("no value") << QStringList{"--press"} << false;
        QTest::newRow("unknown window") << QStringList{"--window", "nowhere"} << false;
    }
    void options()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, accepted);
        ScreenshotOptions options;
        QCOMPARE(ParseScreenshotOptions(QStringList{"tovrin", "--screenshot", "x.png"} + args, &options), accepted);
    }

    // The pressed keys reach the calculator before the window is drawn.
    void pressedKeysAreShown()
    {
        QTemporaryDir folder;
        ScreenshotOptions options;
        QVERIFY(ParseScreenshotOptions({"tovrin", "--screenshot", folder.filePath("rpn.png"), "--input", "rpn",
                                        "--press", "3 Enter 4 Multiply 5"},
                                       &options));
        QCOMPARE(RenderScreenshot(options), 0);
        QCOMPARE(UnPrefs.stack[1], 12.0);
        QCOMPARE(UnPrefs.stack[0], 5.0);
        QVERIFY(!QImage(options.file).isNull());
    }
};

QTEST_MAIN(TestScreenshot)
#include "test_screenshot.moc"
