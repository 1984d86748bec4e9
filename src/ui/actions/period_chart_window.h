#pragma once

#include "core/ephemeris/period_table.h"

#include <QDialog>
#include <QTimeZone>

#include <optional>

class QComboBox;
class QLabel;

namespace brelo {

class PeriodChart;

// "Graphique de la période": one column of the period table over time, the
// column chosen from a list, its times read in UT or in the local zone as the
// period dialog's are. Long tables are thinned, and the chart says so.
class PeriodChartWindow : public QDialog {
    Q_OBJECT

public:
    explicit PeriodChartWindow(QWidget *parent = nullptr);

    // The table to draw from; `zone` labels the time axis, `zoneTitle` names it.
    void showTable(const PeriodTable &table, const QTimeZone &zone, const QString &zoneTitle);
    void setColumn(int column);
    PeriodChart &chart() const { return *chart_; }

private:
    void draw();

    std::optional<PeriodTable> table_;
    QTimeZone zone_;
    QString zoneTitle_;
    QComboBox *column_;
    PeriodChart *chart_;
    QLabel *message_;
};

} // namespace brelo
