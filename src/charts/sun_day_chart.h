#pragma once

#include "core/ephemeris/sun_day_curve.h"

#include <QChartView>
#include <QString>

#include <optional>
#include <vector>

class QLineSeries;

namespace brelo {

// What the day's chart shows, all in hours from 0 h UT of the date.
struct SunDayChartData {
    QString dateText;  // "21/06/2027"
    std::vector<SunCurvePoint> curve;
    struct Mark {
        QString name;  // "Lever"
        double hours = 0.0;
        double altitudeDeg = 0.0;
    };
    std::vector<Mark> marks;           // those of the rise, transit and set that fall within the date
    std::optional<double> instantHours;  // the page's instant
    QString instantName;               // "Instant de la page (10:30 TU)"
};

// The Sun's day as a chart: its altitude (left axis) and azimuth (right axis)
// from 0 h to 24 h UT, the horizon, the rise, transit and set, and the page's
// instant. A click in the plot area picks that minute of the day.
class SunDayChart : public QChartView {
    Q_OBJECT

public:
    explicit SunDayChart(QWidget *parent = nullptr);

    void showDay(const SunDayChartData &day);
    void showNothing();  // a failed run: no day to show

    // The minute of the day (0 to 1439) under a point of the view, inside the plot area.
    std::optional<int> minuteAt(QPoint viewPoint) const;
    // Where the view shows an hour of the day on the horizon (for tests and the driver).
    QPoint viewPointOf(double hoursUt) const;
    bool showsDay() const { return altitude_ != nullptr; }

signals:
    void instantPicked(int minuteOfDay);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void addAxes(const QString &dateText);

    QLineSeries *altitude_ = nullptr;
};

} // namespace brelo
