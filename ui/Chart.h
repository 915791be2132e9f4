// SPDX-License-Identifier: GPL-3.0-or-later
// Charts drawn with QPainter, for the side windows that plot numbers: axes
// at round steps with their labels, the mapping of values into the plot,
// and colours taken from the palette, with line styles and marks that tell
// the series apart without colour, so that a chart reads on a dark desktop
// and in grey.
#pragma once

#include <QColor>
#include <QFontMetricsF>
#include <QPalette>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

// An axis from `low` to `high` with a tick at every multiple of the step
// between them.  The step is a whole number times a power of ten, so that
// the ticks are the doubles nearest their decimal values.
class ChartAxis {
public:
    // An axis that holds min..max in about `ticks` steps of 1, 2, 2.5 or
    // 5 times a power of ten; a single value, or none, gets an axis around
    // it.
    static ChartAxis Around(double min, double max, int ticks);

    double low() const { return low_; }
    double high() const { return high_; }
    // The values of the ticks, from low to high.
    std::vector<double> ticks() const;

private:
    double Tick(double k) const;
    double low_ = 0, high_ = 1;
    double units_ = 1; // the step is units_ times 10^exponent_
    int exponent_ = 0;
    double first_ = 0, last_ = 1; // tick numbers at low and high
};

// The colours of a chart from a palette: its background, the text and
// axes, a faint grid, and for each series a colour and a line style, the
// styles solid, dashed and dotted so that they differ in grey as well.
struct ChartStyle {
    static constexpr int SeriesCount = 3;
    QColor background, foreground, grid;
    QColor series[SeriesCount];
    Qt::PenStyle line[SeriesCount];

    static ChartStyle FromPalette(const QPalette& palette);
};

// The frame of a chart in a rectangle: the plot area with room for the
// tick labels at its left and below it, the mapping of values into it,
// and the grid, axes and labels drawn around it.
class ChartFrame {
public:
    using Label = std::function<QString(double)>;
    ChartFrame(const QRectF& bounds, const ChartAxis& x, const ChartAxis& y, const QFontMetricsF& metrics,
               const Label& label);

    QRectF plotArea() const { return area_; }
    QPointF map(double x, double y) const;

    void draw(QPainter& painter, const ChartStyle& style) const;

private:
    ChartAxis x_, y_;
    QRectF area_;
    std::vector<QString> xLabels_, yLabels_;
};
