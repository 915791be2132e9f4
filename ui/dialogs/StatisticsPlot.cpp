// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsPlot.h"

#include "core/State.h"
#include "engine/Points.h"
#include "engine/Statistics.h"
#include "ui/Chart.h"
#include "ui/NumberText.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The room left around the points, as a share of their spread.
constexpr double Padding = 0.04;

bool Finite(const DataPoint& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// A tick's number as the display shows it, without the radix mark that
// ends a whole number there: an axis reads 2, not "2.".
QString AxisNumber(double value)
{
    QString text = ShownNumber(value);
    if (text.endsWith(QLatin1Char(Prefs.commaRadix() ? ',' : '.')))
        text.chop(1);
    return text;
}

} // namespace

StatisticsPlot::StatisticsPlot(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("plot"));
    setAccessibleName(tr("Scatter plot"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

StatisticsPlot::~StatisticsPlot() = default;

QPointF StatisticsPlot::positionOf(double x, double y) const
{
    return frame_ ? frame_->map(x, y) : QPointF();
}

QSize StatisticsPlot::sizeHint() const
{
    return QSize(fontMetrics().height() * 22, fontMetrics().height() * 16);
}

QSize StatisticsPlot::minimumSizeHint() const
{
    return QSize(fontMetrics().height() * 10, fontMetrics().height() * 8);
}

void StatisticsPlot::setPoints(const std::vector<DataPoint>* points)
{
    points_ = points;
    pointsChanged();
}

void StatisticsPlot::pointsChanged()
{
    rangeKnown_ = false;
    update();
}

void StatisticsPlot::setLine(bool shown)
{
    if (line_ != shown) {
        line_ = shown;
        update();
    }
}

void StatisticsPlot::setSelectedRows(std::vector<int> rows)
{
    selected_ = std::move(rows);
    update();
}

void StatisticsPlot::setLegend(const QString& points, const QString& line, const QString& correlation)
{
    if (points == pointsLegend_ && line == lineLegend_ && correlation == correlationLegend_)
        return;
    pointsLegend_ = points;
    lineLegend_ = line;
    correlationLegend_ = correlation;
    setAccessibleDescription(line + QLatin1String(", ") + correlation);
    update();
}

void StatisticsPlot::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        marks_[0] = marks_[1] = QPixmap();
        update();
    }
}

StatisticsPlot::Range StatisticsPlot::range() const
{
    if (rangeKnown_)
        return range_;
    Range r;
    if (points_) {
        for (const DataPoint& p : *points_) {
            if (!Finite(p))
                continue;
            if (!r.any) {
                r.minX = r.maxX = p.x;
                r.minY = r.maxY = p.y;
                r.any = true;
                continue;
            }
            r.minX = std::min(r.minX, p.x);
            r.maxX = std::max(r.maxX, p.x);
            r.minY = std::min(r.minY, p.y);
            r.maxY = std::max(r.maxY, p.y);
        }
    }
    range_ = r;
    rangeKnown_ = true;
    return r;
}

const QPixmap& StatisticsPlot::mark(bool selected, const QColor& color, qreal ratio)
{
    QPixmap& pixmap = marks_[selected];
    const qreal radius = std::max(3.0, fontMetrics().height() * 0.22);
    const qreal side = 2 * radius + (selected ? 3 : 1);
    if (!pixmap.isNull() && pixmap.devicePixelRatio() == ratio)
        return pixmap;
    pixmap = QPixmap(QSize(int(std::ceil(side * ratio)), int(std::ceil(side * ratio))));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, 0, side, side);
    if (selected) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        painter.setPen(QPen(color, 1.4));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(box.center(), radius - 0.7, radius - 0.7);
    }
    return pixmap;
}

void StatisticsPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPlot(painter, rect());
}

