#pragma once

#include <QChartView>
#include <QPointF>
#include <QString>
#include <QTimeZone>

#include <vector>

namespace brelo {

// One column of the period table over time: x in milliseconds since 1970 UT,
// its dates and times labelled in the zone the period's times are read in.
struct PeriodChartData {
    QString title;      // the column's title, with its unit
    QString zoneTitle;  // "Temps universel (TU)" or "Heure locale (Europe/Paris)"
    QTimeZone zone;     // for the labels of the time axis
    std::vector<QPointF> points;
    double gapMsecs = 0.0;  // points farther apart are not joined (rows with no value between them)
    QString note;       // how the points were picked, "" when every row is drawn
};

class PeriodChart : public QChartView {
    Q_OBJECT

public:
    explicit PeriodChart(QWidget *parent = nullptr);

    void showColumn(const PeriodChartData &data);
    void showNothing(const QString &why);
};

} // namespace brelo
