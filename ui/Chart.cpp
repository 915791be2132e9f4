// SPDX-License-Identifier: GPL-3.0-or-later
#include "Chart.h"

#include <QPainter>

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
