// The colours dialog and the colour chooser.

#include "engine/State.h"
#include "ui/dialogs/ColorDialog.h"

#include <QLabel>
#include <QSlider>
#include <QtTest>

class TestColors : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ResetColors();
        ColorsChanged = 0;
    }

    void chooserShowsTheColour()
    {
        ColorDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("Color Chooser"));
        QVERIFY(dialog.isModal());
        dialog.setColor(QColor(51, 0, 153));
        QCOMPARE(dialog.getColor(), QColor(51, 0, 153));
        auto* green = dialog.findChild<QSlider*>("green");
        QVERIFY(green);
        QCOMPARE(green->maximum(), 255);
        QCOMPARE(green->pageStep(), 17);
        QCOMPARE(dialog.findChild<QSlider*>("blue")->value(), 153);
        QCOMPARE(dialog.findChild<QLabel*>("redValue")->text(), QString("  51"));
        QCOMPARE(dialog.findChild<QLabel*>("greenValue")->text(), QString("  0"));
        QVERIFY(dialog.findChild<QLabel*>("greenValue")->minimumWidth() >= 30);
    }

    // The sliders change the new colour only; the old swatch keeps the
    // colour the chooser was opened with.
    void slidersChangeOneComponent()
    {
        ColorDialog dialog;
        dialog.setColor(QColor(10, 20, 30));
        dialog.findChild<QSlider*>("green")->setValue(200);
        QCOMPARE(dialog.getColor(), QColor(10, 200, 30));
        QCOMPARE(dialog.findChild<QLabel*>("greenValue")->text(), QString("  200"));
        QCOMPARE(dialog.findChild<ColorSwatch*>("newColor")->getColor(), QColor(10, 200, 30));
        QCOMPARE(dialog.findChild<ColorSwatch*>("oldColor")->getColor(), QColor(10, 20, 30));
        dialog.setRed(255);
        dialog.setBlue(0);
        QCOMPARE(dialog.getColor(), QColor(255, 200, 0));
        QCOMPARE(dialog.findChild<QLabel*>("blueValue")->text(), QString("  0"));
    }
};

QTEST_MAIN(TestColors)
#include "test_colors.moc"
