// SPDX-License-Identifier: GPL-3.0-or-later
#include "Chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

// Beyond this many ticks an axis is drawn with no more.
constexpr double MostTicks = 60;

double PowerOfTen(int exponent)
{
    return std::pow(10.0, double(exponent));
}

QColor Mix(const QColor& a, const QColor& b, double share)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * share),
                            float(a.greenF() + (b.greenF() - a.greenF()) * share),
                            float(a.blueF() + (b.blueF() - a.blueF()) * share));
}

} // namespace

ChartAxis ChartAxis::Around(double min, double max, int ticks)
{
    ChartAxis axis;
    if (!std::isfinite(min) || !std::isfinite(max) || min > max)
        min = 0, max = 1;
    if (min == max) {
        const double room = min == 0 ? 1 : std::fabs(min) / 10;
        min -= room;
        max += room;
    }
    const double raw = (max - min) / std::max(ticks, 1);
    if (!std::isfinite(raw) || raw <= 0) {
        // A span beyond the doubles: two ticks at the ends.
        axis.low_ = min;
        axis.high_ = max;
        axis.units_ = 0;
        return axis;
    }
    int exponent = int(std::floor(std::log10(raw)));
    const double fraction = raw / PowerOfTen(exponent);
    double units = 10;
    if (fraction <= 1)
        units = 1;
    else if (fraction <= 2)
        units = 2;
    else if (fraction <= 2.5)
        units = 25, --exponent;
    else if (fraction <= 5)
        units = 5;
    if (units == 10)
        units = 1, ++exponent;
    axis.units_ = units;
    axis.exponent_ = exponent;
    const double step = units * PowerOfTen(exponent);
    axis.first_ = std::floor(min / step);
    axis.last_ = std::ceil(max / step);
    axis.low_ = axis.Tick(axis.first_);
    axis.high_ = axis.Tick(axis.last_);
    if (!(axis.low_ < axis.high_)) {
        axis.low_ = min;
        axis.high_ = max;
        axis.units_ = 0;
    }
    return axis;
}

// Whole numbers times a power of ten: multiplied by a positive power, or
// divided by the power for a negative one, so that 3 × 10^-1 is the
// double nearest 0.3.
double ChartAxis::Tick(double k) const
{
    const double whole = k * units_;
    return exponent_ >= 0 ? whole * PowerOfTen(exponent_) : whole / PowerOfTen(-exponent_);
}

std::vector<double> ChartAxis::ticks() const
{
    if (units_ == 0 || last_ - first_ > MostTicks)
        return {low_, high_};
    std::vector<double> values;
    for (double k = first_; k <= last_; ++k)
        values.push_back(Tick(k));
    return values;
}

ChartStyle ChartStyle::FromPalette(const QPalette& palette)
{
    ChartStyle style;
    style.background = palette.color(QPalette::Base);
    style.foreground = palette.color(QPalette::Text);
    style.grid = Mix(style.background, style.foreground, 0.15);
    style.halftone = Mix(style.background, style.foreground, 0.45);
    style.series[0] = style.foreground;
    style.series[1] = palette.color(QPalette::Link);
    style.series[2] = palette.color(QPalette::Highlight);
    style.line[0] = Qt::SolidLine;
    style.line[1] = Qt::DashLine;
    style.line[2] = Qt::DotLine;
    return style;
}

ChartFrame::ChartFrame(const QRectF& bounds, const ChartAxis& x, const ChartAxis& y, const QFontMetricsF& metrics,
                       const Label& label)
    : x_(x), y_(y)
{
    qreal widest = 0;
    for (double v : y_.ticks()) {
        yLabels_.push_back(label(v));
        widest = std::max(widest, metrics.horizontalAdvance(yLabels_.back()));
    }
    for (double v : x_.ticks())
        xLabels_.push_back(label(v));
    const qreal gap = metrics.averageCharWidth();
    const qreal lastHalf = xLabels_.empty() ? 0 : metrics.horizontalAdvance(xLabels_.back()) / 2;
    area_ = bounds.adjusted(widest + gap, metrics.height() / 2, -std::max(gap, lastHalf),
                            -(metrics.height() + gap / 2));
}

