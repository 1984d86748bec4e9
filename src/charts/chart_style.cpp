#include "charts/chart_style.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

namespace brelo {

QLineSeries *lineSeries(const QString &name, QColor color, double width, Qt::PenStyle style)
{
    auto *series = new QLineSeries;
    series->setName(name);
    QPen pen(color, width, style);
    pen.setCapStyle(Qt::FlatCap);
    series->setPen(pen);
    return series;
}

QValueAxis *valueAxis(const QString &title, double low, double high, int ticks, const QString &labelFormat)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(low, high);
    axis->setTickCount(ticks);
    axis->setLabelFormat(labelFormat);
    return axis;
}

void leaveOutOfLegend(QChart &chart, QLineSeries *series)
{
    for (QLegendMarker *marker : chart.legend()->markers(series))
        marker->setVisible(false);
}

void styleChart(QChart &chart)
{
    chart.setTheme(QChart::ChartThemeLight);
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.setMargins(QMargins(4, 4, 4, 4));
    chart.setBackgroundRoundness(0);
}

} // namespace brelo
