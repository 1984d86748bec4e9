#pragma once

#include "ui/window/last_runs.h"

#include <QDialog>

#include <array>

class QLabel;

namespace brelo {

class DesignTexts;
class SunDayChart;
struct SunDay;

// "Journée du Soleil": for the date and place of the latest ephemeris run,
// rise, transit and set in UT and in the system's local time, the altitude at
// transit and the day length, above the chart of the day. Shown again after
// every run; a failed run leaves dashes (its message is on the window's
// message line). A click on the chart picks a minute of the day.
class SunDayWindow : public QDialog {
    Q_OBJECT

public:
    explicit SunDayWindow(char decimalSeparator, QWidget *parent = nullptr);

    // The day of this run, or dashes when the latest run failed (null).
    void showRun(const EphemerisRun *run);
    SunDayChart &chart() const { return *chart_; }

signals:
    void instantPicked(int minuteOfDay);

private:
    void buildPanel();
    void showDay(const EphemerisRun &run, const SunDay &day);
    void showDashes(const QString &why);

    char decimalSeparator_;
    DesignTexts *texts_;
    std::optional<EphemerisRun> shown_;  // the run shown, for a change of language
    QLabel *heading_ = nullptr;
    QLabel *zone_ = nullptr;
    std::array<QLabel *, 3> universal_{};  // rise, transit, set
    std::array<QLabel *, 3> local_{};
    QLabel *altitude_ = nullptr;
    QLabel *length_ = nullptr;
    QLabel *message_ = nullptr;
    SunDayChart *chart_ = nullptr;
};

} // namespace brelo
