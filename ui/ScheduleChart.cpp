// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScheduleChart.h"

#include "core/State.h"
#include "engine/Schedule.h"
#include "ui/Chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// Bars at least this wide in pixels; more years than fit are added up in
// groups of years.
constexpr double NarrowestBar = 3;

// +1 or -1: the sign that shows the balance as a positive amount, as a
// loan's (PV > 0) or a savings plan's (PV <= 0, payments in) grows.
double BalanceSign(const Schedule& s)
{
    if (s.start != 0)
        return s.start < 0 ? -1 : 1;
    for (double balance : s.balances)
        if (balance != 0)
            return balance < 0 ? -1 : 1;
    return 1;
}

// The line of the balance from the start to each period's end: at most two
// points per pixel column, the lowest and the highest of its periods.
QPainterPath BalanceLine(const Chart::Frame& frame, const Schedule& s, double sign, double periodsPerUnit)
{
    QPainterPath path;
    path.moveTo(frame.map(0, sign * s.start));
    const double columns = std::max(1.0, frame.plot().width());
    const auto n = s.balances.size();
    if (double(n) <= 2 * columns) {
        for (std::size_t p = 0; p < n; ++p)
            path.lineTo(frame.map(double(p + 1) / periodsPerUnit, sign * s.balances[p]));
        return path;
    }
    std::size_t p = 0;
    for (int column = 0; column < int(columns) && p < n; ++column) {
        const std::size_t end = std::min(n, std::size_t(std::ceil(double(column + 1) * double(n) / columns)));
        double low = sign * s.balances[p], high = low;
        for (std::size_t q = p; q < end; ++q) {
            low = std::min(low, sign * s.balances[q]);
            high = std::max(high, sign * s.balances[q]);
        }
        const double x = double(end) / periodsPerUnit;
        path.lineTo(frame.map(x, high));
        path.lineTo(frame.map(x, low));
        p = end;
    }
    return path;
}

struct Bar {
    double interest = 0;
    double principal = 0;
};

} // namespace