QPointF ChartFrame::map(double x, double y) const
{
    const double fx = (x - x_.low()) / (x_.high() - x_.low());
    const double fy = (y - y_.low()) / (y_.high() - y_.low());
    return {area_.left() + fx * area_.width(), area_.bottom() - fy * area_.height()};
}

void ChartFrame::draw(QPainter& painter, const ChartStyle& style) const
{
    painter.save();
    const QFontMetricsF metrics(painter.font());
    const qreal gap = metrics.averageCharWidth() / 2;
    QPen grid(style.grid, 0);
    QPen axis(style.foreground, 0);
    const std::vector<double> xs = x_.ticks(), ys = y_.ticks();
    for (std::size_t i = 0; i < ys.size(); ++i) {
        const qreal at = map(x_.low(), ys[i]).y();
        painter.setPen(grid);
        painter.drawLine(QPointF(area_.left(), at), QPointF(area_.right(), at));
        painter.setPen(axis);
        painter.drawText(QRectF(0, at - metrics.height() / 2, area_.left() - gap, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, yLabels_[i]);
    }
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const qreal at = map(xs[i], y_.low()).x();
        painter.setPen(grid);
        painter.drawLine(QPointF(at, area_.top()), QPointF(at, area_.bottom()));
        painter.setPen(axis);
        const qreal width = metrics.horizontalAdvance(xLabels_[i]);
        painter.drawText(QRectF(at - width / 2, area_.bottom() + gap, width, metrics.height()), Qt::AlignCenter,
                         xLabels_[i]);
    }
    painter.setPen(axis);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area_);
    painter.restore();
}

