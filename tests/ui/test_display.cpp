// The display: layout of its lines and status strip, indicator placement
// and glyphs, and the number text it draws.
#include "core/State.h"
#include "engine/Operators.h"
#include "engine/Reset.h"
#include "engine/Undo.h"
#include "ui/AdvancedDisplay.h"
#include "ui/Images.h"

#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>

namespace {

int GlyphWidth(int indicator)
{
    int codes = 0;
    for (uint16_t code : StatusIndicators[indicator].codes)
        codes += code != 0;
    QByteArray name = QByteArray("tovrin/status_") + StatusIndicators[indicator].name + "_hires";
    return LoadBitmap(name.constData()).width() / codes;
}

// Whether any pixel of the rectangle differs from the background colour.
bool Inked(const QImage& image, const QRect& rect, QRgb background)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != background)
                return true;
    return false;
}

} // namespace

class DisplayTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetCalculator(); }

    void heightFollowsLines()
    {
        AdvancedDisplay display;
        int spacing = QFontMetrics(display.numberFont()).lineSpacing();
        QCOMPARE(display.getLines(), 1);
        QCOMPARE(display.height(), spacing + 13);
        display.setLines(2);
        QCOMPARE(display.height(), 2 * spacing + 13);
    }

    void twoLineLayout()
    {
        Prefs.setTwoLineDisplay(true);
        AdvancedDisplay display;
        display.resize(240, display.height());
        display.show();
        QFontMetrics metrics(display.numberFont());
        QCOMPARE(display.yRect(), QRect(0, 0, 240, metrics.height()));
        QCOMPARE(display.xRect(), QRect(0, metrics.lineSpacing(), 240, metrics.height()));
        QCOMPARE(display.statusRect(), QRect(0, 2 * metrics.lineSpacing(), 240, 11));
    }

    void indicatorsAreSpreadFromTheLeftEdge()
    {
        AdvancedDisplay display;
        display.resize(240, display.height());
        display.show();
        int total = 0;
        for (int i = 0; i < StatusIndicatorCount; ++i)
            total += GlyphWidth(i);
        QVERIFY(total > 0);
        int gap = (240 - total) / 7;
        int x = 0;
        for (int i = 0; i < StatusIndicatorCount; ++i) {
            const QRect& r = StatusIndicators[i].rect;
            QCOMPARE(r.x(), x);
            QCOMPARE(r.width(), GlyphWidth(i));
            QCOMPARE(r.y(), display.statusRect().y());
            QCOMPARE(r.height(), 11);
            x += r.width() + gap;
        }
        // The remainder of the division stays at the right.
        QVERIFY(StatusIndicators[7].rect.right() < 240);
        QVERIFY(240 - StatusIndicators[7].rect.right() - 1 < 7);
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
        }
        AdvancedDisplay display;
        display.resize(240, display.height());
        display.show();
        QImage image = display.grab().toImage();
        QRgb background = display.palette().color(QPalette::Window).rgb();
        for (int i = 0; i < StatusIndicatorCount; ++i) {
            bool expected = i == indicator;
            QVERIFY2(Inked(image, StatusIndicators[i].rect, background) == expected, StatusIndicators[i].name);
        }
    }

    void blankStripAtFirstStart()
    {
        AdvancedDisplay display;
        display.resize(240, display.height());
        display.show();
        QImage image = display.grab().toImage();
        QVERIFY(!Inked(image, display.statusRect(), display.palette().color(QPalette::Window).rgb()));
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
        display.resize(240, display.height());
        display.show();
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
