// SPDX-License-Identifier: GPL-3.0-or-later
// The user registers window: picking registers, the group tool bar and the
// "100 Registers" rules.

#include "core/State.h"
#include "engine/Reset.h"
#include "ui/CalculatorForm.h"
#include "ui/SimpleKeyboard.h"
#include "ui/dialogs/UserRegistersForm.h"

#include <QAction>
#include <QtTest>

#include <vector>

namespace {

// Records the keys the window sends instead of running them.
class RecordingForm : public UserRegistersForm {
public:
    using UserRegistersForm::UserRegistersForm;
    std::vector<int> sent;

protected:
    void sendKey(KeyOp key) override { sent.push_back(key); }
};

} // namespace

class TestUserRegisters : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ResetCalculator();
    }

    void toolBarAndLines()
    {
        UnPrefs.setRegisterGroup(3);
        UserRegistersForm form(nullptr, true, false);
        QCOMPARE(form.windowTitle(), QString("User Registers"));
        QCOMPARE(form.groupAction(7)->text(), QString("Group 7"));
        QVERIFY(form.groupAction(3)->isChecked());
        QVERIFY(!form.groupAction(0)->icon().isNull());
        QCOMPARE(form.pane()->getGroup(), 3);
        QCOMPARE(form.pane()->line(9)->getIndex(), 39);
        form.groupAction(5)->trigger();
        QCOMPARE(UnPrefs.registerGroup(), 5u);
        QCOMPARE(form.pane()->line(2)->getIndex(), 52);
        QCOMPARE(form.keyboard()->getKey(1, 1, false), KeyStore);
        QCOMPARE(form.keyboard()->getKey(1, 3, false), KeyExchangeRegister);
    }

    // With the comma radix the lines read as the main display does.
    void commaRadix()
    {
        Prefs.setCommaRadix(true);
        UserRegistersForm form(nullptr, true, false);
        form.pane()->grab();
        QVERIFY(form.pane()->line(0)->getCommaRadix());
    }

    // Switching "100 Registers" off while group 5 is shown moves to group 1
    // and disables groups 2..9.
    void tenRegisters()
    {
        UnPrefs.setRegisterGroup(5);
        UserRegistersForm form(nullptr, true, false);
        form.setDoubleRegs(false);
        QCOMPARE(form.pane()->getGroup(), 1);
        QCOMPARE(UnPrefs.registerGroup(), 1u);
        QVERIFY(form.groupAction(1)->isChecked());
        QVERIFY(form.groupAction(0)->isEnabled() && form.groupAction(1)->isEnabled());
        for (int group = 2; group < 10; ++group)
            QVERIFY(!form.groupAction(group)->isEnabled());
        form.setDoubleRegs(true);
        QVERIFY(form.groupAction(9)->isEnabled());
        QCOMPARE(form.pane()->getGroup(), 1);
    }

    void pickRegister_data()
    {
        QTest::addColumn<bool>("hundred");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("reg");
        QTest::addColumn<std::vector<int>>("keys");
        QTest::newRow("ten, group 1") << false << 1 << 13 << std::vector<int>{KeyPoint, KeyDigit3};
        QTest::newRow("ten, group 0") << false << 0 << 7 << std::vector<int>{KeyDigit7};
        QTest::newRow("hundred, group 4") << true << 4 << 47 << std::vector<int>{KeyDigit4, KeyDigit7};
        QTest::newRow("hundred, group 0") << true << 0 << 5 << std::vector<int>{KeyDigit0, KeyDigit5};
    }
    void pickRegister()
    {
        QFETCH(bool, hundred);
        QFETCH(int, group);
        QFETCH(int, reg);
        QFETCH(std::vector<int>, keys);
        Prefs.setHundredRegisters(hundred);
        UnPrefs.setRegisterGroup(group);
        UnPrefs.registerPrefix = KeyStore;
        RecordingForm form(nullptr, hundred, true);
        form.show();
        QVERIFY(form.pane()->line(reg % 10)->getAutoHighlight());
        emit form.pane()->line(reg % 10)->displayTapped(reg, 3, 100);
        QCOMPARE(form.sent, keys);
        QVERIFY(!form.isVisible());
    }

    // Without auto-dismiss the window stays open after a pick.
    void stayOpenAfterOwnKeypad()
    {
        UnPrefs.registerPrefix = KeyRecall;
        RecordingForm form(nullptr, true, true);
        form.show();
        form.handleButton(KeyRecall);
        QVERIFY(!form.getAutoDismiss());
        form.handleRegister(12);
        QCOMPARE(form.sent, (std::vector<int>{KeyRecall, KeyDigit1, KeyDigit2}));
        QVERIFY(form.isVisible());
    }

    void noPrefixNoKeys()
    {
        RecordingForm form(nullptr, true, true);
        form.show();
        QVERIFY(!form.pane()->line(4)->getAutoHighlight());
        emit form.pane()->line(4)->displayTapped(4, 3, 100);
        QVERIFY(form.sent.empty());
        QVERIFY(form.isVisible());
    }

    // A line of a group that "100 Registers" no longer reaches stores nothing.
    void unreachableRegister()
    {
        Prefs.setHundredRegisters(false);
        UnPrefs.registerPrefix = KeyStore;
        RecordingForm form(nullptr, true, false);
        form.handleRegister(53);
        QVERIFY(form.sent.empty());
    }

    // The register prefix key pressed again while it is pending opens the
    // window in auto-dismiss mode; a later menu opening does not dismiss.
    void doublePrefixOpensTheWindow()
    {
        Prefs.setHundredRegisters(false);
        UnPrefs.setRegisterGroup(4);
        CalculatorForm calculator;
        UnPrefs.registerPrefix = KeyStore; // the first press left it pending
        calculator.handleKey(KeyStore);
        UserRegistersForm* form = calculator.userRegistersForm();
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QVERIFY(form->getAutoDismiss());
        QVERIFY(!form->getDoubleRegs());
        QCOMPARE(form->pane()->getGroup(), 1);
        form->close();
        UnPrefs.registerPrefix = KeyNone;
        calculator.viewUserRegistersForm();
        QCOMPARE(calculator.userRegistersForm(), form);
        QVERIFY(!form->getAutoDismiss());
    }
};

QTEST_MAIN(TestUserRegisters)
#include "test_userregisters.moc"
