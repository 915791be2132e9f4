// SPDX-License-Identifier: GPL-3.0-or-later
// The key maps of the main keypad: spot checks of every map, the user maps
// read from KeyboardTable, and the large buttons they form.
#include "core/State.h"
#include "engine/Reset.h"
#include "ui/AdvancedKeyboard.h"
#include "core/KeyMaps.h"

#include <QtTest>

class KeyMapsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ResetCalculator();
    }

    void cells_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<bool>("rpn");
        QTest::addColumn<bool>("shifted");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("code");
        struct Cell {
            const char* name;
            int function;
            bool rpn, shifted;
            int row, col, code;
        };
        const Cell cells[] = {
            {"standard 1,6", 0, false, false, 1, 6, 59},
            {"standard 2,1", 0, false, false, 2, 1, 166},
            {"standard 2,6", 0, false, false, 2, 6, 67},
            {"standard shifted 1,6", 0, false, true, 1, 6, 177},
            {"standard shifted 2,6", 0, false, true, 2, 6, 176},
            {"financial 1,1", 1, false, false, 1, 1, 69},
            {"financial 2,2", 1, false, false, 2, 2, 85},
            {"financial 2,6", 1, false, false, 2, 6, 46},
            {"financial shifted 1,1", 1, false, true, 1, 1, 77},
            {"financial shifted 2,3", 1, false, true, 2, 3, 88},
            {"financial shifted 2,6", 1, false, true, 2, 6, 68},
            {"scientific 1,4", 2, false, false, 1, 4, 95},
            {"scientific 2,4", 2, false, false, 2, 4, 96},
            {"scientific shifted 1,5", 2, false, true, 1, 5, 106},
            {"scientific shifted 2,6", 2, false, true, 2, 6, 109},
            {"statistical 1,1", 3, false, false, 1, 1, 118},
            {"statistical 2,1", 3, false, false, 2, 1, 37},
            {"statistical shifted 1,4", 3, false, true, 1, 4, 116},
            {"statistical shifted 2,5", 3, false, true, 2, 5, 125},
            {"programmer 1,3", 4, false, false, 1, 3, 13},
            {"programmer 2,3", 4, false, false, 2, 3, 10},
            {"programmer shifted 1,1", 4, false, true, 1, 1, 141},
            {"programmer shifted 2,6", 4, false, true, 2, 6, 136},
            {"conversion 1,5", 5, false, false, 1, 5, 159},
            {"conversion 2,6", 5, false, false, 2, 6, 164},
            {"conversion shifted 1,3", 5, false, true, 1, 3, 160},
            {"conversion shifted 2,4", 5, false, true, 2, 4, 161},
            {"infix 3,1", 0, false, false, 3, 1, 30},
            {"infix 4,1", 0, false, false, 4, 1, 47},
            {"infix 6,1", 0, false, false, 6, 1, 52},
            {"infix 7,2", 0, false, false, 7, 2, 21},
            {"infix 7,5", 0, false, false, 7, 5, 26},
            {"infix shifted 3,1", 0, false, true, 3, 1, 29},
            {"infix shifted 4,3", 0, false, true, 4, 3, 184},
            {"infix shifted 5,2", 0, false, true, 5, 2, 51},
            {"infix shifted 7,4", 0, false, true, 7, 4, 173},
            {"infix shifted 7,5", 0, false, true, 7, 5, 110},
            {"rpn 3,1", 0, true, false, 3, 1, 33},
            {"rpn 5,1", 0, true, false, 5, 1, 43},
            {"rpn 6,2", 0, true, false, 6, 2, 21},
            {"rpn 7,5", 0, true, false, 7, 5, 110},
            {"rpn shifted 3,1", 0, true, true, 3, 1, 32},
            {"rpn shifted 4,2", 0, true, true, 4, 2, 41},
            {"rpn shifted 5,2", 0, true, true, 5, 2, 44},
            {"rpn shifted 7,5", 0, true, true, 7, 5, 111},
            {"outside the grid", 0, false, false, 8, 1, 255},
            {"unknown function", 7, false, false, 1, 1, 255},
        };
        for (const Cell& cell : cells)
            QTest::newRow(cell.name) << cell.function << cell.rpn << cell.shifted << cell.row << cell.col << cell.code;
    }

    void cells()
    {
        QFETCH(int, function);
        QFETCH(bool, rpn);
        QFETCH(bool, shifted);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, code);
        AdvancedKeyboard keypad;
        keypad.setFunction(function);
        keypad.setRpn(rpn);
        QCOMPARE(int(keypad.getKey(row, col, shifted)), code);
        if (row <= 2 && function < 7)
            QCOMPARE(int((*GetFunctionMap(function, shifted))[row - 1][col - 1]), code);
    }

    void mainMapsShareTheDigits()
    {
        // Digits 1-6 sit in the same cells of all four main maps.
        for (const MainMap* map : MainKeys) {
            for (int digit = 1; digit <= 6; ++digit) {
                int row = 3 - (digit - 1) / 3;
                int col = 2 + (digit - 1) % 3;
                QCOMPARE(int((*map)[row][col]), digit);
            }
        }
    }

    void userMapsReadKeyboardTable()
    {
        KeyboardTable.keys[0] = KeyAdd;
        KeyboardTable.keys[12 + 11] = KeyPercent;
        KeyboardTable.keys[7] = 999; // not a key code
        AdvancedKeyboard keypad;
        keypad.setFunction(FunctionUser);
        QCOMPARE(keypad.getKey(1, 1, false), KeyAdd);
        QCOMPARE(keypad.getKey(2, 6, true), KeyPercent);
        QCOMPARE(keypad.getKey(2, 2, false), KeyNone);
        QCOMPARE(keypad.getKey(1, 2, false), KeyNone);
        QCOMPARE((*GetFunctionMap(FunctionUser, false))[0][0], KeyAdd);
        QCOMPARE((*GetFunctionMap(FunctionUser, true))[1][5], KeyPercent);
        // The keypad follows later edits of the table.
        KeyboardTable.keys[0] = KeySin;
        QCOMPARE(keypad.getKey(1, 1, false), KeySin);
    }

    void functionMapsOutOfRange()
    {
        QVERIFY(GetFunctionMap(-1, false) == nullptr);
        QVERIFY(GetFunctionMap(7, true) == nullptr);
    }

    void largeButtons()
    {
        AdvancedKeyboard keypad;
        keypad.resize(240, 280);
        keypad.show();
        QVERIFY(keypad.largeButtons(false, false).empty());
        QVERIFY(keypad.largeButtons(false, true).empty());
        for (bool shifted : {false, true}) {
            const auto& list = keypad.largeButtons(true, shifted);
            QCOMPARE(list.size(), size_t(1));
            QCOMPARE(int(list[0].row), 4);
            QCOMPARE(int(list[0].col), 2);
            QCOMPARE(int(list[0].height), 2);
            QCOMPARE(int(list[0].width), 1);
            int pitch = keypad.getButtonHeight() + 2;
            QCOMPARE(list[0].rect, QRect(keypad.getButtonWidth() + 3, 3 * pitch + 1, keypad.getButtonWidth(),
                                         2 * keypad.getButtonHeight() + 2));
        }
    }
};

QTEST_MAIN(KeyMapsTest)
#include "test_keymaps.moc"
