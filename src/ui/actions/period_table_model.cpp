#include "ui/actions/period_table_model.h"

#include "core/ephemeris/period_series.h"
#include "time/instant_line.h"

#include <QBrush>
#include <QColor>

#include <limits>

namespace brelo {

namespace {

// The page's result labels in page order; a column shows what follows the
// label's caption ("Hauteur = 28.065°" gives "28.065°").
std::string EphemerisResult::*const kPageLabels[] = {
    &EphemerisResult::lblad, &EphemerisResult::lbldec, &EphemerisResult::lblah, &EphemerisResult::lblh,
    &EphemerisResult::lblaz, &EphemerisResult::lblr,   &EphemerisResult::lblp,  &EphemerisResult::lblb0,
    &EphemerisResult::lbll0, &EphemerisResult::lblksi,
};
constexpr int kFirstPageColumn = 2;

const char *const kTitles[PeriodTableModel::kColumnCount] = {
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Date et heure TU"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Heure locale"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Ascension droite"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Déclinaison"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Angle horaire"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Hauteur"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Azimuth (0 S, 90 W)"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Distance Terre-Soleil"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Angle p (+ vers E)"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Latitude héliocentrique BO"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Longitude héliocentrique L0"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Angle Nord-Zenith"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Rotation de Carrington"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Lever"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Passage au méridien"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Coucher"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Hauteur au passage"),
    QT_TRANSLATE_NOOP("brelo::PeriodTableModel", "Durée du jour"),
};
constexpr int kFirstDayColumn = 13;

const QColor kBelowHorizon(128, 128, 128);

// A few screens' worth many times over; beyond it the cache starts afresh.
constexpr std::size_t kCachedRows = 20'000;

QString valueOf(const std::string &labelText)
{
    const QString text = QString::fromStdString(labelText);
    const qsizetype equals = text.indexOf(QLatin1String(" = "));
    return equals < 0 ? text : text.mid(equals + 3);
}

QDateTime utcDateTimeOf(const CivilTime &t)
{
    return QDateTime(QDate(t.year, static_cast<int>(t.month), static_cast<int>(t.day)),
                     QTime(static_cast<int>(t.hour), static_cast<int>(t.minute)), QTimeZone::utc());
}

} // namespace

PeriodTableModel::PeriodTableModel(PeriodTable table, QTimeZone localZone, char decimalSeparator, QObject *parent)
    : QAbstractTableModel(parent), table_(std::move(table)), localZone_(std::move(localZone)),
      decimalSeparator_(decimalSeparator)
{
}

int PeriodTableModel::rowCount(const QModelIndex &parent) const
{
    // The table never holds more rows than a view can count.
    return parent.isValid() ? 0 : static_cast<int>(std::min<std::size_t>(table_.rowCount(), std::numeric_limits<int>::max()));
}

int PeriodTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : kColumnCount; }

QStringList PeriodTableModel::columnTitles()
{
    QStringList titles;
    for (const char *title : kTitles)
        titles << tr(title);
    return titles;
}

void PeriodTableModel::retranslate()
{
    cache_.clear();
    lastDay_.reset();
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

PeriodTableModel::Row PeriodTableModel::computeRow(std::size_t i) const
{
    Row row;
    const QDateTime instant = utcDateTimeOf(civilTimeOf(table_.instant(i)));
    row.cells[0] = dateTimeText(instant, QTimeZone::utc());
    row.cells[1] = dateTimeText(instant, localZone_) + QLatin1Char(' ') + localZone_.abbreviation(instant);
    const Outcome<PeriodRow> computed = table_.row(i);
    if (!computed.ok()) {
        row.failure = QString::fromStdString(computed.error());
        for (int c = kFirstPageColumn; c < kColumnCount; ++c)
            row.cells[static_cast<std::size_t>(c)] = QString::fromUtf8("—");
        return row;
    }
    const PeriodRow &result = computed.value();
    int column = kFirstPageColumn;
    for (std::string EphemerisResult::*label : kPageLabels)
        row.cells[static_cast<std::size_t>(column++)] = valueOf(result.ephemeris.*label);
    row.cells[kFirstDayColumn - 1] = QString::fromStdString(carringtonText(result.carrington, decimalSeparator_));
    row.belowHorizon = result.ephemeris.values.altitudeDeg < 0.0;
    fillSunDay(i, row);
    return row;
}

// The Sun's day of the row's UT date, as the Sun's day window writes it.
void PeriodTableModel::fillSunDay(std::size_t i, Row &row) const
{
    const auto date = std::chrono::floor<std::chrono::days>(table_.instant(i));
    if (!lastDay_ || lastDay_->date != date) {
        lastDay_.reset();
        const Outcome<SunDay> day = sunDayOfRow(table_, i);
        if (day.ok())
            lastDay_ = day.value();
    }
    const std::string dash = "—";
    const SunDayTexts &t = lastDay_ && lastDay_->date == date ? lastDay_->texts
                                                              : SunDayTexts{dash, dash, dash, dash, dash};
    int column = kFirstDayColumn;
    for (const std::string *text : {&t.rise, &t.transit, &t.set, &t.transitAltitude, &t.dayLength})
        row.cells[static_cast<std::size_t>(column++)] = QString::fromStdString(*text);
}

const PeriodTableModel::Row &PeriodTableModel::cachedRow(std::size_t i) const
{
    auto found = cache_.find(i);
    if (found == cache_.end()) {
        if (cache_.size() >= kCachedRows)
            cache_.clear();
        ++rowsComputed_;
        found = cache_.emplace(i, computeRow(i)).first;
    }
    return found->second;
}

QVariant PeriodTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumnCount)
        return {};
    const Row &row = cachedRow(static_cast<std::size_t>(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        return row.cells[static_cast<std::size_t>(index.column())];
    case Qt::ForegroundRole:
        return row.belowHorizon ? QVariant(QBrush(kBelowHorizon)) : QVariant();
    case Qt::ToolTipRole:
        return row.failure.isEmpty() ? QVariant() : QVariant(row.failure);
    default:
        return {};
    }
}

QVariant PeriodTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < kColumnCount ? QVariant(tr(kTitles[section])) : QVariant();
}

} // namespace brelo
