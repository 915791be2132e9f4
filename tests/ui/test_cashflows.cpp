// SPDX-License-Identifier: GPL-3.0-or-later
// The Cash Flows window: it follows the keys, edits values and counts as
// undo steps, refuses with a notice, inserts, deletes and pastes, and shows
// NPV and IRR as the keys give them.

#include "QuietForm.h"

#include "core/State.h"
#include "engine/CashFlows.h"
#include "engine/Reset.h"
#include "ui/CalculatorForm.h"
#include "ui/CashFlowModel.h"
#include "ui/DataTable.h"
#include "ui/dialogs/CashFlowsForm.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {

// The rows as the table shows them: "flow value count" lines.
QStringList Rows(CashFlowsForm* window)
{
    QStringList rows;
    CashFlowModel* model = window->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < CashFlowModel::ColumnCount; ++c)
            cells.append(model->index(r, c).data().toString());
        rows.append(cells.join(' ').trimmed());
    }
    return rows;
}

CashFlowsForm* Open(CalculatorForm& form)
{
    for (QAction* action : form.findChildren<QAction*>())
        if (action->text() == QLatin1String("Cash &Flows..."))
            action->trigger();
    return qobject_cast<CashFlowsForm*>(form.sideWindow(QStringLiteral("cashflows")));
}

bool Edit(CashFlowsForm* window, int row, int column, const QString& text)
{
    return window->model()->setData(window->model()->index(row, column), text);
}

const char* const Machine =
    "FormatFixed 2 1 PaymentsPerYear 50000 ChangeSign CashFlow 10000 CashFlow 3 CashFlowCount 8 Interest";

} // namespace

class CashFlowsFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetCalculator(); }

    void followsKeysAndShowsNpvAndIrr()
    {
        QuietForm form;
        CashFlowsForm* window = Open(form);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Cash Flows"));
        QCOMPARE(Rows(window), (QStringList{"CF0 0. 0", "CF1"}));
        form.press(Machine);
        QCOMPARE(Rows(window), (QStringList{"CF0 -50,000.00 1", "CF1 10,000.00 3", "CF2"}));
        form.press("15000 CashFlow 2 CashFlowCount");
        QCOMPARE(Rows(window).value(2), QString("CF2 15,000.00 2"));
        // The textbook figures: -2,994.83 at 8 %, IRR 5.88 %.
        QCOMPARE(window->npvLine()->text(), QString("NPV at I/YR 8.00: -2,994.83"));
        QCOMPARE(window->irrLine()->text(), QString("IRR/YR: 5.88"));
        form.undo();
        QCOMPARE(Rows(window).value(2), QString("CF2 15,000.00 1"));
    }

    void editsAreUndoStepsAndRefusalsChangeNothing()
    {
        QuietForm form;
        form.press(Machine);
        CashFlowsForm* window = Open(form);
        const QStringList keyed = Rows(window);

        QVERIFY(Edit(window, 1, CashFlowModel::ValueColumn, "12,000.50"));
        QCOMPARE(Rows(window).value(1), QString("CF1 12,000.50 3"));
        QVERIFY(Edit(window, 2, CashFlowModel::ValueColumn, "7000")); // the empty row adds a group
        QCOMPARE(Rows(window).value(2), QString("CF2 7,000.00 1"));
        form.undo();
        form.undo();
        QCOMPARE(Rows(window), keyed);

        struct Refusal {
            int row, column;
            const char* text;
            const char* notice;
        };
        const Refusal refusals[] = {
            {1, CashFlowModel::CountColumn, "100000", "A count is a whole number from 0 to 99,999."},
            {1, CashFlowModel::CountColumn, "2.5", "A count is a whole number from 0 to 99,999."},
            {1, CashFlowModel::ValueColumn, "12 000,5", "“12 000,5” is not a single number."},
            {1, CashFlowModel::ValueColumn, "abc", "“abc” is not a single number."},
        };
        for (const Refusal& r : refusals) {
            QVERIFY(!Edit(window, r.row, r.column, r.text));
            QCOMPARE(window->notice()->text(), QString(r.notice));
            QVERIFY(!window->notice()->isHidden());
            QCOMPARE(Rows(window), keyed);
        }
        // CF0 counts once: its count is not edited.
        QVERIFY(!(window->model()->flags(window->model()->index(0, CashFlowModel::CountColumn)) &
                  Qt::ItemIsEditable));

        // A count of 0 ends the list, and says so.
        QVERIFY(Edit(window, 1, CashFlowModel::CountColumn, "0"));
        QCOMPARE(Rows(window), (QStringList{"CF0 -50,000.00 1", "CF1"}));
        QCOMPARE(window->notice()->text(),
                 QString("A count of 0 ends the list: CF1 and the flows after it do not count."));
        form.undo();
        QCOMPARE(Rows(window), keyed);
    }

    void insertsDeletesAndPastes()
    {
        QuietForm form;
        form.press(Machine);
        CashFlowsForm* window = Open(form);
        DataTable* table = window->table();

        table->setCurrentIndex(window->model()->index(1, CashFlowModel::ValueColumn));
        window->findChild<QPushButton*>("insert")->click();
        QCOMPARE(Rows(window), (QStringList{"CF0 -50,000.00 1", "CF1 0.00 1", "CF2 10,000.00 3", "CF3"}));
        table->setCurrentIndex(window->model()->index(0, CashFlowModel::ValueColumn));
        table->selectRow(2);
        window->findChild<QPushButton*>("delete")->click();
        QCOMPARE(Rows(window), (QStringList{"CF0 -50,000.00 1", "CF1 0.00 1", "CF2"}));

        // Two columns into the empty row: values and counts, one undo step.
        table->clearSelection();
        table->setCurrentIndex(window->model()->index(2, CashFlowModel::ValueColumn));
        QVERIFY(window->pasteText("1,000.25\t2\r\n-300\t\r\n"));
        QCOMPARE(Rows(window).mid(2), (QStringList{"CF2 1,000.25 2", "CF3 -300.00 1", "CF4"}));
        form.undo();
        QCOMPARE(Rows(window).size(), 3);

        // One column into the count column: counts.
        table->setCurrentIndex(window->model()->index(1, CashFlowModel::CountColumn));
        QVERIFY(window->pasteText("4\n"));
        QCOMPARE(Rows(window).value(1), QString("CF1 0.00 4"));

        // One bad cell refuses the whole paste and names the cell.
        const QStringList before = Rows(window);
        struct Refusal {
            const char* text;
            const char* notice;
        };
        const Refusal refusals[] = {
            {"10\t1\nx1\t2\n", "Not pasted: line 2, column 1. “x1” is not a single number."},
            {"10\t1\n20\t-1\n", "Not pasted: line 2. A count is a whole number from 0 to 99,999."},
            {"10\t1\t5\n", "Not pasted: line 1 has more than two columns."},
            {"\n \n", "Not pasted: the clipboard holds no numbers."},
        };
        table->setCurrentIndex(window->model()->index(1, CashFlowModel::ValueColumn));
        for (const Refusal& r : refusals) {
            QVERIFY(!window->pasteText(r.text));
            QCOMPARE(window->notice()->text(), QString(r.notice));
            QCOMPARE(Rows(window), before);
        }
        QString hundred;
        for (int i = 0; i < 100; ++i)
            hundred += "1\n";
        QVERIFY(!window->pasteText(hundred));
        QCOMPARE(window->notice()->text(), QString("Not pasted. The list holds at most 100 flows, CF0 to CF99."));

        // Copy gives what paste reads.
        table->clearSelection();
        QCOMPARE(window->copiedText(), QString("-50,000.00\t1\n0.00\t4\n"));
    }
};

QTEST_MAIN(CashFlowsFormTest)
#include "test_cashflows.moc"
