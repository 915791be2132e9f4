// SPDX-License-Identifier: GPL-3.0-or-later
// The colours dialog and the colour chooser.

#include "core/State.h"
#include "engine/Reset.h"
#include "ui/SimpleKeyboard.h"
#include "ui/dialogs/ColorDialog.h"
#include "ui/dialogs/ColorsDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <functional>

#include <QLabel>
#include <QSlider>
#include <QtTest>

namespace {

// Runs `answer` on the colour chooser once it is open.
void AnswerChooser(std::function<void(ColorDialog*)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* chooser = qobject_cast<ColorDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        answer(chooser);
    });
}

} // namespace

class TestColors : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ResetCalculator();
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

    void paneLayout()
    {
        ColorsDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("Customize Colors"));
        ColorsPane* pane = dialog.pane();
        for (int entry = 0; entry < ColorCount; ++entry)
            QCOMPARE(pane->swatch(entry) != nullptr, entry >= 2 && entry <= 9);
        QCOMPARE(pane->swatch(StandardBackground)->getColor(), QColor(51, 51, 153));
        QVERIFY(!pane->preview()->getActive());
        const KeyOp keys[4] = {KeyPercent, KeyDigit1, KeyStore, KeyClearFinancial};
        for (int row = 1; row <= 4; ++row)
            QCOMPARE(pane->preview()->getKey(row, 1, false), keys[row - 1]);
    }

    void chooserOkChangesTheWorkingTable()
    {
        ColorsDialog dialog;
        AnswerChooser([](ColorDialog* chooser) {
            QCOMPARE(chooser->getColor(), QColor(153, 51, 51));
            chooser->setColor(QColor(1, 2, 3));
            chooser->accept();
        });
        dialog.pane()->swatch(ClearBackground)->click();
        QCOMPARE(dialog.pane()->swatch(ClearBackground)->getColor(), QColor(1, 2, 3));
        QCOMPARE(int(dialog.pane()->workingTable().entries[ClearBackground].green), 2);
        QCOMPARE(int(Colors.entries[ClearBackground].green), 51);
        dialog.accept();
        QCOMPARE(int(Colors.entries[ClearBackground].blue), 3);
        QCOMPARE(int(ColorsChanged), 1);
    }

    void chooserCancelLeavesTheTable()
    {
        ColorsDialog dialog;
        const ColorTable before = dialog.pane()->workingTable();
        AnswerChooser([](ColorDialog* chooser) {
            chooser->setRed(7);
            chooser->reject();
        });
        dialog.pane()->swatch(NumberText)->click();
        QVERIFY(dialog.pane()->workingTable() == before);
        QCOMPARE(dialog.pane()->swatch(NumberText)->getColor(), QColor(0, 0, 102));
        dialog.accept();
        QCOMPARE(int(ColorsChanged), 0);
    }

    void defaultOnDefaultsChangesNothing()
    {
        ColorsDialog dialog;
        dialog.findChild<QPushButton*>("default")->click();
        dialog.accept();
        QCOMPARE(int(ColorsChanged), 0);
    }

    void defaultRestoresEveryEntry()
    {
        Colors.setColor(StandardText, 9, 9, 9);
        Colors.setColor(DisplayText, 9, 9, 9);
        ColorsDialog dialog;
        QCOMPARE(dialog.pane()->swatch(StandardText)->getColor(), QColor(9, 9, 9));
        dialog.findChild<QPushButton*>("default")->click();
        QCOMPARE(dialog.pane()->swatch(StandardText)->getColor(), QColor(255, 255, 255));
        dialog.accept();
        QCOMPARE(int(ColorsChanged), 1);
        ColorTable defaults;
        defaults.init();
        QVERIFY(Colors == defaults);
    }

    // Entries the dialog does not show keep their stored values.
    void hiddenEntriesSurviveASave()
    {
        Colors.setColor(DisplayText, 1, 2, 3);
        Colors.setColor(DisplayBackground, 4, 5, 6);
        Colors.setColor(DialogText, 7, 8, 9);
        Colors.setColor(DialogBackground, 10, 11, 12);
        const ColorTable before = Colors;
        ColorsDialog dialog;
        AnswerChooser([](ColorDialog* chooser) {
            chooser->setGreen(99);
            chooser->accept();
        });
        dialog.pane()->swatch(RegisterText)->click();
        dialog.accept();
        QCOMPARE(int(ColorsChanged), 1);
        for (int entry : {DisplayText, DisplayBackground, DialogText, DialogBackground})
            QVERIFY(std::memcmp(&Colors.entries[entry], &before.entries[entry], sizeof(RGBColor)) == 0);
        QCOMPARE(int(Colors.entries[RegisterText].green), 99);
    }

    void cancelKeepsColors()
    {
        const ColorTable before = Colors;
        ColorsDialog dialog;
        dialog.findChild<QPushButton*>("default")->click();
        dialog.reject();
        QVERIFY(std::memcmp(&Colors, &before, sizeof Colors) == 0);
        QCOMPARE(int(ColorsChanged), 0);
    }
};

QTEST_MAIN(TestColors)
#include "test_colors.moc"
