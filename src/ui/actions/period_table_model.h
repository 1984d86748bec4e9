#pragma once

#include "core/ephemeris/period_table.h"
#include "core/ephemeris/sun_day.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTimeZone>

#include <array>
#include <optional>
#include <unordered_map>

namespace brelo {

// The ephemeris over a period as a table: one row per instant, the columns of
// the ephemeris page (their values as the page writes them) with the UT and
// local times in front, then the Carrington rotation, and the rise, transit,
// set, altitude at transit and day length of the row's UT date. A row is
// computed the first time the view asks for it and kept (a bounded number of
// rows: scrolling through millions must not fill the memory); rows with the
// Sun below the horizon are greyed.
class PeriodTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumnCount = 18;

    PeriodTableModel(PeriodTable table, QTimeZone localZone, char decimalSeparator, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QStringList columnTitles();
    // Every text again in the language now in use: the rows computed so far are dropped.
    void retranslate();
    char decimalSeparator() const { return decimalSeparator_; }
    const PeriodTable &table() const { return table_; }

    // The texts of row i, computed afresh (nothing kept): for the export.
    struct Row {
        std::array<QString, kColumnCount> cells;
        bool belowHorizon = false;
        QString failure;  // calculephem's message when the instant cannot be computed
    };
    Row computeRow(std::size_t i) const;

    // How many rows the view has made the model compute so far.
    std::size_t rowsComputed() const { return rowsComputed_; }

private:
    const Row &cachedRow(std::size_t i) const;
    void fillSunDay(std::size_t i, Row &row) const;

    PeriodTable table_;
    QTimeZone localZone_;
    char decimalSeparator_;
    mutable std::unordered_map<std::size_t, Row> cache_;
    mutable std::size_t rowsComputed_ = 0;
    mutable std::optional<SunDay> lastDay_;  // the rows of one date share their Sun's day
};

} // namespace brelo
