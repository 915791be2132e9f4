// SPDX-License-Identifier: GPL-3.0-or-later
// Charts drawn with QPainter, for the side windows that plot numbers: axes
// at round steps with their labels, the mapping of values into the plot,
// and colours taken from the palette, with line styles, fill patterns and
// marks that tell the series apart without colour, so that a chart reads on
// a dark desktop and in grey.  Everything is drawn as vectors, sharp at any
// scale and in a PDF file; nothing is loaded at start-up.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPalette>
#include <QRectF>
#include <QPointF>
#include <QString>

#include <functional>
#include <vector>

class QPaintDevice;
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
    // A half tone of the foreground on the background, for a fill that
    // stands apart from the background and from the series in grey.
    QColor halftone;
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

// The parts of a chart of several plots that share an x axis: plot areas
// with room for a legend, axes, legends, and boxes filled with patterns.
namespace Chart {

// An axis as a frame draws it: its ends and its ticks, those of a ChartAxis
// or fewer, when the data end between two.
struct Axis {
    double low = 0;
    double high = 1;
    std::vector<double> ticks;
};
// ChartAxis::Around(low, high, count) as an Axis.
Axis NiceAxis(double low, double high, int count);

// How a box or a legend swatch is filled: in the colour, with diagonal
// lines of it, or with dots of it; each with an outline in the colour.
enum class Fill { Solid, Hatched, Dotted };
void FillBox(QPainter& painter, const QRectF& box, Fill fill, const QColor& color);

// The plot area of a chart and its two axes: values to points.
class Frame {
public:
    Frame(const QRectF& plot, const Axis& x, const Axis& y) : plot_(plot), x_(x), y_(y) {}
    const QRectF& plot() const { return plot_; }
    const Axis& x() const { return x_; }
    const Axis& y() const { return y_; }
    double mapX(double x) const;
    double mapY(double y) const;
    QPointF map(double x, double y) const { return {mapX(x), mapY(y)}; }

private:
    QRectF plot_;
    Axis x_;
    Axis y_;
};

using TickText = std::function<QString(double)>;

// The plot area that leaves room, inside `area`, for the tick texts of the
// axes and for `legendLines` lines of legend at the top, in the font on
// `device`.
QRectF PlotArea(const QRectF& area, const QFont& font, QPaintDevice* device, const Axis& y, const TickText& yText,
                int legendLines = 1);

// The width of a thin line on the painter's device: one pixel of a screen
// (at any device pixel ratio), its equal on paper.
double Unit(const QPainter& painter);

// The grid at the y ticks, the axes, and the tick texts of both axes.
void DrawAxes(QPainter& painter, const Frame& frame, const ChartStyle& style, const QFont& font,
              const TickText& xText, const TickText& yText);

// One entry of a legend: a line of the pen's style, or a box of the fill.
struct LegendEntry {
    QString text;
    QColor color;
    bool line = false;
    Qt::PenStyle style = Qt::SolidLine;
    Fill fill = Fill::Solid;
};
// The entries in a row from the top left of `area`, above the plot; an
// entry that does not fit the row begins the next.
void DrawLegend(QPainter& painter, const QRectF& area, const QFont& font, const ChartStyle& style,
                const std::vector<LegendEntry>& entries);
// The lines DrawLegend takes for the entries in `width`.
int LegendLines(double width, const QFont& font, QPaintDevice* device, const std::vector<LegendEntry>& entries);

// A thousands-grouped whole number with the separator, or with one or two
// decimals when the step between ticks needs them.
QString TickNumber(double value, double step, QChar separator);

} // namespace Chart
