// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences dialog: every control loads from and saves to its field.

#include "core/State.h"
#include "engine/Reset.h"
#include "ui/dialogs/PreferencesDialog.h"
#include "ui/dialogs/PreferencesPane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QtTest>

#include <cstring>

namespace {

template <typename T>
T* control(QDialog& dialog, const char* name)
{
    T* widget = dialog.findChild<T*>(name);
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QComboBox* combo(QDialog& dialog, const char* name) { return control<QComboBox>(dialog, name); }
QCheckBox* check(QDialog& dialog, const char* name) { return control<QCheckBox>(dialog, name); }
QRadioButton* radio(QDialog& dialog, const char* name) { return control<QRadioButton>(dialog, name); }

// Runs the dialog's accept or reject as the OK and Cancel buttons do.
void accept(PreferencesDialog& dialog) { dialog.accept(); }

struct Switch {
    const char* name;
    bool (PrefsRecord::*get)() const;
    void (PrefsRecord::*set)(bool);
};

const Switch Switches[] = {
    {"quickSwitch", &PrefsRecord::quickSwitch, &PrefsRecord::setQuickSwitch},
    {"hundredRegisters", &PrefsRecord::hundredRegisters, &PrefsRecord::setHundredRegisters},
    {"stickyShift", &PrefsRecord::stickyShift, &PrefsRecord::setStickyShift},
    {"twoLineDisplay", &PrefsRecord::twoLineDisplay, &PrefsRecord::setTwoLineDisplay},
    {"commaRadix", &PrefsRecord::commaRadix, &PrefsRecord::setCommaRadix},
};

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ResetCalculator();
    }

