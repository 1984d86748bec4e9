#include "cli/ephem_table_text.h"

#include "core/common/translate.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace brelo {

namespace {

// Wide enough for every text of its column ("-179.999° = -11 h 59 '"), so the
// table can be written row by row without reading it all first.
constexpr std::size_t kDateWidth = 16;
constexpr std::size_t kLocalWidth = 23;
constexpr std::size_t kCellWidth = 10;
constexpr std::size_t kHourAngleWidth = 22;

// The ten page columns and the Carrington rotation: the aligned table's
// heading, the CSV's heading (source texts of the "cli" context), and the unit
// a CSV cell leaves to its heading (one of the "ephemeris" context).
// The right ascension and hour angle keep their hours and minutes, as the page
// and the period dialog's CSV show them.
struct Column {
    const char *heading;
    const char *csvHeading;
    const char *unit;
};
const Column kColumns[] = {
    {QT_TRANSLATE_NOOP("cli", "Ascension droite"), QT_TRANSLATE_NOOP("cli", "Ascension droite"), nullptr},
    {QT_TRANSLATE_NOOP("cli", "Déclinaison"), QT_TRANSLATE_NOOP("cli", "Déclinaison (°)"), "°"},
    {QT_TRANSLATE_NOOP("cli", "Angle horaire"), QT_TRANSLATE_NOOP("cli", "Angle horaire"), nullptr},
    {QT_TRANSLATE_NOOP("cli", "Hauteur"), QT_TRANSLATE_NOOP("cli", "Hauteur (°)"), "°"},
    {QT_TRANSLATE_NOOP("cli", "Azimut (0 S, 90 O)"), QT_TRANSLATE_NOOP("cli", "Azimut (°, 0 S, 90 O)"), "°"},
    {QT_TRANSLATE_NOOP("cli", "Distance"), QT_TRANSLATE_NOOP("cli", "Distance (U.A.)"),
     QT_TRANSLATE_NOOP("ephemeris", " U.A.")},
    {QT_TRANSLATE_NOOP("cli", "Angle P"), QT_TRANSLATE_NOOP("cli", "Angle P (°)"), "°"},
    {"B0", QT_TRANSLATE_NOOP("cli", "B0 (°)"), "°"},
    {"L0", QT_TRANSLATE_NOOP("cli", "L0 (°)"), "°"},
    {QT_TRANSLATE_NOOP("cli", "Angle Nord-Zénith"), QT_TRANSLATE_NOOP("cli", "Angle Nord-Zénith (°)"), "°"},
    {QT_TRANSLATE_NOOP("cli", "Rotation Carrington"), QT_TRANSLATE_NOOP("cli", "Rotation Carrington"), nullptr},
};

std::size_t characters(const std::string &text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

std::vector<std::string> ephemTableHeadings(const std::string &zoneName, TableForm form)
{
    std::vector<std::string> headings{translated("cli", "Date et heure TU")};
    if (!zoneName.empty())
        headings.push_back(filled(translated("cli", "Heure locale (%1)"), {zoneName}));
    for (const Column &column : kColumns)
        headings.push_back(translated("cli", form == TableForm::Csv ? column.csvHeading : column.heading));
    return headings;
}

std::vector<std::string> csvCells(std::vector<std::string> cells, std::size_t dateColumns)
{
    for (std::size_t i = 0; i < std::size(kColumns) && dateColumns + i < cells.size(); ++i) {
        std::string &cell = cells[dateColumns + i];
        if (!kColumns[i].unit)
            continue;
        const std::string unit = translated("ephemeris", kColumns[i].unit);
        if (cell.ends_with(unit))
            cell.resize(cell.size() - unit.size());
    }
    return cells;
}

std::string withoutLabel(const std::string &labelText)
{
    const auto equals = labelText.find(" = ");
    return equals == std::string::npos ? labelText : labelText.substr(equals + 3);
}

std::vector<std::string> ephemTableCells(const PeriodRow &row, const std::string &localTime,
                                         bool withLocalTime, char sep)
{
    const EphemerisResult &e = row.ephemeris;
    std::vector<std::string> cells{civilTimeText(row.time)};
    if (withLocalTime)
        cells.push_back(localTime);
    for (const std::string *label : {&e.lblad, &e.lbldec, &e.lblah, &e.lblh, &e.lblaz, &e.lblr,
                                     &e.lblp, &e.lblb0, &e.lbll0, &e.lblksi})
        cells.push_back(withoutLabel(*label));
    cells.push_back(carringtonText(row.carrington, sep));
    return cells;
}

std::vector<std::size_t> columnWidths(const std::vector<std::string> &headings,
                                      std::size_t dateColumns)
{
    std::vector<std::size_t> widths;
    for (std::size_t column = 0; column < headings.size(); ++column) {
        const std::size_t widest = column == 0                 ? kDateWidth
                                   : column < dateColumns      ? kLocalWidth
                                   : column == dateColumns + 2 ? kHourAngleWidth
                                                               : kCellWidth;
        widths.push_back(std::max(widest, characters(headings[column])));
    }
    return widths;
}

std::string alignedLine(const std::vector<std::string> &cells,
                        const std::vector<std::size_t> &widths, std::size_t dateColumns)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::size_t width = i < widths.size() ? widths[i] : 0;
        const std::size_t pad = width > characters(cells[i]) ? width - characters(cells[i]) : 0;
        if (i > 0)
            line += "  ";
        if (i >= dateColumns)
            line.append(pad, ' ');
        line += cells[i];
        if (i < dateColumns)
            line.append(pad, ' ');
    }
    return line + "\n";
}

} // namespace brelo
