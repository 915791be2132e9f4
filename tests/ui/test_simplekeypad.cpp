// SPDX-License-Identifier: GPL-3.0-or-later
// The small keypad: both forms, their geometry, maps and size hints.
#include "core/State.h"
#include "engine/Reset.h"
#include "core/KeyMaps.h"
#include "ui/SimpleKeyboard.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QPoint cellCentre(const Keyboard& keypad, int row, int col)
{
    return QPoint(keypad.getLeft() + (col - 1) * (keypad.getButtonWidth() + 2) + 1 + keypad.getButtonWidth() / 2,
                  keypad.getTop() + (row - 1) * (keypad.getButtonHeight() + 2) + 1 + keypad.getButtonHeight() / 2);
}

void tap(QWidget* widget, QPoint pos)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

const KeyOp StripKeys[4] = {KeyRollDown, KeySwapXY, KeyNone, KeyClearStack};

} // namespace

class SimpleKeypadTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ResetCalculator();
    }

    void verticalStrip()
    {
        SimpleKeyboard keypad(nullptr, 4, StripKeys, false);
        keypad.resize(40, 120);
        keypad.show();
        QCOMPARE(keypad.getRows(), 4);
        QCOMPARE(keypad.getCols(), 1);
        QCOMPARE(keypad.getButtonHeight(), 28);
        QCOMPARE(keypad.getButtonWidth(), 38);
        QCOMPARE(keypad.getLeft(), 0);
        QCOMPARE(keypad.getTop(), 0);
        QCOMPARE(keypad.minimumSize(), QSize(38, 120));
        QSignalSpy spy(&keypad, &Keyboard::buttonPressed);
        for (int row = 1; row <= 4; ++row)
            tap(&keypad, cellCentre(keypad, row, 1));
        // The empty cell emits nothing.
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0).at(0).value<KeyOp>(), KeyRollDown);
        QCOMPARE(spy.at(1).at(0).value<KeyOp>(), KeySwapXY);
        QCOMPARE(spy.at(2).at(0).value<KeyOp>(), KeyClearStack);
        // Shifted shows the same keys.
        QCOMPARE(keypad.getKey(2, 1, true), KeySwapXY);
        QCOMPARE(keypad.sizeHint(), QSize(66, 4 * 46));
    }

    void horizontalStrip()
    {
        SimpleKeyboard keypad(nullptr, 4, StripKeys, true);
        keypad.resize(203, 30);
        keypad.show();
        QCOMPARE(keypad.getRows(), 1);
        QCOMPARE(keypad.getCols(), 4);
        QCOMPARE(keypad.getButtonWidth(), 48);
        QCOMPARE(keypad.getButtonHeight(), 28);
        QCOMPARE(keypad.getLeft(), 1);
        QCOMPARE(keypad.minimumSize(), QSize(4 * 38, 30));
        QCOMPARE(keypad.sizeHint(), QSize(4 * 66, 46));
        int row, col;
        QVERIFY(keypad.getRowCol(cellCentre(keypad, 1, 4).x(), 15, row, col));
        QCOMPARE(col, 4);
        QCOMPARE(keypad.getKey(1, 4, false), KeyClearStack);
        QCOMPARE(keypad.getKey(1, 5, false), KeyNone);
    }

    void blockWithoutShiftedMap()
    {
        SimpleKeyboard keypad(nullptr, GetFunctionMap(FunctionScientific, false), nullptr);
        keypad.resize(180, 60);
        keypad.show();
        QVERIFY(keypad.getLandscape());
        QCOMPARE(keypad.getRows(), 2);
        QCOMPARE(keypad.getCols(), 6);
        // Never narrower than keys of 36 pixels.
        QCOMPARE(keypad.minimumSize(), QSize(6 * 38, 60));
        QCOMPARE(keypad.getButtonWidth(), 36);
        QCOMPARE(keypad.getButtonHeight(), 28);
        QImage normal = keypad.grab().toImage();
        keypad.setShifted(true);
        keypad.update();
        QCOMPARE(keypad.getKey(2, 4, true), KeyHyperbolic);
        QVERIFY(keypad.grab().toImage() == normal);
        QSignalSpy spy(&keypad, &Keyboard::buttonPressed);
        tap(&keypad, cellCentre(keypad, 1, 1));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<KeyOp>(), KeySin);
    }

    void blockWithShiftedMap()
    {
        KeyOp user[2][2][6];
        for (int index = 0; index < 24; ++index)
            user[index / 12][index / 6 % 2][index % 6] = KeyNone;
        user[1][0][2] = KeyPi;
        SimpleKeyboard keypad(nullptr, &user[0], &user[1]);
        keypad.resize(180, 60);
        keypad.show();
        keypad.setSticky(true);
        keypad.setShifted(true);
        QSignalSpy spy(&keypad, &Keyboard::buttonPressed);
        tap(&keypad, cellCentre(keypad, 1, 3));
        tap(&keypad, cellCentre(keypad, 2, 5));
        // The empty cell is selected but sends nothing.
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<KeyOp>(), KeyPi);
        QCOMPARE(keypad.getHighlightedRow(), 2);
        QCOMPARE(keypad.getHighlightedCol(), 5);
        // The owner edits its map and rebuilds; the selection stays.
        user[1][1][4] = KeyLn;
        keypad.rebuildBitmaps();
        QCOMPARE(keypad.getKey(2, 5, true), KeyLn);
        QCOMPARE(keypad.getHighlightedRow(), 2);
    }

    void nullMapsHaveNoKeys()
    {
        SimpleKeyboard keypad(nullptr, nullptr, nullptr);
        keypad.resize(180, 60);
        keypad.show();
        QCOMPARE(keypad.getKey(1, 1, false), KeyNone);
        QCOMPARE(keypad.getKey(1, 1, true), KeyNone);
        keypad.grab();
        SimpleKeyboard empty(nullptr, 0, nullptr, true);
        empty.resize(50, 20);
        empty.show();
        QCOMPARE(empty.sizeHint(), QSize(0, 46));
        empty.grab();
    }
};

QTEST_MAIN(SimpleKeypadTest)
#include "test_simplekeypad.moc"