void StatisticsPlot::paintPlot(QPainter& painter, const QRectF& bounds)
{
    const ChartStyle style = ChartStyle::FromPalette(palette());
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.fillRect(bounds, style.background);
    painter.setFont(font());
    const QFontMetricsF metrics(font());
    const qreal unit = metrics.height();

    const Range r = range();
    frame_.reset();
    if (!r.any) {
        painter.setPen(style.foreground);
        painter.drawText(bounds.adjusted(unit, unit, -unit, -unit), Qt::AlignCenter | Qt::TextWordWrap,
                         tr("No points yet. Σ+ adds one; you can also type them into the table or paste them."));
        return;
    }

    // The key: a ring and "Points", a stroke and the line's equation, and
    // r, each on the line before while it has room, else on the next.
    const QPixmap& ring = mark(false, style.series[0], ratio);
    const qreal ringSide = ring.width() / ratio;
    const qreal left = bounds.left() + unit / 2, right = bounds.right() - unit / 2;
    const qreal lineHeight = unit * 1.25;
    const qreal baseline = metrics.ascent() / 2 - metrics.descent() / 2;
    const qreal stroke = line_ ? unit * 2 : 0;
    qreal x = left, middle = bounds.top() + lineHeight / 2 + unit / 8;
    // Where the next part of the given width goes: its left end.
    auto place = [&](qreal width) {
        if (x > left && x + width > right) {
            x = left;
            middle += lineHeight;
        }
        const qreal at = x;
        x += width + unit;
        return at;
    };
    painter.setPen(style.foreground);
    qreal at = place(ringSide + unit / 3 + metrics.horizontalAdvance(pointsLegend_));
    painter.drawPixmap(QPointF(at, middle - ringSide / 2), ring);
    painter.drawText(QPointF(at + ringSide + unit / 3, middle + baseline), pointsLegend_);
    at = place(stroke + metrics.horizontalAdvance(lineLegend_));
    if (line_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(style.series[1], 2.5, style.line[0], Qt::FlatCap));
        painter.drawLine(QPointF(at, middle), QPointF(at + unit * 1.5, middle));
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(style.foreground);
    }
    painter.drawText(QPointF(at + stroke, middle + baseline),
                     metrics.elidedText(lineLegend_, Qt::ElideRight, right - at - stroke));
    at = place(metrics.horizontalAdvance(correlationLegend_));
    painter.drawText(QPointF(at, middle + baseline), metrics.elidedText(correlationLegend_, Qt::ElideRight, right - at));
    const QRectF chart = bounds.adjusted(unit / 2, middle - bounds.top() + lineHeight / 2 + unit / 4, -unit / 2,
                                         -unit / 4);

    // The axes hold the points and the line over their range.
    double low = r.minY, high = r.maxY;
    const double lineLeft = line_ ? LineAt(r.minX) : NAN, lineRight = line_ ? LineAt(r.maxX) : NAN;
    for (double y : {lineLeft, lineRight}) {
        if (std::isfinite(y)) {
            low = std::min(low, y);
            high = std::max(high, y);
        }
    }
    // As many ticks as their labels leave room for.
    const qreal sample = metrics.horizontalAdvance(AxisNumber(r.maxX)) + 2 * metrics.averageCharWidth();
    const int xTicks = std::clamp(int(chart.width() / std::max(sample * 1.4, unit * 3)), 2, 10);
    const int yTicks = std::clamp(int(chart.height() / (unit * 2.5)), 2, 10);
    // A little room around them, so that no point sits on the frame.
    const double padX = (r.maxX - r.minX) * Padding, padY = (high - low) * Padding;
    frame_ = std::make_unique<ChartFrame>(chart, ChartAxis::Around(r.minX - padX, r.maxX + padX, xTicks),
                                          ChartAxis::Around(low - padY, high + padY, yTicks), metrics, AxisNumber);
    const ChartFrame& frame = *frame_;
    frame.draw(painter, style);
    const QRectF area = frame.plotArea();
    painter.save();
    painter.setClipRect(area.adjusted(-ringSide, -ringSide, ringSide, ringSide));

    if (line_ && std::isfinite(lineLeft) && std::isfinite(lineRight)) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(style.series[1], 2.5, style.line[0], Qt::RoundCap));
        painter.drawLine(frame.map(r.minX, lineLeft), frame.map(r.maxX, lineRight));
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    // Each point once per device pixel: a dense cloud stamps no mark twice
    // on the same place.
    const int columns = int(std::ceil(area.width() * ratio)) + 1, rows = int(std::ceil(area.height() * ratio)) + 1;
    std::vector<bool> taken(std::size_t(columns) * std::size_t(rows));
    const qreal half = ringSide / 2;
    for (const DataPoint& p : *points_) {
        if (!Finite(p))
            continue;
        const QPointF at = frame.map(p.x, p.y);
        const int column = std::clamp(int((at.x() - area.left()) * ratio), 0, columns - 1);
        const int row = std::clamp(int((at.y() - area.top()) * ratio), 0, rows - 1);
        const std::size_t cell = std::size_t(row) * std::size_t(columns) + std::size_t(column);
        if (taken[cell])
            continue;
        taken[cell] = true;
        painter.drawPixmap(QPointF(at.x() - half, at.y() - half), ring);
    }
    const QPixmap& square = mark(true, style.series[2], ratio);
    const qreal squareHalf = square.width() / ratio / 2;
    for (int i : selected_) {
        if (i < 0 || std::size_t(i) >= points_->size() || !Finite((*points_)[std::size_t(i)]))
            continue;
        const QPointF at = frame.map((*points_)[std::size_t(i)].x, (*points_)[std::size_t(i)].y);
        painter.drawPixmap(QPointF(at.x() - squareHalf, at.y() - squareHalf), square);
    }
    painter.restore();
}
