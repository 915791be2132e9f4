// SPDX-License-Identifier: GPL-3.0-or-later
// Key colours and the picture loaders.
#include "core/State.h"
#include "ui/ButtonColor.h"
#include "ui/Images.h"

#include <QtTest>

class KeyColorsTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsPerStyle_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::newRow("standard") << int(StyleStandard) << QColor(255, 255, 255) << QColor(51, 51, 153);
        QTest::newRow("number") << int(StyleNumber) << QColor(0, 0, 102) << QColor(153, 153, 255);
        QTest::newRow("register") << int(StyleRegister) << QColor(255, 255, 255) << QColor(51, 51, 153);
        QTest::newRow("clear") << int(StyleClear) << QColor(255, 255, 255) << QColor(153, 51, 51);
        QTest::newRow("dialog") << int(StyleDialog) << QColor(255, 255, 255) << QColor(51, 0, 153);
    }

    void defaultsPerStyle()
    {
        QFETCH(int, style);
        ColorTable table;
        table.init();
        ButtonColor colors(&table, ButtonStyle(style));
        QTEST(colors.text, "text");
        QTEST(colors.background, "background");
    }

    void shadesSaturate_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("light");
        QTest::addColumn<QColor>("dark");
        QTest::newRow("both ends") << QColor(230, 10, 255) << QColor(255, 61, 255) << QColor(179, 0, 204);
        QTest::newRow("black") << QColor(0, 0, 0) << QColor(51, 51, 51) << QColor(0, 0, 0);
        QTest::newRow("edges") << QColor(204, 51, 52) << QColor(255, 102, 103) << QColor(153, 0, 1);
    }

    void shadesSaturate()
    {
        QFETCH(QColor, background);
        ColorTable table;
        table.init();
        table.setColor(ClearBackground, background.red(), background.green(), background.blue());
        ButtonColor colors(&table, StyleClear);
        QCOMPARE(colors.background, background);
        QTEST(colors.light, "light");
        QTEST(colors.dark, "dark");
    }

    void oversizedComponentsAreCapped()
    {
        ColorTable table;
        table.init();
        table.setColor(NumberText, 300, 65535, 7);
        ButtonColor colors(&table, StyleNumber);
        QVERIFY(colors.text.isValid());
        QCOMPARE(colors.text, QColor(255, 255, 7));
    }

    void loaders()
    {
        QVERIFY(!LoadPixmap("tovrin/logo").isNull());
        QVERIFY(!LoadImage("tovrin/logo").isNull());
        QCOMPARE(LoadPixmap(QStringLiteral("tovrin/userreg_%1").arg(7)).size(), QSize(24, 24));
        QVERIFY(LoadPixmap("tovrin/no-such-picture").isNull());
        QVERIFY(LoadImage("tovrin/no-such-picture").isNull());
    }
};

QTEST_MAIN(KeyColorsTest)
#include "test_keycolors.moc"
