#include "charts/sun_day_chart.h"

#include "charts/chart_style.h"

#include <QChart>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace brelo {

namespace {

constexpr int kMinutesPerDay = 1440;
const QColor kAltitudeColor(200, 60, 0);
const QColor kAzimuthColor(30, 90, 200);
const QColor kHorizonColor(90, 90, 90);
const QColor kInstantColor(220, 0, 0);
const QColor kMarkColors[] = {QColor(255, 170, 0), QColor(0, 150, 60), QColor(120, 40, 160)};

// The azimuth jumps by a whole turn where the Sun passes north: one piece of
// curve on each side of the jump.
std::vector<QLineSeries *> azimuthPieces(const std::vector<SunCurvePoint> &curve)
{
    std::vector<QLineSeries *> pieces;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (i == 0 || std::fabs(curve[i].azimuthDeg - curve[i - 1].azimuthDeg) > 180.0)
            pieces.push_back(lineSeries(SunDayChart::tr("Azimut"), kAzimuthColor, 1.5, Qt::DashLine));
        pieces.back()->append(curve[i].hoursUt, curve[i].azimuthDeg);
    }
    return pieces;
}

} // namespace

SunDayChart::SunDayChart(QWidget *parent) : QChartView(new QChart, parent)
{
    setRenderHint(QPainter::Antialiasing);
    styleChart(*chart());
    setMinimumSize(560, 340);
    showNothing();
}

void SunDayChart::showNothing()
{
    chart()->removeAllSeries();
    for (QAbstractAxis *axis : chart()->axes()) {
        chart()->removeAxis(axis);  // the chart gives it back to us
        delete axis;
    }
    altitude_ = nullptr;
    chart()->setTitle(tr("Journée du Soleil : —"));
}

void SunDayChart::addAxes(const QString &dateText)
{
    chart()->addAxis(valueAxis(tr("Heure (TU) du %1").arg(dateText), 0, 24, 9, QStringLiteral("%.0f h")),
                     Qt::AlignBottom);
    chart()->addAxis(valueAxis(tr("Hauteur (°)"), -90, 90, 7, QStringLiteral("%.0f")), Qt::AlignLeft);
    chart()->addAxis(valueAxis(tr("Azimut (°, 0 S, 90 W)"), -180, 180, 7, QStringLiteral("%.0f")), Qt::AlignRight);
}

void SunDayChart::showDay(const SunDayChartData &day)
{
    showNothing();
    chart()->setTitle(tr("Hauteur et azimut du Soleil le %1").arg(day.dateText));
    addAxes(day.dateText);
    const auto add = [this](QAbstractSeries *series, Qt::Alignment yAxis) {
        chart()->addSeries(series);
        series->attachAxis(chart()->axes(Qt::Horizontal).first());
        series->attachAxis(chart()->axes(Qt::Vertical).at(yAxis == Qt::AlignLeft ? 0 : 1));
    };
    QLineSeries *horizon = lineSeries(tr("Horizon"), kHorizonColor, 1.0);
    *horizon << QPointF(0, 0) << QPointF(24, 0);
    add(horizon, Qt::AlignLeft);
    altitude_ = lineSeries(tr("Hauteur"), kAltitudeColor, 2.5);
    for (const SunCurvePoint &p : day.curve)
        altitude_->append(p.hoursUt, p.altitudeDeg);
    add(altitude_, Qt::AlignLeft);
    const std::vector<QLineSeries *> azimuth = azimuthPieces(day.curve);
    for (std::size_t i = 0; i < azimuth.size(); ++i) {
        add(azimuth[i], Qt::AlignRight);
        if (i > 0)
            leaveOutOfLegend(*chart(), azimuth[i]);
    }
    for (std::size_t i = 0; i < day.marks.size(); ++i) {
        auto *mark = new QScatterSeries;
        mark->setName(day.marks[i].name);
        mark->setMarkerSize(11);
        mark->setColor(kMarkColors[i % std::size(kMarkColors)]);
        mark->append(day.marks[i].hours, day.marks[i].altitudeDeg);
        add(mark, Qt::AlignLeft);
    }
    if (day.instantHours) {
        QLineSeries *instant = lineSeries(day.instantName, kInstantColor, 1.5);
        *instant << QPointF(*day.instantHours, -90) << QPointF(*day.instantHours, 90);
        add(instant, Qt::AlignLeft);
    }
}

std::optional<int> SunDayChart::minuteAt(QPoint viewPoint) const
{
    if (!altitude_)
        return std::nullopt;
    const QPointF inChart = chart()->mapFromScene(mapToScene(viewPoint));
    if (!chart()->plotArea().contains(inChart))
        return std::nullopt;
    const double hours = chart()->mapToValue(inChart, altitude_).x();
    return std::clamp(static_cast<int>(std::lround(hours * 60.0)), 0, kMinutesPerDay - 1);
}

QPoint SunDayChart::viewPointOf(double hoursUt) const
{
    if (!altitude_)
        return {};
    const QPointF inChart = chart()->mapToPosition(QPointF(hoursUt, 0.0), altitude_);
    return mapFromScene(chart()->mapToScene(inChart));
}

void SunDayChart::mouseReleaseEvent(QMouseEvent *event)
{
    QChartView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (const std::optional<int> minute = minuteAt(event->position().toPoint()))
        emit instantPicked(*minute);
}

} // namespace brelo