    void captionAndItems()
    {
        PreferencesDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("Preferences"));
        // A window beside the calculator: it blocks nothing.
        QVERIFY(!dialog.isModal());
        QCOMPARE(combo(dialog, "digits")->count(), 14);
        QCOMPARE(combo(dialog, "digits")->itemText(0), QString("All"));
        QCOMPARE(combo(dialog, "digits")->itemText(13), QString("12"));
        QCOMPARE(combo(dialog, "tapAction")->itemText(0), QString("Nothing"));
        QCOMPARE(combo(dialog, "tapAction")->itemText(5), QString("User Registers"));
        QCOMPARE(combo(dialog, "tapAction")->itemText(6), QString("Tape"));
        QCOMPARE(combo(dialog, "integer")->itemText(3), QString("16-bit signed"));
        QCOMPARE(radio(dialog, "center")->text(), QString("&Center"));
        QCOMPARE(check(dialog, "twoLineDisplay")->text(), QString("&2-line Display"));
        QVERIFY(!combo(dialog, "format")->isEditable());
    }

    // Format items are General, Fixed, Scientific, Engineering; the field
    // numbers them General 0, Scientific 1, Engineering 2, Fixed 3.
    void formatMapping_data()
    {
        QTest::addColumn<unsigned>("field");
        QTest::addColumn<int>("item");
        QTest::newRow("general") << 0u << 0;
        QTest::newRow("scientific") << 1u << 2;
        QTest::newRow("engineering") << 2u << 3;
        QTest::newRow("fixed") << 3u << 1;
    }
    void formatMapping()
    {
        QFETCH(unsigned, field);
        QFETCH(int, item);
        Prefs.setDisplayFormat(field);
        {
            PreferencesDialog dialog;
            QCOMPARE(combo(dialog, "format")->currentIndex(), item);
        }
        Prefs.setDisplayFormat(field ^ 1);
        PreferencesDialog dialog;
        combo(dialog, "format")->setCurrentIndex(item);
        accept(dialog);
        QCOMPARE(Prefs.displayFormat(), field);
    }

    void fixedWithFourDigits()
    {
        {
            PreferencesDialog dialog;
            combo(dialog, "format")->setCurrentIndex(1);
            combo(dialog, "digits")->setCurrentText("4");
            accept(dialog);
        }
        QCOMPARE(Prefs.displayFormat(), unsigned(FormatFixed));
        QCOMPARE(Prefs.digits(), 5u);
        PreferencesDialog again;
        QCOMPARE(combo(again, "format")->currentText(), QString("Fixed"));
        QCOMPARE(combo(again, "digits")->currentText(), QString("4"));
    }

    void digitsAndIntegerAndStack()
    {
        Prefs.setDigits(13);
        Prefs.setIntegerSize(3);
        Prefs.stackSize = 16;
        {
            PreferencesDialog dialog;
            QCOMPARE(combo(dialog, "digits")->currentText(), QString("12"));
            QCOMPARE(combo(dialog, "integer")->currentIndex(), 3);
            QCOMPARE(combo(dialog, "stack")->currentText(), QString("16"));
            combo(dialog, "digits")->setCurrentIndex(0);
            combo(dialog, "integer")->setCurrentIndex(5);
            combo(dialog, "stack")->setCurrentText("12");
            accept(dialog);
        }
        QCOMPARE(Prefs.digits(), 0u);
        QCOMPARE(Prefs.integerSize(), 5u);
        QCOMPARE(int(Prefs.stackSize), 12);
    }

    // A damaged stack size shows a valid item instead of none.
    void outOfRangeStackSize()
    {
        Prefs.stackSize = 0;
        PreferencesDialog dialog;
        QCOMPARE(combo(dialog, "stack")->currentIndex(), 0);
        accept(dialog);
        QCOMPARE(int(Prefs.stackSize), 4);
    }

    void inputModes_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("rpn");
        QTest::addColumn<bool>("precedence");
        QTest::newRow("simple") << 0 << false << false;
        QTest::newRow("precedence") << 1 << false << true;
        QTest::newRow("rpn") << 2 << true << false;
    }
    void inputModes()
    {
        QFETCH(int, item);
        QFETCH(bool, rpn);
        QFETCH(bool, precedence);
        // Start from the opposite pair so that every bit has to change.
        Prefs.setRpnInput(!rpn);
        Prefs.setPrecedenceInput(!precedence);
        {
            PreferencesDialog dialog;
            combo(dialog, "input")->setCurrentIndex(item);
            accept(dialog);
        }
        QCOMPARE(Prefs.rpnInput(), rpn);
        QCOMPARE(Prefs.precedenceInput(), precedence);
        PreferencesDialog again;
        QCOMPARE(combo(again, "input")->currentIndex(), item);
    }

    // Both bits set (a hand-made file) reads as RPN.
    void rpnWinsOverPrecedence()
    {
        Prefs.setRpnInput(true);
        Prefs.setPrecedenceInput(true);
        PreferencesDialog dialog;
        QCOMPARE(combo(dialog, "input")->currentIndex(), 2);
    }

    void switches()
    {
        for (const Switch& s : Switches) {
            for (bool on : {true, false}) {
                (Prefs.*s.set)(on);
                {
                    PreferencesDialog dialog;
                    QCOMPARE(check(dialog, s.name)->isChecked(), on);
                    check(dialog, s.name)->setChecked(!on);
                    accept(dialog);
                }
                QVERIFY2((Prefs.*s.get)() == !on, s.name);
            }
        }
    }

    void tapActionsAcrossThirds()
    {
        Prefs.setLeftTapAction(0);
        Prefs.setCenterTapAction(4);
        Prefs.setRightTapAction(2);
        PreferencesDialog dialog;
        QVERIFY(radio(dialog, "left")->isChecked());
        QCOMPARE(combo(dialog, "tapAction")->currentText(), QString("Preferences"));
        combo(dialog, "tapAction")->setCurrentText("Colors");
        radio(dialog, "right")->click();
        QCOMPARE(combo(dialog, "tapAction")->currentText(), QString("Keyboard"));
        combo(dialog, "tapAction")->setCurrentText("RPN Stack");
        radio(dialog, "center")->click();
        QCOMPARE(combo(dialog, "tapAction")->currentText(), QString("User Registers"));
        radio(dialog, "left")->click();
        QCOMPARE(combo(dialog, "tapAction")->currentText(), QString("Colors"));
        accept(dialog);
        QCOMPARE(Prefs.leftTapAction(), 1u);
        QCOMPARE(Prefs.centerTapAction(), 4u);
        QCOMPARE(Prefs.rightTapAction(), 3u);
    }

    // The shown third's action is kept without clicking another button;
    // "Nothing", a first start's action, is listed first.
    void tapActionOfSelectedThird()
    {
        PreferencesDialog dialog;
        QCOMPARE(combo(dialog, "tapAction")->currentText(), QString("Nothing"));
        radio(dialog, "center")->click();
        combo(dialog, "tapAction")->setCurrentText("Keyboard");
        accept(dialog);
        QCOMPARE(Prefs.leftTapAction(), unsigned(TapNothing));
        QCOMPARE(Prefs.centerTapAction(), unsigned(TapKeyboard));
        QCOMPARE(Prefs.rightTapAction(), unsigned(TapNothing));
    }

    // OK applies only the controls the user changed: what keys changed
    // while the window was open stays.
    void okKeepsWhatKeysChanged()
    {
        PreferencesDialog dialog;
        combo(dialog, "digits")->setCurrentText("2");
        Prefs.setDisplayFormat(FormatScientific); // by keys, meanwhile
        Prefs.setCommaRadix(true);
        accept(dialog);
        QCOMPARE(Prefs.displayFormat(), unsigned(FormatScientific));
        QVERIFY(Prefs.commaRadix());
        QCOMPARE(Prefs.digits(), 3u);
    }

    void acceptUnchangedKeepsEveryField()
    {
        Prefs.setDisplayFormat(FormatEngineering);
        Prefs.setDigits(7);
        Prefs.setLeftTapAction(3);
        Prefs.setCenterTapAction(1);
        Prefs.setRightTapAction(4);
        Prefs.setIntegerSize(2);
        Prefs.setPrecedenceInput(true);
        Prefs.stackSize = 20;
        Prefs.setStickyShift(true);
        Prefs.setCommaRadix(true);
        Prefs.setAngleMode(AngleGrads);
        Prefs.setUserKeysInteger(true);
        const PrefsRecord before = Prefs;
        UnPrefs.setShowAll(true);
        PreferencesDialog dialog;
        accept(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(std::memcmp(&before, &Prefs, sizeof Prefs) == 0);
        QCOMPARE(int(PrefsChanged), 1);
        QVERIFY(!UnPrefs.showAll());
    }

    void cancelChangesNothing()
    {
        const PrefsRecord before = Prefs;
        UnPrefs.setRegisterGroup(5);
        PreferencesDialog dialog;
        combo(dialog, "format")->setCurrentIndex(3);
        combo(dialog, "stack")->setCurrentIndex(4);
        check(dialog, "hundredRegisters")->setChecked(false);
        radio(dialog, "right")->click();
        combo(dialog, "tapAction")->setCurrentIndex(4);
        dialog.reject();
        QVERIFY(std::memcmp(&before, &Prefs, sizeof Prefs) == 0);
        QCOMPARE(int(PrefsChanged), 0);
        QCOMPARE(UnPrefs.registerGroup(), 5u);
    }

    void tenRegistersMovesGroup_data()
    {
        QTest::addColumn<bool>("hundred");
        QTest::addColumn<unsigned>("group");
        QTest::addColumn<unsigned>("after");
        QTest::newRow("off, group 5") << false << 5u << 1u;
        QTest::newRow("off, group 1") << false << 1u << 1u;
        QTest::newRow("off, group 0") << false << 0u << 0u;
        QTest::newRow("on, group 9") << true << 9u << 9u;
    }
    void tenRegistersMovesGroup()
    {
        QFETCH(bool, hundred);
        QFETCH(unsigned, group);
        QFETCH(unsigned, after);
        UnPrefs.setRegisterGroup(group);
        PreferencesDialog dialog;
        check(dialog, "hundredRegisters")->setChecked(hundred);
        accept(dialog);
        QCOMPARE(UnPrefs.registerGroup(), after);
    }
};

QTEST_MAIN(TestPreferences)
#include "test_preferences.moc"
