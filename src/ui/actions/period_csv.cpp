#include "ui/actions/period_csv.h"

#include "ui/actions/period_table_model.h"
#include "core/formats/csv_writer.h"

#include <QCoreApplication>
#include <QIODevice>

#include <string>
#include <vector>

namespace brelo {

namespace {

// The unit each column's cells end with when they hold one number; none for
// dates, times, the hours and minutes of the right ascension and hour angle,
// the Carrington rotation, rise, transit and set (or their words) and the day length.
const char *const kUnits[PeriodTableModel::kColumnCount] = {
    nullptr, nullptr, nullptr, "°", nullptr, "°", "°", QT_TRANSLATE_NOOP("ephemeris", " U.A."), "°", "°", "°", "°", nullptr,
    nullptr, nullptr, nullptr, "°", nullptr,
};

constexpr std::size_t kRowsPerWrite = 1000;

// The unit as the core writes it, in the language in use.
QString unitText(const char *unit) { return QCoreApplication::translate("ephemeris", unit); }

std::string bareNumber(const QString &cell, const QString &suffix)
{
    return (cell.endsWith(suffix) ? cell.chopped(suffix.size()) : cell).toStdString();
}

bool put(QIODevice &out, const std::string &text)
{
    return out.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

} // namespace

bool writePeriodCsv(const PeriodTableModel &model, QIODevice &out)
{
    const char separator = csvSeparatorFor(model.decimalSeparator());
    const QStringList titles = PeriodTableModel::columnTitles();
    std::vector<std::string> cells(PeriodTableModel::kColumnCount);
    for (int c = 0; c < PeriodTableModel::kColumnCount; ++c) {
        cells[static_cast<std::size_t>(c)] =
            (kUnits[c] ? titles[c] + QStringLiteral(" (") + unitText(kUnits[c]).trimmed() + QLatin1Char(')') : titles[c])
                .toStdString();
    }
    std::vector<QString> units;
    for (const char *unit : kUnits)
        units.push_back(unit ? unitText(unit) : QString());
    std::string text = csvLine(cells, separator);

    const auto rows = static_cast<std::size_t>(model.rowCount());
    for (std::size_t i = 0; i < rows; ++i) {
        const PeriodTableModel::Row row = model.computeRow(i);
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c] = kUnits[c] ? bareNumber(row.cells[c], units[c]) : row.cells[c].toStdString();
        text += csvLine(cells, separator);
        if ((i + 1) % kRowsPerWrite == 0) {
            if (!put(out, text))
                return false;
            text.clear();
        }
    }
    return put(out, text);
}

} // namespace brelo
