// SPDX-License-Identifier: GPL-3.0-or-later
// The display: layout of its lines and status strip, the indicators, and
// the number text it draws, which grows with the display and always fits.
#include "core/State.h"
#include "engine/Operators.h"
#include "engine/Reset.h"
#include "engine/Undo.h"
#include "ui/AdvancedDisplay.h"

#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>

#include <cstring>

namespace {

// The box of the pixels of the rectangle that differ from the background
// colour; empty when there are none.
QRect InkBox(const QImage& image, const QRect& rect, QRgb background)
{
    QRect box;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

bool Inked(const QImage& image, const QRect& rect, QRgb background)
{
    return !InkBox(image, rect, background).isEmpty();
}

QRgb Background(const QWidget& widget)
{
    return widget.palette().color(widget.backgroundRole()).rgb();
}

// A display of the size, painted.
QImage Painted(AdvancedDisplay& display, QSize size)
{
    display.resize(size);
    display.show();
    return display.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void Type(const char* text)
{
    UnPrefs.setEntering(true);
    std::memset(UnPrefs.entryText, 0, EntryTextSize);
    std::memcpy(UnPrefs.entryText, text, std::strlen(text));
}

} // namespace

class DisplayTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetCalculator(); }

    void twoLinesAskForMoreRoom()
    {
        AdvancedDisplay display;
        const int one = display.minimumSizeHint().height();
        const int stretch = display.sizePolicy().verticalStretch();
        display.setLines(2);
        QVERIFY(display.minimumSizeHint().height() > one);
        QVERIFY(display.sizePolicy().verticalStretch() > stretch);
        QCOMPARE(display.minimumHeight(), display.minimumSizeHint().height());
    }

    void twoLineLayout()
    {
        Prefs.setTwoLineDisplay(true);
        AdvancedDisplay display;
        Painted(display, QSize(240, 120));
        // Y above X, as high as each other, the strip below, all inside the
        // frame.
        QCOMPARE(display.yRect().height(), display.xRect().height());
        QCOMPARE(display.yRect().bottom() + 1, display.xRect().top());
        QCOMPARE(display.xRect().bottom() + 1, display.statusRect().top());
        QVERIFY(display.statusRect().height() >= 12);
        QVERIFY(display.yRect().top() > 0 && display.statusRect().bottom() < 119);
        QVERIFY(display.rect().adjusted(1, 1, -1, -1).contains(display.xRect().united(display.statusRect())));
    }

    void indicatorsShareTheStrip()
    {
        AdvancedDisplay display;
        Painted(display, QSize(360, 90));
        const QRect strip = display.statusRect();
        const int slot = strip.width() / StatusSlotCount;
        for (int i = 0; i < StatusIndicatorCount; ++i)
            QCOMPARE(StatusIndicators[i].rect, QRect(strip.x() + i * slot, strip.y(), slot, strip.height()));
        // Shift takes the slot at the right end.
        QCOMPARE(StatusIndicators[StatusShift].rect.right() + 1, strip.x() + StatusSlotCount * slot);
        // The widest state fits its slot at the strip's font; the shift
        // indicator's word is narrowed for its slot by itself.
        QFontMetrics metrics(display.statusFont());
        for (const StatusState& state : StatusStates)
            if (state.indicator != StatusShift)
                QVERIFY(metrics.horizontalAdvance(QLatin1String(state.text)) < slot);
        QVERIFY(metrics.height() <= strip.height());
    }

    void statusIndicators_data()
    {
        QTest::addColumn<int>("indicator");
        QTest::addColumn<int>("setting");
        QTest::newRow("rpn") << 0 << 0;
        QTest::newRow("precedence") << 0 << 1;
        QTest::newRow("memory") << 1 << 2;
        QTest::newRow("store prefix") << 2 << 3;
        QTest::newRow("format prefix") << 2 << 4;
        QTest::newRow("enter pending") << 3 << 5;
        QTest::newRow("hyperbolic") << 4 << 6;
        QTest::newRow("radians") << 5 << 7;
        QTest::newRow("begin") << 6 << 8;
        QTest::newRow("hexadecimal") << 7 << 9;
        QTest::newRow("shift") << 8 << 10;
    }

