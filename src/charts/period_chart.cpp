#include "charts/period_chart.h"

#include "charts/chart_style.h"
#include "charts/time_ticks.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace brelo {

namespace {

const QColor kCurveColor(30, 90, 200);
constexpr int kTimeTicks = 8;

void clearChart(QChart &chart)
{
    chart.removeAllSeries();
    for (QAbstractAxis *axis : chart.axes()) {
        chart.removeAxis(axis);  // the chart gives it back to us
        delete axis;
    }
}

// The values' range with a little room above and below; a flat column gets a unit of room.
std::pair<double, double> valueRange(const std::vector<QPointF> &points)
{
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](QPointF a, QPointF b) { return a.y() < b.y(); });
    const double room = high->y() > low->y() ? (high->y() - low->y()) * 0.05 : 1.0;
    return {low->y() - room, high->y() + room};
}

} // namespace

PeriodChart::PeriodChart(QWidget *parent) : QChartView(new QChart, parent)
{
    setRenderHint(QPainter::Antialiasing);
    styleChart(*chart());
    chart()->legend()->hide();
    setMinimumSize(640, 360);
}

void PeriodChart::showNothing(const QString &why)
{
    clearChart(*chart());
    chart()->setTitle(why);
}

void PeriodChart::showColumn(const PeriodChartData &data)
{
    clearChart(*chart());
    if (data.points.empty()) {
        chart()->setTitle(tr("%1 : aucune valeur sur la période").arg(data.title));
        return;
    }
    chart()->setTitle(data.note.isEmpty() ? data.title : data.title + QStringLiteral(" (") + data.note + QLatin1Char(')'));
    auto *time = new QCategoryAxis;
    time->setTitleText(data.zoneTitle);
    time->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const qint64 first = static_cast<qint64>(data.points.front().x());
    const qint64 last = static_cast<qint64>(data.points.back().x());
    time->setStartValue(static_cast<double>(first));
    for (const TimeTick &tick : timeTicks(first, last, data.zone, kTimeTicks))
        time->append(tick.label, static_cast<double>(tick.msecs));
    time->setRange(static_cast<double>(first), static_cast<double>(std::max(last, first + 1)));
    const auto [low, high] = valueRange(data.points);
    QValueAxis *values = valueAxis(data.title, low, high, 7, QStringLiteral("%.6g"));
    values->applyNiceNumbers();  // round marks: 10, 20, 30 rather than 13.3337
    chart()->addAxis(time, Qt::AlignBottom);
    chart()->addAxis(values, Qt::AlignLeft);

    QLineSeries *curve = nullptr;
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        if (!curve || (data.gapMsecs > 0 && data.points[i].x() - data.points[i - 1].x() > data.gapMsecs)) {
            curve = lineSeries(data.title, kCurveColor, 1.5);
            chart()->addSeries(curve);
            curve->attachAxis(time);
            curve->attachAxis(values);
        }
        curve->append(data.points[i]);
    }
}

} // namespace brelo
