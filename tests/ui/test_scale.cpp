// SPDX-License-Identifier: GPL-3.0-or-later
// At a device pixel ratio of 2 the window renders twice as large, and its
// legends and numbers are drawn at that resolution, not doubled pixels.
#include "core/State.h"
#include "engine/Reset.h"
#include "ui/AdvancedDisplay.h"
#include "ui/AdvancedKeyboard.h"
#include "ui/CalculatorForm.h"

#include <QApplication>
#include <QtTest>

namespace {

// The 2 x 2 blocks of device pixels, one per logical pixel of the
// rectangle, that are not of one colour: none in a picture drawn at one
// pixel per logical pixel and then doubled.
int MixedBlocks(const QImage& image, const QRect& logical)
{
    int mixed = 0;
    for (int y = logical.top(); y <= logical.bottom(); ++y) {
        for (int x = logical.left(); x <= logical.right(); ++x) {
            const QRgb corner = image.pixel(2 * x, 2 * y);
            mixed += image.pixel(2 * x + 1, 2 * y) != corner || image.pixel(2 * x, 2 * y + 1) != corner ||
                     image.pixel(2 * x + 1, 2 * y + 1) != corner;
        }
    }
    return mixed;
}

} // namespace

class ScaleTest : public QObject {
    Q_OBJECT

private slots:
    void sharpAtScaleTwo()
    {
        ResetCalculator();
        UnPrefs.setFunction(FunctionScientific);
        CalculatorForm form;
        form.resize(360, 560);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.devicePixelRatioF(), 2.0);
        const QImage image = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), 2 * form.size());

        // Each key: its legend is drawn at full resolution.
        const AdvancedKeyboard* keypad = form.keyboard();
        const QPoint origin = keypad->mapTo(&form, QPoint(0, 0));
        for (int row = 1; row <= 7; ++row) {
            for (int col = 1; col <= 6; ++col) {
                const QRect key = keypad->keyRect(row, col).translated(origin).adjusted(2, 2, -2, -2);
                QVERIFY2(MixedBlocks(image, key) > 8, qPrintable(QStringLiteral("row %1, column %2").arg(row).arg(col)));
            }
        }
        // The number on the display too.
        const AdvancedDisplay* display = form.display();
        const QRect x = display->xRect().translated(display->mapTo(&form, QPoint(0, 0)));
        QVERIFY(MixedBlocks(image, x) > 8);
    }
};

int main(int argc, char** argv)
{
    // The scale is the platform's: it must be set before the application.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    ScaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scale.moc"