namespace Chart {

namespace {

// Room around texts, as a share of the font's height.
constexpr double Gap = 0.4;

} // namespace

double Unit(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    return device ? std::max(1.0, device->logicalDpiY() / 96.0) : 1.0;
}

Axis NiceAxis(double low, double high, int count)
{
    const ChartAxis axis = ChartAxis::Around(low, high, count);
    return {axis.low(), axis.high(), axis.ticks()};
}

void FillBox(QPainter& painter, const QRectF& box, Fill fill, const QColor& color)
{
    if (box.width() <= 0 || box.height() <= 0)
        return;
    const double unit = Unit(painter);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    const double spacing = 4 * unit;
    switch (fill) {
    case Fill::Solid:
        painter.fillRect(box, color);
        break;
    case Fill::Hatched: {
        // Lines at 45 degrees step cleanly from pixel to pixel: drawn
        // without smoothing, they look the same and cost a third.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(color, unit));
        QPainterPath lines;
        for (double x = box.left() - box.height(); x < box.right(); x += spacing) {
            lines.moveTo(x, box.bottom());
            lines.lineTo(x + box.height(), box.top());
        }
        painter.drawPath(lines);
        break;
    }
    case Fill::Dotted:
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        for (double y = box.top() + spacing / 2; y < box.bottom(); y += spacing)
            for (double x = box.left() + spacing / 2; x < box.right(); x += spacing)
                painter.drawEllipse(QPointF(x, y), 0.9 * unit, 0.9 * unit);
        break;
    }
    painter.restore();
    painter.save();
    painter.setPen(QPen(color, unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.restore();
}

double Frame::mapX(double x) const
{
    const double span = x_.high - x_.low;
    return plot_.left() + (span != 0 ? (x - x_.low) / span : 0) * plot_.width();
}

double Frame::mapY(double y) const
{
    const double span = y_.high - y_.low;
    return plot_.bottom() - (span != 0 ? (y - y_.low) / span : 0) * plot_.height();
}

QRectF PlotArea(const QRectF& area, const QFont& font, QPaintDevice* device, const Axis& y, const TickText& yText,
                int legendLines)
{
    const QFontMetricsF metrics(font, device);
    double widest = 0;
    for (double tick : y.ticks)
        widest = std::max(widest, metrics.horizontalAdvance(yText(tick)));
    const double line = metrics.height();
    const double left = widest + line * Gap * 2;
    const double top = line * (legendLines + 2 * Gap);
    const double bottom = line * (1 + Gap);
    const double right = metrics.horizontalAdvance(QLatin1Char('0')) * 2;
    return area.adjusted(left, top, -right, -bottom);
}

void DrawAxes(QPainter& painter, const Frame& frame, const ChartStyle& style, const QFont& font,
              const TickText& xText, const TickText& yText)
{
    const double unit = Unit(painter);
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double gap = metrics.height() * Gap;
    const QRectF& plot = frame.plot();
    painter.setPen(QPen(style.grid, unit));
    for (double tick : frame.y().ticks)
        painter.drawLine(QPointF(plot.left(), frame.mapY(tick)), QPointF(plot.right(), frame.mapY(tick)));
    painter.setPen(QPen(style.foreground, unit));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (double tick : frame.y().ticks) {
        const QString text = yText(tick);
        const double y = frame.mapY(tick);
        const QRectF box(plot.left() - gap - metrics.horizontalAdvance(text), y - metrics.height() / 2,
                         metrics.horizontalAdvance(text), metrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
    }
    // The x texts where they do not run into the one before.
    double freeFrom = -1e300;
    for (double tick : frame.x().ticks) {
        const QString text = xText(tick);
        if (text.isEmpty())
            continue;
        const double width = metrics.horizontalAdvance(text);
        const double x = frame.mapX(tick);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + gap / 2));
        if (x - width / 2 < freeFrom)
            continue;
        painter.drawText(QRectF(x - width / 2, plot.bottom() + gap / 2, width, metrics.height()),
                         Qt::AlignCenter, text);
        freeFrom = x + width / 2 + metrics.horizontalAdvance(QLatin1Char(' '));
    }
    painter.restore();
}

namespace {

// Where each entry of a legend begins in `width`: its line and its left.
std::vector<QPointF> LegendPlaces(double width, const QFontMetricsF& metrics, const std::vector<LegendEntry>& entries)
{
    const double line = metrics.height();
    std::vector<QPointF> places;
    double x = 0;
    int row = 0;
    for (const LegendEntry& entry : entries) {
        const double wide = line * (1.6 + Gap) + metrics.horizontalAdvance(entry.text);
        if (x > 0 && x + wide > width) {
            x = 0;
            ++row;
        }
        places.emplace_back(x, row);
        x += wide + line;
    }
    return places;
}

} // namespace

int LegendLines(double width, const QFont& font, QPaintDevice* device, const std::vector<LegendEntry>& entries)
{
    const std::vector<QPointF> places = LegendPlaces(width, QFontMetricsF(font, device), entries);
    return places.empty() ? 1 : int(places.back().y()) + 1;
}

void DrawLegend(QPainter& painter, const QRectF& area, const QFont& font, const ChartStyle& style,
                const std::vector<LegendEntry>& entries)
{
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const double swatch = line * 1.6;
    const std::vector<QPointF> places = LegendPlaces(area.width(), metrics, entries);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LegendEntry& entry = entries[i];
        const double x = area.left() + places[i].x();
        const double y = area.top() + line * (Gap + places[i].y());
        const QRectF box(x, y + line * 0.2, swatch, line * 0.6);
        if (entry.line) {
            painter.setPen(QPen(entry.color, 2 * Unit(painter), entry.style, Qt::FlatCap));
            painter.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
        } else {
            FillBox(painter, box, entry.fill, entry.color);
        }
        painter.setPen(style.foreground);
        const double width = metrics.horizontalAdvance(entry.text);
        painter.drawText(QRectF(box.right() + line * Gap, y, width, line), Qt::AlignLeft | Qt::AlignVCenter,
                         entry.text);
    }
    painter.restore();
}

QString TickNumber(double value, double step, QChar separator)
{
    const int decimals = step >= 1 ? 0 : step >= 0.1 ? 1 : 2;
    QString text = QString::number(std::fabs(value), 'f', decimals);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    qsizetype end = point >= 0 ? point : text.size();
    if (point >= 0 && separator == QLatin1Char('.'))
        text[point] = QLatin1Char(',');
    for (qsizetype p = end - 3; p > 0; p -= 3)
        text.insert(p, separator);
    const bool zero =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return !c.isDigit() || c == QLatin1Char('0'); });
    if (value < 0 && !zero)
        text.prepend(QLatin1Char('-'));
    return text;
}

} // namespace Chart
