// SPDX-License-Identifier: GPL-3.0-or-later
// Keys that explain themselves: names and tooltips of every key of every
// map, the keypads as a screen reader sees them, keyboard focus, and the
// Keys window against the --list-keys data.
#include "core/State.h"
#include "engine/Reset.h"
#include "engine/Undo.h"
#include "ui/AdvancedDisplay.h"
#include "ui/AdvancedKeyboard.h"
#include "ui/CalculatorForm.h"
#include "ui/KeyNames.h"
#include "ui/KeyReference.h"
#include "ui/SimpleKeyboard.h"
#include "ui/dialogs/KeysForm.h"
#include "ui/dialogs/RpnStackForm.h"

#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

namespace {

// The --list-keys lines, split into their fields.
QList<QStringList> ListedKeys()
{
    QList<QStringList> rows;
    for (const QString& line : ListKeysText().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        rows.append(line.split(QLatin1Char('\t')));
    return rows;
}

int FunctionOfOption(const QString& name)
{
    for (int f = 0; f < FunctionCount; ++f)
        if (name == QLatin1String(FunctionOptionName(f)))
            return f;
    return -1;
}

// A key press as the keyboard sends it: to the widget with the focus.
void Press(QWidget* window, Qt::Key key)
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : window, key);
}

} // namespace

class KeysTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ResetCalculator();
        InitializeUndo();
    }

    // One loop over the --list-keys data: each line names the key the
    // keypad holds there, with a legend, a name, and a tooltip that gives
    // the name and the shortcut.
    void everyKeyHasANameAndATooltip()
    {
        const QList<QStringList> rows = ListedKeys();
        QVERIFY(rows.size() > 900);
        QSet<QString> functions;
        AdvancedKeyboard keypad;
        for (const QStringList& f : rows) {
            QCOMPARE(f.size(), 8);
            const int function = FunctionOfOption(f[0]);
            QVERIFY2(function >= 0, qPrintable(f[0]));
            functions << f[0];
            keypad.setFunction(function);
            keypad.setRpn(f[1].startsWith(QLatin1String("rpn")));
            keypad.setShifted(f[1].endsWith(QLatin1String("shifted")));
            const int row = f[2].toInt();
            const int col = f[3].toInt();
            const QString what = f.join(QLatin1Char('|'));
            QCOMPARE(QString::fromLatin1(KeyOpName(keypad.keyAt(row, col))), f[4]);
            QVERIFY2(!f[5].isEmpty() && !f[6].isEmpty(), qPrintable(what));
            const QString tip = keypad.keyToolTip(row, col);
            QVERIFY2(tip.startsWith(f[6]) && tip.contains(f[7]), qPrintable(what + " / " + tip));
        }
        QCOMPARE(functions.size(), int(FunctionCount));
    }

    // A screen reader finds one named button per key and presses it; the
    // display tells X.  The small keypads of the side windows do the same.
    void accessibleKeysAreNamedButtons()
    {
        for (bool rpn : {false, true}) {
            ResetCalculator();
            Prefs.setRpnInput(rpn);
            UnPrefs.setFunction(FunctionScientific);
            CalculatorForm form;
            form.resize(360, 560);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QAccessibleInterface* keypad = QAccessible::queryAccessibleInterface(form.keyboard());
            QVERIFY(keypad);
            QList<KeyReferenceRow> keys;
            for (const KeyReferenceRow& row : KeyReferenceRows(FunctionScientific, rpn))
                if (!row.shifted)
                    keys.append(row);
            QCOMPARE(keypad->childCount(), int(keys.size()));
            QAccessibleInterface* seven = nullptr;
            for (int i = 0; i < keypad->childCount(); ++i) {
                QAccessibleInterface* key = keypad->child(i);
                QCOMPARE(key->role(), QAccessible::Button);
                QCOMPARE(key->text(QAccessible::Name), KeyName(keys[i].key));
                QCOMPARE(keypad->indexOfChild(key), i);
                QCOMPARE(keypad->childAt(key->rect().center().x(), key->rect().center().y()), key);
                QVERIFY(key->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
                if (keys[i].key == KeyDigit7)
                    seven = key;
            }
            QVERIFY(seven);
            seven->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(double(UnPrefs.stack[0]), 7.0);
            QAccessibleInterface* display = QAccessible::queryAccessibleInterface(form.display());
            QCOMPARE(display->text(QAccessible::Name), QStringLiteral("X: 7"));
            QCOMPARE(display->text(QAccessible::Value), QStringLiteral("7"));
        }

        RpnStackForm stack(nullptr, 4);
        QAccessibleInterface* keypad = QAccessible::queryAccessibleInterface(stack.keyboard());
        QStringList names;
        for (int i = 0; i < keypad->childCount(); ++i)
            names << keypad->child(i)->text(QAccessible::Name);
        QCOMPARE(names, QStringList({"Roll stack down", "Roll stack up", "Drop X", "Exchange X and Y"}));
        QSignalSpy pressed(stack.keyboard(), &Keyboard::buttonPressed);
        keypad->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.at(0).at(0).value<KeyOp>(), KeyDrop);
        QCOMPARE(QAccessible::queryAccessibleInterface(stack.pane()->findChild<Display*>())->text(QAccessible::Name),
                 QStringLiteral("T: 0."));
    }

    // Tab goes into the keypad at its first key and on to the display and
    // the selector; Left and Right move the ring from key to key across the
    // rows; Space presses.
    void keyboardFocusReachesEveryKey()
    {
        CalculatorForm form;
        form.resize(360, 560);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        AdvancedKeyboard* keypad = form.keyboard();
        auto ring = [keypad] { return QPoint(keypad->getFocusCol(), keypad->getFocusRow()); };
        QVERIFY(!keypad->focusRingShown());

        Press(&form, Qt::Key_Tab);
        QVERIFY(keypad->focusRingShown());
        QCOMPARE(ring(), QPoint(1, 1));
        Press(&form, Qt::Key_Left);
        QCOMPARE(ring(), QPoint(6, 7));
        for (int i = 0; i < 7; ++i)
            Press(&form, Qt::Key_Right);
        QCOMPARE(ring(), QPoint(1, 2));

        QSignalSpy pressed(keypad, &Keyboard::buttonPressed);
        Press(&form, Qt::Key_Space);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.at(0).at(0).value<KeyOp>(), KeyRoot);
        // Typed keys still reach the calculator.
        QTest::keyClick(QApplication::focusWidget(), '4');
        QCOMPARE(double(UnPrefs.stack[0]), 4.0);

        Press(&form, Qt::Key_Tab);
        QVERIFY(!keypad->hasFocus());
        Press(&form, Qt::Key_Tab);
        Press(&form, Qt::Key_Tab);
        QVERIFY(keypad->focusRingShown());
        QCOMPARE(ring(), QPoint(1, 1));
    }

    // The Keys window lists, for each function and input style, the keys
    // and shortcuts of the --list-keys data, and every shortcut again on its
    // keyboard page.
    void keysWindowAgreesWithTheList()
    {
        const QList<QStringList> rows = ListedKeys();
        for (int function = 0; function < FunctionCount; ++function) {
            for (bool rpn : {false, true}) {
                UnPrefs.setFunction(unsigned(function));
                Prefs.setRpnInput(rpn);
                KeysForm keys;
                keys.refresh();
                QList<QStringList> listed;
                for (const QStringList& f : rows)
                    if (f[0] == QLatin1String(FunctionOptionName(function)) &&
                        (f[1] == QLatin1String("function") || f[1] == QLatin1String(rpn ? "rpn" : "algebraic")))
                        listed.append(f);
                const QTableWidget* table = keys.keysTable();
                QCOMPARE(table->rowCount(), int(listed.size()));
                QStringList shortcuts;
                for (int i = 0; i < keys.shortcutsTable()->rowCount(); ++i)
                    shortcuts << keys.shortcutsTable()->item(i, 0)->text();
                for (int i = 0; i < table->rowCount(); ++i) {
                    QCOMPARE(table->item(i, 1)->text(), listed[i][6]);
                    QCOMPARE(table->item(i, 3)->text(), listed[i][7]);
                    QVERIFY2(listed[i][7].isEmpty() || shortcuts.contains(listed[i][7]), qPrintable(listed[i][7]));
                }
                QVERIFY(shortcuts.contains(QStringLiteral("Ctrl+Q")));
            }
        }
    }
};

QTEST_MAIN(KeysTest)
#include "test_keys.moc"
