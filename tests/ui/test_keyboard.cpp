// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard customisation dialog.

#include "core/State.h"
#include "engine/Reset.h"
#include "core/KeyMaps.h"
#include "ui/SimpleKeyboard.h"
#include "ui/dialogs/KeyboardDialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

#include <cstring>

namespace {

// Taps the centre of a keypad cell.
void Tap(SimpleKeyboard* keypad, int row, int col)
{
    const QPoint centre((col - 1) * (keypad->getButtonWidth() + 2) + keypad->getButtonWidth() / 2,
                        (row - 1) * (keypad->getButtonHeight() + 2) + keypad->getButtonHeight() / 2);
    QTest::mouseClick(keypad, Qt::LeftButton, {}, centre);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ResetCalculator();
    }

    void assignThenCancel()
    {
        const KeyboardTableRecord before = KeyboardTable;
        KeyboardDialog dialog;
        dialog.resize(400, 500);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        KeyboardPane* pane = dialog.pane();
        QSignalSpy pressed(pane->userKeypad(), &SimpleKeyboard::buttonPressed);
        Tap(pane->userKeypad(), 2, 3);
        QCOMPARE(pane->userKeypad()->getHighlightedRow(), 2);
        QCOMPARE(pane->userKeypad()->getHighlightedCol(), 3);
        QCOMPARE(pressed.count(), 0); // an empty cell only selects
        Tap(pane->assignableKeypad(), 1, 4);
        QCOMPARE(pane->userKey(false, 2, 3), KeyIntegerPart);
        dialog.reject();
        QVERIFY(std::memcmp(&before, &KeyboardTable, sizeof before) == 0);
        QCOMPARE(int(KeyboardChanged), 0);
    }

    void assignThenAccept()
    {
        KeyboardDialog dialog;
        KeyboardPane* pane = dialog.pane();
        pane->functionButtonPressed(KeySin); // no cell selected
        QCOMPARE(pane->userKey(false, 1, 1), KeyNone);
        pane->userKeypad()->highlightButton(1, 2);
        pane->setFunction(FunctionScientific);
        pane->functionButtonPressed(KeyCos);
        dialog.accept();
        QCOMPARE(int(KeyboardTable.keys[1]), int(KeyCos));
        QCOMPARE(int(KeyboardChanged), 1);
        QCOMPARE(int(PrefsChanged), 0);
    }

    void copyShiftedHalfOnly()
    {
        KeyboardDialog dialog;
        KeyboardPane* pane = dialog.pane();
        pane->setFunction(FunctionFinancial);
        dialog.findChild<QCheckBox*>("userShifted")->setChecked(true);
        dialog.findChild<QCheckBox*>("functionShifted")->setChecked(true);
        QVERIFY(pane->userKeypad()->getShifted());
        QVERIFY(pane->assignableKeypad()->getShifted());
        dialog.findChild<QPushButton*>("copy")->click();
        const FunctionMap& source = *GetFunctionMap(FunctionFinancial, true);
        for (int row = 1; row <= 2; ++row)
            for (int col = 1; col <= 6; ++col) {
                QCOMPARE(pane->userKey(true, row, col), source[row - 1][col - 1]);
                QCOMPARE(pane->userKey(false, row, col), KeyNone);
            }
        dialog.accept();
        QCOMPARE(int(KeyboardTable.keys[12]), int(KeyTimesPaymentsPerYear));
        QCOMPARE(int(KeyboardTable.keys[0]), int(KeyNone));
    }

    void clearShownHalf()
    {
        for (int i = 0; i < UserKeyCount; ++i)
            KeyboardTable.keys[i] = KeySin;
        KeyboardDialog dialog;
        dialog.findChild<QPushButton*>("clear")->click();
        dialog.accept();
        QCOMPARE(int(KeyboardTable.keys[11]), int(KeyNone));
        QCOMPARE(int(KeyboardTable.keys[12]), int(KeySin));
    }

    void integerFlag()
    {
        KeyboardDialog dialog;
        QVERIFY(!dialog.findChild<QCheckBox*>("integer")->isChecked());
        dialog.findChild<QCheckBox*>("integer")->setChecked(true);
        dialog.accept();
        QVERIFY(Prefs.userKeysInteger());
        QCOMPARE(int(PrefsChanged), 1);
        QCOMPARE(int(KeyboardChanged), 0);
    }

    void functionOutOfRangeIgnored()
    {
        KeyboardDialog dialog;
        dialog.pane()->setFunction(FunctionProgrammer);
        dialog.pane()->setFunction(FunctionUser);
        QCOMPARE(dialog.pane()->assignableKeypad()->getKey(1, 1, false), KeyBinary);
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
