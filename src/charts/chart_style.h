#pragma once

#include <QColor>
#include <QString>

class QChart;
class QLineSeries;
class QValueAxis;

namespace brelo {

// The few ways the charts draw their lines and axes, shared by both.
QLineSeries *lineSeries(const QString &name, QColor color, double width, Qt::PenStyle style = Qt::SolidLine);
QValueAxis *valueAxis(const QString &title, double low, double high, int ticks, const QString &labelFormat);
// A series drawn in the chart without an entry of its own in the legend (the
// further pieces of a curve cut where its values wrap).
void leaveOutOfLegend(QChart &chart, QLineSeries *series);
// A chart with the window's font, a light theme and the legend beneath.
void styleChart(QChart &chart);

} // namespace brelo
