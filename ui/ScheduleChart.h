// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of a loan schedule: the balance over the years as a line, and
// the interest and the principal paid each year as bars beside each other.
// Drawn with ui/Chart.h, in a window and on the page of a PDF file alike.
#pragma once

#include <QWidget>

#include <memory>

class QPainter;
struct Schedule;

// Draws the chart of the schedule into `area`.  A schedule without rows
// draws only the paper.
void DrawScheduleChart(QPainter& painter, const QRectF& area, const Schedule& schedule, const QPalette& palette,
                       const QFont& font, QChar groupSeparator);

class ScheduleChart : public QWidget {
    Q_OBJECT
public:
    explicit ScheduleChart(QWidget* parent = nullptr);

    void setSchedule(std::shared_ptr<const Schedule> schedule);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<const Schedule> schedule_;
};
