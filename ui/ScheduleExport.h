// SPDX-License-Identifier: GPL-3.0-or-later
// The loan schedule written out for other programs: tab-separated text to
// paste into a spreadsheet, a CSV file, and printable PDF pages.
#pragma once

#include <QList>
#include <QString>

#include <string>

class QIODevice;
class ScheduleModel;

// The rows' texts as the table shows them, tab-separated, a line each; the
// column names first when `names`.
QString ScheduleTabText(const ScheduleModel& model, const QList<int>& rows, bool names);

// The CSV file: a line with the loan's terms (name, value, ...), the column
// names, then each row with its texts as shown and then its amounts in full
// precision.
std::string ScheduleCsv(const ScheduleModel& model);

// Writes the PDF: the title, the terms, the note, the chart and the table,
// on as many A4 pages as the table needs, each with the column names and a
// page number.  False when it could not be written.
bool WriteSchedulePdf(QIODevice& device, const ScheduleModel& model, const QString& title, const QString& terms,
                      const QString& note);