    // Each state inks its own indicator and leaves the others blank.
    void statusIndicators()
    {
        QFETCH(int, indicator);
        QFETCH(int, setting);
        switch (setting) {
        case 0: Prefs.setRpnInput(true); break;
        case 1: Prefs.setPrecedenceInput(true); break;
        case 2: Regs.memory = 5.0; break;
        case 3: UnPrefs.registerPrefix = KeyStore; break;
        case 4: UnPrefs.formatPrefix = KeyFormatFixed; break;
        case 5: PushOp(KeyEnter); break;
        case 6: UnPrefs.setHyperbolic(true); break;
        case 7: Prefs.setAngleMode(AngleRadians); break;
        case 8: Prefs.setBeginMode(true); break;
        case 9: UnPrefs.setBase(BaseHexadecimal); break;
        case 10: UnPrefs.setShift(true); break;
        }
        AdvancedDisplay display;
        QImage image = Painted(display, QSize(360, 90));
        for (int i = 0; i < StatusIndicatorCount; ++i) {
            bool expected = i == indicator;
            QVERIFY2(Inked(image, StatusIndicators[i].rect, Background(display)) == expected,
                     StatusIndicators[i].name);
        }
    }

    void blankStripAtFirstStart()
    {
        AdvancedDisplay display;
        QImage image = Painted(display, QSize(360, 90));
        QVERIFY(!Inked(image, display.statusRect(), Background(display)));
    }

    void numberGrowsWithTheDisplay()
    {
        AdvancedDisplay small;
        AdvancedDisplay large;
        const QImage smallImage = Painted(small, QSize(360, 85));
        const QImage largeImage = Painted(large, QSize(720, 170));
        const QRect inkSmall = InkBox(smallImage, small.xRect(), Background(small));
        const QRect inkLarge = InkBox(largeImage, large.xRect(), Background(large));
        QVERIFY(inkSmall.height() > 20);
        QVERIFY(inkLarge.height() > 1.8 * inkSmall.height());
    }

    void numberAlwaysFits_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("binary");
        QTest::newRow("32 binary digits") << QByteArray("10110011100011110000111110000011") << true;
        QTest::newRow("grouped decimal") << QByteArray("-123456789012.34") << false;
        QTest::newRow("exponent") << QByteArray("-8.8888888888e-88") << false;
        QTest::newRow("one digit") << QByteArray("8") << false;
    }

    // At any width the whole number shows, with room between its last
    // digit and the right edge, and between its first and the left edge.
    void numberAlwaysFits()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, binary);
        if (binary)
            UnPrefs.setBase(BaseBinary);
        Type(text.constData());
        for (int width : {120, 230, 360, 720, 1400}) {
            AdvancedDisplay display;
            const QImage image = Painted(display, QSize(width, width / 4));
            const QRect line = display.xRect();
            const QRect ink = InkBox(image, line, Background(display));
            QVERIFY2(!ink.isEmpty(), qPrintable(QString::number(width)));
            QVERIFY2(ink.right() <= line.right() - 2, qPrintable(QString::number(width)));
            QVERIFY2(ink.left() >= line.left() + 2, qPrintable(QString::number(width)));
            QVERIFY2(ink.top() > line.top() && ink.bottom() < line.bottom(), qPrintable(QString::number(width)));
        }
    }

    void numberText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("shown");
        QTest::newRow("grouped") << QByteArray("1234567.5") << false << QString("1,234,567.5");
        QTest::newRow("comma radix") << QByteArray("1234567.5") << true << QString("1.234.567,5");
        QTest::newRow("sign skipped") << QByteArray("-1234.") << false << QString("-1,234.");
        QTest::newRow("leading zero") << QByteArray(".5") << false << QString("0.5");
        QTest::newRow("trailing zeros") << QByteArray("1.2500") << false << QString("1.25");
        QTest::newRow("exponent zeros") << QByteArray("1.000e5") << false << QString("1.e5");
    }

    void numberText()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, comma);
        QFETCH(QString, shown);
        AdvancedDisplay display;
        display.setCommaRadix(comma);
        QCOMPARE(display.numberText(text.constData()), shown);
    }

    void integerBasesAreNotGrouped()
    {
        UnPrefs.setBase(BaseHexadecimal);
        AdvancedDisplay display;
        QCOMPARE(display.numberText("12345678."), QString("12345678."));
    }

    void tapReportsPointAndWidth()
    {
        AdvancedDisplay display;
        Painted(display, QSize(240, 60));
        QSignalSpy spy(&display, &Display::displayTapped);
        QTest::mouseClick(&display, Qt::LeftButton, {}, QPoint(0, 5));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][0].toInt(), 0);
        QCOMPARE(spy[0][1].toInt(), 0);
        QCOMPARE(spy[0][2].toInt(), 240);

        // Releasing outside the widget cancels the tap.
        QTest::mousePress(&display, Qt::LeftButton, {}, QPoint(10, 5));
        QTest::mouseRelease(&display, Qt::LeftButton, {}, QPoint(300, 5));
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(DisplayTest)
#include "test_display.moc"
