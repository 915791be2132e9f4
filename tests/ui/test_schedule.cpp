// SPDX-License-Identifier: GPL-3.0-or-later
// The Loan Schedule window: it follows keys, undo and the format, copies
// and saves its rows as tab-separated text, CSV and PDF, and draws a chart
// with ink in light and dark palettes.

#include "QuietForm.h"

#include "core/State.h"
#include "engine/Reset.h"
#include "ui/CalculatorForm.h"
#include "ui/Chart.h"
#include "ui/DataTable.h"
#include "ui/ScheduleChart.h"
#include "ui/ScheduleModel.h"
#include "ui/dialogs/ScheduleForm.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitterHandle>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char* const Mortgage = "FormatFixed 2 360 N 6 Interest 100000 PresentValue 0 FutureValue Payment";

ScheduleForm* OpenSchedule(CalculatorForm& form)
{
    for (QAction* action : form.findChildren<QAction*>())
        if (action->text() == QLatin1String("&Loan Schedule..."))
            action->trigger();
    return qobject_cast<ScheduleForm*>(form.sideWindow(QStringLiteral("schedule")));
}

// Pixels of the picture that differ clearly from its corner, the paper.
int InkPixels(const QImage& picture)
{
    const QColor paper = picture.pixelColor(picture.width() - 2, picture.height() - 2);
    int ink = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ink += std::abs(picture.pixelColor(x, y).lightness() - paper.lightness()) > 60;
    return ink;
}

} // namespace

class ScheduleFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetCalculator(); }

    void followsKeysUndoAndFormat()
    {
        QuietForm form;
        ScheduleForm* schedule = OpenSchedule(form);
        QVERIFY(schedule && schedule->isVisible());
        QCOMPARE(schedule->windowTitle(), QString("Loan Schedule"));
        QCOMPARE(schedule->model()->rowCount(), 0);
        QCOMPARE(schedule->noteLine()->text(),
                 QString("No schedule: N is not a whole number of periods from 1 to 65,535."));

        form.press(Mortgage);
        ScheduleModel* model = schedule->model();
        QCOMPARE(model->rowCount(), 360 + 30 + 1);
        QCOMPARE(model->rowTexts(0), (QStringList{"1", "-599.55", "-500.00", "-99.55", "99,900.45"}));
        QCOMPARE(model->rowTexts(12), (QStringList{"Year 1", "-7,194.60", "-5,966.60", "-1,228.00", "98,772.00"}));
        QCOMPARE(model->rowTexts(390), (QStringList{"Total", "-215,838.00", "-115,838.45", "-99,999.55", "0.45"}));
        QCOMPARE(schedule->noteLine()->text(),
                 QString("A final payment of -600.00 instead of -599.55 would end the schedule at 0.00."));
        QVERIFY(schedule->termsLine()->text().replace(QChar(0xa0), QChar(0x20)).contains("PMT -599.55"));

        // Undo takes PMT back to 0: the schedule of no payments.
        form.undo();
        QCOMPARE(model->rowTexts(0), (QStringList{"1", "0.00", "500.00", "500.00", "100,500.00"}));
        form.redo();
        QCOMPARE(model->rowTexts(0).value(1), QString("-599.55"));

        // A new PV changes the amounts, and the rows stay where they were.
        QCoreApplication::processEvents();
        schedule->table()->verticalScrollBar()->setValue(200);
        const int scrolled = schedule->table()->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);
        form.press("50000 PresentValue");
        QCOMPARE(model->rowTexts(0).value(2), QString("-250.00"));
        QCOMPARE(schedule->table()->verticalScrollBar()->value(), scrolled);
        form.undo();

        // Another format: the amounts are rounded and shown in it.
        form.press("FormatFixed 0");
        QCOMPARE(model->rowTexts(0), (QStringList{"1", "-600.", "-500.", "-100.", "99,900."}));
    }

    void copiesAndSaves()
    {
        QuietForm form;
        form.press("FormatFixed 2 13 N 12 Interest 1000 PresentValue 0 FutureValue Payment");
        ScheduleForm* schedule = OpenSchedule(form);
        QCOMPARE(schedule->model()->rowCount(), 13 + 2 + 1);

        const QString all = schedule->selectedText();
        QVERIFY(all.startsWith("Period\tPayment\tInterest\tPrincipal\tBalance\n1\t-82.41\t-10.00\t-72.41\t927.59\n"));
        QCOMPARE(all.count('\n'), 17);
        schedule->table()->selectRow(12);
        Button(schedule, "copy")->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("Year 1\t-988.92\t-70.59\t-918.33\t81.67\n"));

        QTemporaryDir dir;
        QString error;
        QVERIFY(schedule->saveCsv(dir.filePath("loan.csv"), &error));
        QFile csv(dir.filePath("loan.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n');
        // The terms in full precision: the shortest digits that read back.
        QCOMPARE(lines.value(0),
                 QString("N,13,I/YR,12,PV,1000,PMT,%1,FV,0,P/YR,12,BEG,0")
                     .arg(QString::number(Regs.registers[RegPayment], 'g', QLocale::FloatingPointShortest)));
        QCOMPARE(lines.value(1), QString("Period,Payment,Interest,Principal,Balance,Payment (full precision),"
                                         "Interest (full precision),Principal (full precision),"
                                         "Balance (full precision)"));
        QCOMPARE(lines.value(2), QString("1,-82.41,-10.00,-72.41,927.59,-82.41,-10,-72.41,927.59"));
        QCOMPARE(lines.value(17), QString("Total,\"-1,071.33\",-71.41,-999.92,0.08,-1071.33,-71.41,-999.92,0.08"));

        QVERIFY(schedule->savePdf(dir.filePath("loan.pdf"), &error));
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        QVERIFY2(!pdftotext.isEmpty(), "pdftotext is missing: scripts/install-deps installs it (poppler-utils)");
        QProcess read;
        read.start(pdftotext, {"-layout", dir.filePath("loan.pdf"), "-"});
        QVERIFY(read.waitForFinished(20000));
        const QString text = QString::fromUtf8(read.readAllStandardOutput()).replace(QChar(0xa0), QChar(0x20));
        for (const char* expected : {"Loan Schedule", "PMT -82.41", "Period", "Balance", "927.59", "Year 1",
                                     "-988.92", "Total", "-1,071.33", "Page 1 of 1", "Interest each year"})
            QVERIFY2(text.contains(expected), expected);

        // Only a regular file is written.
        QVERIFY(!schedule->saveCsv(dir.path(), &error));
        QVERIFY(!schedule->savePdf(dir.filePath("loan.csv/loan.pdf"), &error));
    }

    void chartHasInkInLightAndDark()
    {
        QuietForm form;
        form.press(Mortgage);
        ScheduleForm* schedule = OpenSchedule(form);
        schedule->resize(600, 700);
        QCoreApplication::processEvents();
        const int light = InkPixels(schedule->chart()->grab().toImage());
        QVERIFY2(light > 2000, qPrintable(QString::number(light)));

        QPalette dark;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Highlight, QColor(80, 140, 220));
        schedule->chart()->setPalette(dark);
        const QImage picture = schedule->chart()->grab().toImage();
        QVERIFY(picture.pixelColor(picture.width() - 2, picture.height() - 2).lightness() < 60);
        QVERIFY(InkPixels(picture) > 2000);

        // The series differ in lightness, so that they part in greyscale.
        for (const QPalette& palette : {QApplication::palette(), dark}) {
            const ChartStyle colors = ChartStyle::FromPalette(palette);
            QVERIFY(std::abs(colors.foreground.lightness() - colors.halftone.lightness()) > 50);
            QVERIFY(std::abs(colors.background.lightness() - colors.halftone.lightness()) > 50);
        }

        // No schedule, no ink.
        form.press("0 N");
        QCOMPARE(InkPixels(schedule->chart()->grab().toImage()), 0);
    }

    // Every control of both windows has a name for screen readers.
    void controlsNamedForScreenReaders()
    {
        QuietForm form;
        form.press(Mortgage);
        form.viewScheduleForm();
        form.viewCashFlowsForm();
        for (const char* name : {"schedule", "cashflows"}) {
            QWidget* window = form.sideWindow(name);
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                const bool control = qobject_cast<QAbstractButton*>(widget) ||
                                     qobject_cast<QAbstractItemView*>(widget) ||
                                     qobject_cast<QSplitterHandle*>(widget) || qobject_cast<ScheduleChart*>(widget);
                // A table's header is read as the table's column names.
                if (!control || !widget->isVisibleTo(window) || qobject_cast<QHeaderView*>(widget))
                    continue;
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
                QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                         qPrintable(QString("%1: %2").arg(name, widget->metaObject()->className())));
            }
        }
    }

private:
    static QPushButton* Button(QWidget* window, const char* name)
    {
        return window->findChild<QPushButton*>(QLatin1String(name));
    }
};

QTEST_MAIN(ScheduleFormTest)
#include "test_schedule.moc"
