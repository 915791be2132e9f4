// SPDX-License-Identifier: GPL-3.0-or-later
// The Tape window: it follows the main window's keys, undo and format,
// puts a line's result back into X, searches, copies, clears as an undoable
// step and saves text and CSV.

#include "core/State.h"
#include "engine/Reset.h"
#include "ui/CalculatorForm.h"
#include "ui/dialogs/TapeForm.h"

#include <QClipboard>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// A main window whose message boxes answer at once.
class QuietForm : public CalculatorForm {
protected:
    int runMessageBox(QMessageBox::Icon, const QString&, const QString&, const QStringList&, int, int) override
    {
        return 0;
    }
};

void Type(QWidget* window, const QString& keys)
{
    for (QChar c : keys)
        QTest::keyClick(window, c.toLatin1());
}

// A double click as the window system delivers it: a click, then the
// second press as a double click, then its release.
void DoubleClick(QWidget* widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

QPushButton* Button(TapeForm* tape, const char* name)
{
    return tape->findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class TapeFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetCalculator(); }

    void followsKeysUndoAndFormat()
    {
        QuietForm form;
        Prefs.setRightTapAction(5);
        form.handleDisplayTap(0, 230, 240);
        TapeForm* tape = form.tapeForm();
        QVERIFY(tape && tape->isVisible());
        QCOMPARE(tape->windowTitle(), QString("Tape"));

        Type(&form, "12+3=1/4=");
        QCOMPARE(tape->lines(), (QStringList{"12. + 3. = 15.", "1. ÷ 4. = 0.25"}));
        QListView* list = tape->list();
        const QModelIndex second = list->model()->index(1, 0);
        QCOMPARE(second.data(TapeModel::CalculationRole).toString(), QString("1. ÷ 4. ="));
        QCOMPARE(second.data(TapeModel::ResultRole).toString(), QString("0.25"));
        // The result's ink ends at the right edge of the list.
        QCoreApplication::processEvents();
        const QImage picture = list->viewport()->grab().toImage();
        const QRect line = list->visualRect(second);
        const QRgb paper = picture.pixel(line.right() - 1, line.top());
        int inkRight = -1;
        for (int x = 0; x < picture.width(); ++x)
            for (int y = line.top(); y <= line.bottom(); ++y)
                if (picture.pixel(x, y) != paper)
                    inkRight = x;
        QVERIFY2(inkRight > picture.width() - 12, qPrintable(QString::number(inkRight)));

        form.undo();
        QCOMPARE(tape->lines(), QStringList{"12. + 3. = 15."});
        form.redo();
        QCOMPARE(tape->lines().size(), 2);

        // A new format shows every line in it.
        Prefs.setDisplayFormat(FormatFixed);
        Prefs.setDigits(3);
        form.handleButton(KeyNoOp);
        QCOMPARE(tape->lines(), (QStringList{"12.00 + 3.00 = 15.00", "1.00 ÷ 4.00 = 0.25"}));
    }

    void newestLineScrolledIntoView()
    {
        QuietForm form;
        form.viewTapeForm();
        TapeForm* tape = form.tapeForm();
        for (int i = 0; i < 60; ++i)
            Type(&form, "1+1=");
        QCoreApplication::processEvents();
        QCOMPARE(tape->list()->model()->rowCount(), 60);
        QScrollBar* bar = tape->list()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
    }

    void copiesSelectedOrAll()
    {
        QuietForm form;
        form.viewTapeForm();
        TapeForm* tape = form.tapeForm();
        Type(&form, "1+2=3*4=5-6=");
        Button(tape, "copyAll")->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("1. + 2. = 3.\n3. × 4. = 12.\n5. − 6. = -1.\n"));
        tape->list()->selectionModel()->select(tape->list()->model()->index(2, 0), QItemSelectionModel::Select);
        Button(tape, "copy")->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("5. − 6. = -1.\n"));
    }

    // A double click or Return on a line puts its result into X as a typed
    // number (the engine's tests hold the cases): RPN lifts, algebraic
    // input replaces the entry; one undo step.
    void recallsResults_data()
    {
        QTest::addColumn<bool>("rpn");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byReturn");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("rpn, double click") << true << "2\r3+10\r4*" << false << 5.0 << 40.0;
        QTest::newRow("algebraic, Return") << false << "2+3=7" << true << 5.0 << 5.0;
    }

    void recallsResults()
    {
        QFETCH(bool, rpn);
        QFETCH(QString, typed);
        QFETCH(bool, byReturn);
        QFETCH(double, x);
        QFETCH(double, y);
        Prefs.setRpnInput(rpn);
        QuietForm form;
        form.viewTapeForm();
        Type(&form, typed);
        const double before = UnPrefs.stack[0];
        QListView* list = form.tapeForm()->list();
        const QModelIndex first = list->model()->index(0, 0);
        list->setCurrentIndex(first);
        if (byReturn)
            QTest::keyClick(list, Qt::Key_Return);
        else
            DoubleClick(list->viewport(), list->visualRect(first).center());
        QCOMPARE(double(UnPrefs.stack[0]), x);
        QCOMPARE(double(UnPrefs.stack[1]), y);
        form.undo();
        QCOMPARE(double(UnPrefs.stack[0]), before);
    }

    // The search field shows the lines that hold its text; Copy then takes
    // them, Copy All the whole tape.
    void searchFilters()
    {
        QuietForm form;
        form.viewTapeForm();
        TapeForm* tape = form.tapeForm();
        Type(&form, "12+3=4*5=7+8=");
        tape->search()->setText(QStringLiteral("+"));
        QCOMPARE(tape->list()->model()->rowCount(), 2);
        Button(tape, "copy")->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("12. + 3. = 15.\n7. + 8. = 15.\n"));
        // Recalling a filtered line takes that line's result.
        tape->useResult(tape->list()->model()->index(1, 0));
        QCOMPARE(double(UnPrefs.stack[0]), 15.0);
        tape->search()->setText(QStringLiteral("×"));
        tape->useResult(tape->list()->model()->index(0, 0));
        QCOMPARE(double(UnPrefs.stack[0]), 20.0);
        tape->search()->clear();
        QCOMPARE(tape->list()->model()->rowCount(), 3);
        Button(tape, "copyAll")->click();
        QCOMPARE(QApplication::clipboard()->text().count('\n'), 3);
    }

    // Copy Result writes the bare number in full precision, which paste
    // reads back exactly; Copy Line the line.
    void copiesResultAndLine()
    {
        QuietForm form;
        form.viewTapeForm();
        TapeForm* tape = form.tapeForm();
        Type(&form, "1/3=");
        const double third = UnPrefs.stack[0];
        const QModelIndex line = tape->list()->model()->index(0, 0);
        tape->copyResult(line);
        QCOMPARE(QApplication::clipboard()->text(), QString("0.3333333333333333"));
        Type(&form, "5=");
        form.paste();
        QCOMPARE(double(UnPrefs.stack[0]), third);
        tape->copyLine(line);
        QCOMPARE(QApplication::clipboard()->text(), QString("1. ÷ 3. = 0.333333333333\n"));
    }

    void clearIsUndoable()
    {
        QuietForm form;
        form.viewTapeForm();
        TapeForm* tape = form.tapeForm();
        Type(&form, "1+2=");
        Button(tape, "clear")->click();
        QVERIFY(tape->lines().isEmpty());
        form.undo();
        QCOMPARE(tape->lines(), QStringList{"1. + 2. = 3."});
        // Clear All leaves the tape.
        form.handleButton(KeyClearAll);
        QCOMPARE(tape->lines(), QStringList{"1. + 2. = 3."});
    }

    void savesTextAndCsv()
    {
        QuietForm form;
        Type(&form, "2+3=");
        QTemporaryDir dir;
        const QString text = dir.filePath("tape.txt"), csv = dir.filePath("tape.csv");
        QVERIFY(TapeForm::saveTo(text, TapeForm::PlainText));
        QVERIFY(TapeForm::saveTo(csv, TapeForm::Csv));
        QFile file(text);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QString("2. + 3. = 5.\n"));
        QFile rows(csv);
        QVERIFY(rows.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(rows.readAll()).section('\n', 1), QString("+,2,,3,,5,,,,,\n"));
        QVERIFY(!TapeForm::saveTo(dir.filePath("tape.txt/inside.txt"), TapeForm::PlainText));
        // Nothing but a regular file is written: a pipe in its place is
        // refused at once, not waited on.
        const QString pipe = dir.filePath("pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(!TapeForm::saveTo(pipe, TapeForm::Csv));
    }

    void linesGrowWithTheWindow()
    {
        TapeForm tape;
        tape.show();
        tape.resize(360, 400);
        QCoreApplication::processEvents();
        const qreal small = tape.list()->font().pointSizeF();
        tape.resize(720, 800);
        QCoreApplication::processEvents();
        QVERIFY(tape.list()->font().pointSizeF() > 1.5 * small);
    }
};

QTEST_MAIN(TapeFormTest)
#include "test_tape.moc"
