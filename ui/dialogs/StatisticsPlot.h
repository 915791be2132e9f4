// SPDX-License-Identifier: GPL-3.0-or-later
// The scatter plot of the Statistics window: the points, the
// least-squares line over their range, and above them a key that names
// both, with the line's equation and r.
//
// Points are hollow rings, points of selected rows filled squares and the
// line a thick stroke, so that the three differ in shape as well as in
// colour; the colours are the palette's.
#pragma once

#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class ChartFrame;
struct DataPoint;

class StatisticsPlot : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsPlot(QWidget* parent = nullptr);
    ~StatisticsPlot() override;

    // What the plot shows: the points (kept by the caller, which calls
    // again when they change), the line as the ŷ key gives it (none when
    // it has no slope), the rows selected and the key's texts.
    void setPoints(const std::vector<DataPoint>* points);
    void setLine(bool shown);
    void setSelectedRows(std::vector<int> rows);
    void setLegend(const QString& points, const QString& line, const QString& correlation);
    // The range of the points changed (a new list, another format).
    void pointsChanged();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Paints the whole plot; public for timing it.
    void paintPlot(QPainter& painter, const QRectF& bounds);
    // Where the last painting put the point (x, y); a null point when it
    // drew no axes.
    QPointF positionOf(double x, double y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Range {
        bool any = false;
        double minX = 0, maxX = 0, minY = 0, maxY = 0;
    };
    Range range() const;
    // A mark drawn once per size and colour, then stamped at each point.
    const QPixmap& mark(bool selected, const QColor& color, qreal ratio);

    const std::vector<DataPoint>* points_ = nullptr;
    std::vector<int> selected_;
    bool line_ = false;
    QString pointsLegend_, lineLegend_, correlationLegend_;
    mutable Range range_;
    mutable bool rangeKnown_ = false;
    QPixmap marks_[2];
    std::unique_ptr<ChartFrame> frame_;
};
