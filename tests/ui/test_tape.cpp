// SPDX-License-Identifier: GPL-3.0-or-later
// The Tape window: it follows the main window's keys, undo and format,
// copies, clears as an undoable step and saves text and CSV.

#include "core/State.h"
#include "engine/Reset.h"
#include "ui/CalculatorForm.h"
#include "ui/dialogs/TapeForm.h"

#include <QClipboard>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

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
        QListWidget* list = tape->list();
        QCOMPARE(list->item(1)->data(TapeForm::CalculationRole).toString(), QString("1. ÷ 4. ="));
        QCOMPARE(list->item(1)->data(TapeForm::ResultRole).toString(), QString("0.25"));
        // The result's ink ends at the right edge of the list.
        QCoreApplication::processEvents();
        const QImage picture = list->viewport()->grab().toImage();
        const QRect line = list->visualItemRect(list->item(1));
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
        QCOMPARE(tape->list()->count(), 60);
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
        tape->list()->item(2)->setSelected(true);
        Button(tape, "copy")->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("5. − 6. = -1.\n"));
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
        QVERIFY(!TapeForm::saveTo(dir.filePath("missing/tape.txt"), TapeForm::PlainText));
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
