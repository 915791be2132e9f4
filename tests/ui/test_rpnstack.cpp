// SPDX-License-Identifier: GPL-3.0-or-later
// The RPN stack window: its lines, rebuilding, and shift handling.

#include "core/State.h"
#include "engine/Reset.h"
#include "ui/CalculatorForm.h"
#include "ui/SimpleKeyboard.h"
#include "ui/dialogs/PreferencesDialog.h"
#include "ui/dialogs/RpnStackForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QtTest>

namespace {

// The label texts of the pane from top to bottom.
QStringList LineNames(RpnStackPane* pane)
{
    auto* grid = qobject_cast<QGridLayout*>(pane->layout());
    QStringList names;
    for (int row = 0; row < grid->rowCount(); ++row)
        if (QLayoutItem* item = grid->itemAtPosition(row, 0))
            names << qobject_cast<QLabel*>(item->widget())->text();
    return names;
}

RpnStackDisplay* LineAt(RpnStackPane* pane, int row)
{
    auto* grid = qobject_cast<QGridLayout*>(pane->layout());
    return qobject_cast<RpnStackDisplay*>(grid->itemAtPosition(row, 1)->widget());
}

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class TestRpnStack : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ResetCalculator();
        Prefs.setRpnInput(true);
    }

    void fourLines()
    {
        RpnStackForm form(nullptr, 4);
        QCOMPARE(form.windowTitle(), QString("RPN Stack"));
        QCOMPARE(LineNames(form.pane()), (QStringList{"T:", "Z:", "Y:", "X:"}));
        QCOMPARE(LineAt(form.pane(), 0)->getIndex(), 3);
        QCOMPARE(LineAt(form.pane(), 3)->getIndex(), 0);
        QVERIFY(LineAt(form.pane(), 0)->font().pointSize() != 16);
    }

    void twelveLines()
    {
        RpnStackForm form(nullptr, 12);
        const QStringList names = LineNames(form.pane());
        QCOMPARE(names.size(), 12);
        QCOMPARE(names.first(), QString("12:"));
        QCOMPARE(names.mid(7), (QStringList{"5:", "T:", "Z:", "Y:", "X:"}));
        QCOMPARE(LineAt(form.pane(), 0)->getIndex(), 11);
        QCOMPARE(LineAt(form.pane(), 0)->font().pointSize(), 16);
        QVERIFY(LineAt(form.pane(), 0)->minimumHeight() >= QFontMetrics(LineAt(form.pane(), 0)->font()).lineSpacing());
    }

    void setLinesKeepsOrReplacesThePane()
    {
        RpnStackForm form(nullptr, 8);
        RpnStackPane* pane = form.pane();
        QPointer<RpnStackPane> guard(pane);
        form.setLines(8);
        QCOMPARE(form.pane(), pane);
        form.setLines(16);
        QVERIFY(guard.isNull());
        QCOMPARE(form.getLines(), 16);
        QCOMPARE(form.findChild<QScrollArea*>()->widget(), form.pane());
        QCOMPARE(LineNames(form.pane()).first(), QString("16:"));
    }

    void keysAreTheStackKeys()
    {
        RpnStackForm form(nullptr, 4);
        SimpleKeyboard* keys = form.keyboard();
        QCOMPARE(keys->getKey(1, 1, false), KeyRollDown);
        QCOMPARE(keys->getKey(1, 2, false), KeyRollUp);
        QCOMPARE(keys->getKey(1, 3, false), KeyDrop);
        QCOMPARE(keys->getKey(1, 4, true), KeySwapXY);
    }

    void swapGoesThroughTheEngine()
    {
        UnPrefs.stack[0] = 1.0;
        UnPrefs.stack[1] = 2.0;
        RpnStackForm form(nullptr, 4);
        form.handleButton(KeySwapXY);
        QCOMPARE(double(UnPrefs.stack[0]), 2.0);
        QCOMPARE(double(UnPrefs.stack[1]), 1.0);
    }

    // A shift is cleared by the next key unless sticky shift is on.
    void shiftHandling_data()
    {
        QTest::addColumn<bool>("sticky");
        QTest::newRow("plain") << false;
        QTest::newRow("sticky") << true;
    }
    void shiftHandling()
    {
        QFETCH(bool, sticky);
        Prefs.setStickyShift(sticky);
        RpnStackForm form(nullptr, 4);
        form.handleButton(KeyShift);
        QVERIFY(UnPrefs.shift());
        QVERIFY(form.keyboard()->getShifted());
        form.handleButton(KeyRollDown);
        QCOMPARE(UnPrefs.shift(), sticky);
        QCOMPARE(form.keyboard()->getShifted(), sticky);
    }

    void showAllLastsOneKey()
    {
        RpnStackForm form(nullptr, 4);
        UnPrefs.setShowAll(true);
        form.handleButton(KeyRollDown);
        QVERIFY(!UnPrefs.showAll());
    }

    // The main window makes the window once and follows the stack size.
    void openedFromTheMainWindow()
    {
        Prefs.stackSize = 8;
        CalculatorForm calculator;
        calculator.viewRpnStackForm();
        RpnStackForm* form = calculator.rpnStackForm();
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->getLines(), 8);
        QVERIFY(!form->isMaximized());
        Prefs.stackSize = 20;
        calculator.viewRpnStackForm();
        QCOMPARE(calculator.rpnStackForm(), form);
        QCOMPARE(form->getLines(), 20);
    }

    // The window stands beside the main window: it follows the keys typed
    // there and the stack size chosen in the preferences.
    void followsTheMainWindow()
    {
        CalculatorForm calculator;
        calculator.show();
        calculator.viewRpnStackForm();
        RpnStackForm* form = calculator.rpnStackForm();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        PaintCounter counter;
        LineAt(form->pane(), 3)->installEventFilter(&counter);
        calculator.handleButton(KeyDigit5);
        QTRY_VERIFY(counter.paints > 0);
        calculator.doPreferencesDialog();
        PreferencesDialog* preferences = calculator.preferencesDialog();
        QVERIFY(preferences && preferences->isVisible());
        preferences->findChild<QComboBox*>("stack")->setCurrentText("12");
        preferences->accept();
        QCOMPARE(form->getLines(), 12);
    }

    // With the comma radix the lines read as the main display does.
    void commaRadix()
    {
        Prefs.setCommaRadix(true);
        RpnStackForm form(nullptr, 4);
        form.pane()->grab();
        QVERIFY(LineAt(form.pane(), 3)->getCommaRadix());
        QCOMPARE(LineAt(form.pane(), 3)->numberText("1234.5"), QString("1.234,5"));
    }
};

QTEST_MAIN(TestRpnStack)
#include "test_rpnstack.moc"