void DrawScheduleChart(QPainter& painter, const QRectF& area, const Schedule& s, const QPalette& palette,
                       const QFont& font, QChar groupSeparator)
{
    const ChartStyle colors = ChartStyle::FromPalette(palette);
    painter.save();
    painter.fillRect(area, colors.background);
    if (s.problem != ScheduleProblem::None || s.balances.empty()) {
        painter.restore();
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);

    // The x axis in years when the periods make whole years, else in periods.
    const double periodsPerUnit = s.periodsPerYear ? double(s.periodsPerYear) : 1.0;
    const double sign = BalanceSign(s);
    const double span = double(s.balances.size()) / periodsPerUnit;

    // The interest and principal of each year, added up in groups of years
    // when there are more than the chart has room for.
    std::vector<Bar> bars;
    int yearsPerBar = 1;
    if (!s.years.empty()) {
        const double room = std::max(1.0, area.width() * 0.8 / (NarrowestBar * Chart::Unit(painter)));
        yearsPerBar = std::max(1, int(std::ceil(double(s.years.size()) / room)));
        for (std::size_t y = 0; y < s.years.size(); ++y) {
            if (y % std::size_t(yearsPerBar) == 0)
                bars.emplace_back();
            bars.back().interest += std::fabs(s.years[y].interest);
            bars.back().principal += std::fabs(s.years[y].principal);
        }
    }

    // A chart too low for two parts shows the balance alone.
    if (area.height() < QFontMetricsF(font, painter.device()).height() * 10)
        bars.clear();

    // The x axis ends with the last period, between two ticks or on one.
    Chart::Axis x = Chart::NiceAxis(0, span, 8);
    x.high = span;
    while (!x.ticks.empty() && x.ticks.back() > span)
        x.ticks.pop_back();
    const double xStep = x.ticks.size() > 1 ? x.ticks[1] - x.ticks[0] : 1;
    const auto xText = [xStep, groupSeparator](double v) { return Chart::TickNumber(v, xStep, groupSeparator); };
    const auto noText = [](double) { return QString(); };
    const auto textOf = [groupSeparator](const Chart::Axis& axis) {
        const double step = axis.ticks.size() > 1 ? axis.ticks[1] - axis.ticks[0] : 1;
        return [step, groupSeparator](double v) { return Chart::TickNumber(v, step, groupSeparator); };
    };

    // The balance above; the year's principal and interest stacked below,
    // on a scale of their own, so that both read at their size.
    double low = std::min(0.0, sign * s.start), high = std::max(0.0, sign * s.start);
    for (double balance : s.balances) {
        low = std::min(low, sign * balance);
        high = std::max(high, sign * balance);
    }
    // A balance that ends a cent below zero needs no band of its own.
    if (low < 0 && -low < 0.01 * high)
        low = 0;
    double paid = 0;
    for (const Bar& bar : bars)
        paid = std::max(paid, bar.interest + bar.principal);

    std::vector<Chart::LegendEntry> legend;
    legend.push_back({ScheduleChart::tr("Balance"), colors.foreground, true});
    if (!bars.empty()) {
        legend.push_back({yearsPerBar == 1 ? ScheduleChart::tr("Principal each year")
                                           : ScheduleChart::tr("Principal every %1 years").arg(yearsPerBar),
                          colors.halftone, false, Qt::SolidLine, Chart::Fill::Solid});
        legend.push_back({yearsPerBar == 1 ? ScheduleChart::tr("Interest each year")
                                           : ScheduleChart::tr("Interest every %1 years").arg(yearsPerBar),
                          colors.series[2], false, Qt::SolidLine, Chart::Fill::Hatched});
    }

    // Room for the tick texts of both axes and for the legend, on as many
    // lines as it takes; then as many ticks as the height of each part has
    // room for, whose texts may be wider.
    const QFontMetricsF metrics(font, painter.device());
    const auto plotArea = [&](const Chart::Axis& balanceAxis, const Chart::Axis& paidAxis, int lines) {
        const QRectF whole = Chart::PlotArea(area, font, painter.device(), balanceAxis, textOf(balanceAxis), lines);
        const QRectF paidRoom = Chart::PlotArea(area, font, painter.device(), paidAxis, textOf(paidAxis), lines);
        return QRectF(QPointF(std::max(whole.left(), paidRoom.left()), whole.top()), whole.bottomRight());
    };
    Chart::Axis balanceAxis = Chart::NiceAxis(low, high, 4);
    Chart::Axis paidAxis = Chart::NiceAxis(0, paid, 2);
    const double roughLeft = plotArea(balanceAxis, paidAxis, 1).left();
    const int legendLines = Chart::LegendLines(area.right() - roughLeft, font, painter.device(), legend);
    QRectF whole = plotArea(balanceAxis, paidAxis, legendLines);
    const double gap = bars.empty() ? 0 : metrics.height() * 1.5;
    const double topHeight = (whole.height() - gap) * (bars.empty() ? 1 : 0.62);
    const double bottomHeight = whole.height() - gap - topHeight;
    const auto ticksIn = [&metrics](double height, int most) {
        return std::clamp(int(height / (metrics.height() * 1.5)), 1, most);
    };
    balanceAxis = Chart::NiceAxis(low, high, ticksIn(topHeight, 4));
    paidAxis = Chart::NiceAxis(0, paid, ticksIn(bottomHeight, 2));
    whole = plotArea(balanceAxis, paidAxis, legendLines);
    const double left = whole.left();
    const QRectF top(whole.topLeft(), QPointF(whole.right(), whole.top() + topHeight));
    const QRectF bottom(QPointF(left, top.bottom() + gap), whole.bottomRight());
    const Chart::Frame balanceFrame(top, x, balanceAxis);
    Chart::DrawAxes(painter, balanceFrame, colors, font,
                    bars.empty() ? Chart::TickText(xText) : Chart::TickText(noText), textOf(balanceAxis));
    // Bevelled joins: a round join costs a trigonometric arc at each of the
    // hundreds of joins, and at this width looks the same.
    painter.setPen(QPen(colors.foreground, 2 * Chart::Unit(painter), Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(BalanceLine(balanceFrame, s, sign, periodsPerUnit));

    if (!bars.empty()) {
        const Chart::Frame paidFrame(bottom, x, paidAxis);
        Chart::DrawAxes(painter, paidFrame, colors, font, xText, textOf(paidAxis));
        for (std::size_t b = 0; b < bars.size(); ++b) {
            const double from = paidFrame.mapX(double(b) * yearsPerBar);
            const double to = paidFrame.mapX(std::min(double(b + 1) * yearsPerBar, span));
            const double inset = (to - from) * (to - from > 4 * Chart::Unit(painter) ? 0.15 : 0);
            const double base = paidFrame.mapY(0);
            const double principalTop = paidFrame.mapY(bars[b].principal);
            const double interestTop = paidFrame.mapY(bars[b].principal + bars[b].interest);
            Chart::FillBox(painter, QRectF(QPointF(from + inset, principalTop), QPointF(to - inset, base)),
                           Chart::Fill::Solid, colors.halftone);
            Chart::FillBox(painter, QRectF(QPointF(from + inset, interestTop), QPointF(to - inset, principalTop)),
                           Chart::Fill::Hatched, colors.series[2]);
        }
    }

    Chart::DrawLegend(painter, QRectF(left, area.top(), area.right() - left, whole.top() - area.top()), font, colors,
                      legend);
    painter.restore();
}

ScheduleChart::ScheduleChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chart"));
    setAccessibleName(tr("Balance chart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ScheduleChart::setSchedule(std::shared_ptr<const Schedule> schedule)
{
    schedule_ = std::move(schedule);
    update();
}

QSize ScheduleChart::sizeHint() const
{
    const int line = fontMetrics().height();
    return QSize(line * 30, line * 12);
}

QSize ScheduleChart::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return QSize(line * 12, line * 6);
}

void ScheduleChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (schedule_)
        DrawScheduleChart(painter, rect(), *schedule_, palette(), font(),
                          Prefs.commaRadix() ? QLatin1Char('.') : QLatin1Char(','));
}
