// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScheduleExport.h"

#include "core/State.h"
#include "format/TableText.h"
#include "ui/ScheduleChart.h"
#include "ui/ScheduleModel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <vector>

namespace {

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

// Paper: black ink on white whatever the desktop's colours, with the
// desktop's highlight for the chart.
QPalette PrintPalette()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    return palette;
}

} // namespace

QString ScheduleTabText(const ScheduleModel& model, const QList<int>& rows, bool names)
{
    QString text;
    if (names)
        text += model.columnNames().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int row : rows)
        text += model.rowTexts(row).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

std::string ScheduleCsv(const ScheduleModel& model)
{
    const auto reg = [](int r) { return CsvNumber(Regs.registers[r], false); };
    std::string csv = CsvRow({"N", reg(RegN), "I/YR", reg(RegInterest), "PV", reg(RegPresentValue), "PMT",
                              reg(RegPayment), "FV", reg(RegFutureValue), "P/YR", reg(RegPaymentsPerYear), "BEG",
                              Prefs.beginMode() ? "1" : "0"});
    std::vector<std::string> names;
    for (const QString& name : model.columnNames())
        names.push_back(Utf8(name));
    for (int column = ScheduleModel::PaymentColumn; column < ScheduleModel::ColumnCount; ++column)
        names.push_back(Utf8(ScheduleModel::tr("%1 (full precision)").arg(model.columnNames()[column])));
    csv += CsvRow(names);
    const Schedule& schedule = *model.schedule();
    for (int row = 0; row < model.rowCount(); ++row) {
        const ScheduleRow r = ScheduleRowAt(schedule, row);
        std::vector<std::string> fields;
        for (int column = 0; column < ScheduleModel::ColumnCount; ++column)
            fields.push_back(Utf8(ScheduleModel::cellText(r, column)));
        for (double amount : {r.payment, r.interest, r.principal, r.balance})
            fields.push_back(CsvNumber(amount, false));
        csv += CsvRow(fields);
    }
    return csv;
}

bool WriteSchedulePdf(QIODevice& device, const ScheduleModel& model, const QString& title, const QString& terms,
                      const QString& note)
{
    QPdfWriter writer(&device);
    writer.setTitle(title);
    writer.setCreator(QCoreApplication::applicationName());
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const QRectF page(0, 0, writer.width(), writer.height());

    QFont body = QApplication::font();
    body.setPointSizeF(9);
    QFont bold = body;
    bold.setBold(true);
    QFont heading = bold;
    heading.setPointSizeF(14);
    const QFontMetricsF metrics(body, &writer);
    const double line = metrics.height() * 1.25;

    // The first page: the title, the terms, the note and the chart.
    double y = 0;
    painter.setPen(Qt::black);
    painter.setFont(heading);
    const QFontMetricsF headingMetrics(heading, &writer);
    painter.drawText(QRectF(0, y, page.width(), headingMetrics.height()), Qt::AlignLeft, title);
    y += headingMetrics.height() * 1.5;
    painter.setFont(body);
    for (const QString& text : {terms, note}) {
        if (text.isEmpty())
            continue;
        const QRectF box = painter.boundingRect(QRectF(0, y, page.width(), page.height()), Qt::TextWordWrap, text);
        painter.drawText(QRectF(0, y, page.width(), box.height()), Qt::TextWordWrap, text);
        y += box.height() + line * 0.5;
    }
    const double chartHeight = page.height() * 0.3;
    DrawScheduleChart(painter, QRectF(0, y, page.width(), chartHeight), *model.schedule(), PrintPalette(), body,
                      Prefs.commaRadix() ? QLatin1Char('.') : QLatin1Char(','));
    y += chartHeight + line;

    // The table, continued on as many pages as it needs.
    const double first = 0.16;
    const std::vector<double> widths = {first, (1 - first) / 4, (1 - first) / 4, (1 - first) / 4, (1 - first) / 4};
    const auto drawRow = [&](const QStringList& texts, double top) {
        double x = 0;
        for (int column = 0; column < ScheduleModel::ColumnCount; ++column) {
            const double width = widths[std::size_t(column)] * page.width();
            painter.drawText(QRectF(x, top, width - line * 0.5, line), Qt::AlignRight | Qt::AlignVCenter,
                             texts.value(column));
            x += width;
        }
    };
    const int rows = model.rowCount();
    const int firstPageRows = std::max(0, int((page.height() - y) / line) - 3);
    const int pageRows = std::max(1, int(page.height() / line) - 3);
    const int pages = 1 + (rows > firstPageRows ? (rows - firstPageRows + pageRows - 1) / pageRows : 0);
    int row = 0;
    for (int number = 1; number <= pages; ++number) {
        if (number > 1) {
            if (!writer.newPage())
                return false;
            y = 0;
        }
        const int end = std::min(rows, row + (number == 1 ? firstPageRows : pageRows));
        if (row < end) {
            painter.setFont(bold);
            drawRow(model.columnNames(), y);
            painter.drawLine(QPointF(0, y + line), QPointF(page.width(), y + line));
            y += line * 1.1;
        }
        for (; row < end; ++row, y += line) {
            painter.setFont(ScheduleRowKindAt(*model.schedule(), row) == ScheduleRowKind::Period ? body : bold);
            drawRow(model.rowTexts(row), y);
        }
        painter.setFont(body);
        painter.drawText(QRectF(0, page.height() - line, page.width(), line), Qt::AlignRight | Qt::AlignVCenter,
                         ScheduleModel::tr("Page %1 of %2").arg(number).arg(pages));
    }
    return painter.end();
}
