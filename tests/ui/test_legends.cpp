// SPDX-License-Identifier: GPL-3.0-or-later
// The key legends: a sound table, a font that has every character, legends
// that fit their keys at every size and grow with them, and side windows
// whose keys are as large as the main keypad's smallest.
#include "core/State.h"
#include "engine/Reset.h"
#include "ui/AdvancedDisplay.h"
#include "ui/AdvancedKeyboard.h"
#include "ui/CalculatorForm.h"
#include "ui/Legends.h"
#include "ui/SimpleKeyboard.h"
#include "ui/dialogs/KeyboardDialog.h"
#include "ui/dialogs/RpnStackForm.h"
#include "ui/dialogs/UserRegistersForm.h"

#include <QFontMetricsF>
#include <QRawFont>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Every code that has a legend: the keys of every map, the faces that only
// the keypad draws (comma, integer faces) and whatever a user key may hold.
std::vector<KeyOp> LegendCodes()
{
    std::vector<KeyOp> codes;
    for (int code = 0; code < 256; ++code)
        if (!LegendText(KeyOp(code)).isEmpty())
            codes.push_back(KeyOp(code));
    return codes;
}

// The box of the legend's ink on a key of the size, in the key's pixels.
QRect LegendInk(AdvancedKeyboard& keypad, KeyOp code, QSize size)
{
    QPixmap button(size);
    keypad.drawButtonBitmap(button, code, false);
    const QImage image = button.toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb face = keypad.getButtonColor(KeyButtonStyle(code)).background.rgb();
    QRect ink;
    for (int y = 1; y < size.height() - 1; ++y)
        for (int x = 1; x < size.width() - 1; ++x)
            if (image.pixel(x, y) != face)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Key sizes of the main keypad: the smallest, in a window of the usual
// size, and in one twice as large; then the tall ENTER key of the last two.
const QSize KeySizes[] = {{36, 28}, {58, 61}, {118, 128}, {58, 124}, {118, 258}};

} // namespace

class LegendsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ResetCalculator(); }

    void tableNamesEveryKey()
    {
        QCOMPARE(LegendTableErrors(), QStringList());
        for (int code = KeyDigit0; code <= KeyFormatFixed; ++code)
            QVERIFY2(!LegendText(KeyOp(code)).isEmpty(), KeyOpName(code));
        // An unassigned user key shows a faint hint.
        QCOMPARE(LegendText(KeyNone), QStringLiteral("+"));
        QCOMPARE(LegendText(KeySin), QStringLiteral("sin"));
        QCOMPARE(LegendText(KeyIntAdd), QStringLiteral("[+]"));
    }

    void fontHasEveryCharacter()
    {
        QFont font = LegendFont();
        font.setPixelSize(200);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Tovrin Legend Sans"));
        const QRawFont raw = QRawFont::fromFont(font);
        for (KeyOp code : LegendCodes()) {
            for (QChar c : LegendText(code))
                QVERIFY2(raw.supportsCharacter(c), qPrintable(LegendText(code)));
        }
        // The display's numbers and messages are ASCII.
        for (char c = ' '; c <= '~'; ++c)
            QVERIFY2(raw.supportsCharacter(QLatin1Char(c)), &c);
        // The proportions the layout relies on are the font's own.
        const QFontMetricsF metrics(font);
        QVERIFY(qAbs(metrics.capHeight() / 200 - LegendCapRatio) < 0.01);
        QVERIFY(qAbs(metrics.height() / 200 - LegendLineRatio) < 0.01);
    }

    // No legend touches the edge of its key, nor comes closer than two
    // pixels to its bevel, at any key size.
    void legendsFitTheirKeys()
    {
        AdvancedKeyboard keypad;
        for (QSize size : KeySizes) {
            for (KeyOp code : LegendCodes()) {
                const QRect ink = LegendInk(keypad, code, size);
                const QString what = LegendText(code) + QStringLiteral(" at %1x%2").arg(size.width()).arg(size.height());
                QVERIFY2(!ink.isEmpty(), qPrintable(what));
                QVERIFY2(QRect(QPoint(3, 2), size - QSize(6, 4)).contains(ink), qPrintable(what));
            }
        }
    }

    // Legends grow with their keys, and a legend that needs no narrowing
    // has capitals a third of the key's height.
    void legendsGrowWithTheirKeys()
    {
        AdvancedKeyboard keypad;
        std::vector<double> growth;
        for (KeyOp code : LegendCodes()) {
            const int small = LegendInk(keypad, code, KeySizes[1]).height();
            const int large = LegendInk(keypad, code, KeySizes[2]).height();
            QVERIFY2(large > small, qPrintable(LegendText(code)));
            growth.push_back(double(large) / small);
        }
        std::sort(growth.begin(), growth.end());
        QVERIFY(qAbs(growth[growth.size() / 2] - 128.0 / 61) < 0.25);
        for (QSize size : KeySizes) {
            const int cap = LegendInk(keypad, KeyHexE, size).height();
            QVERIFY2(qAbs(cap - (size.height() - 2) / 3.0) <= 1.5, qPrintable(QString::number(cap)));
        }
    }

    // The auxiliary windows open with keys no smaller than the main
    // keypad's smallest.
    void sideWindowKeysAreFullSize()
    {
        CalculatorForm main;
        std::unique_ptr<QWidget> windows[] = {
            std::make_unique<RpnStackForm>(&main, 4),
            std::make_unique<UserRegistersForm>(&main, false, false),
            std::make_unique<KeyboardDialog>(&main),
        };
        for (const std::unique_ptr<QWidget>& window : windows) {
            window->adjustSize();
            window->show();
            const QList<SimpleKeyboard*> keypads = window->findChildren<SimpleKeyboard*>();
            QVERIFY(!keypads.isEmpty());
            for (SimpleKeyboard* keypad : keypads) {
                QVERIFY2(keypad->getButtonWidth() >= MinimumKeyWidth, window->metaObject()->className());
                QVERIFY2(keypad->getButtonHeight() >= MinimumKeyHeight, window->metaObject()->className());
            }
        }
    }

    // However small the window is made, every key keeps the smallest
    // usable size and the display keeps its lines.
    void minimumSizeHolds()
    {
        CalculatorForm form;
        form.resize(360, 560);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.resize(80, 60);
        QCoreApplication::processEvents();
        QVERIFY(form.width() >= form.minimumSizeHint().width());
        QVERIFY(form.height() >= form.minimumSizeHint().height());
        const AdvancedKeyboard* keypad = form.keyboard();
        QVERIFY(keypad->isVisible());
        QVERIFY(keypad->getButtonWidth() >= MinimumKeyWidth);
        QVERIFY(keypad->getButtonHeight() >= MinimumKeyHeight);
        QVERIFY(form.display()->height() >= form.display()->minimumSizeHint().height());
    }
};

QTEST_MAIN(LegendsTest)
#include "test_legends.moc"
