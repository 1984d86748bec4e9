#include "cli/ephem_days_text.h"

#include "core/common/translate.h"
#include "core/ephemeris/ephemeris_text.h"
#include "core/ephemeris/period_days.h"
#include "core/ephemeris/sun_day_text.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace brelo {

namespace {

// Each column's headings (source texts of the "cli" context) and the width of
// its longest French text, in characters, which the English ones do not pass:
// "Pas de lever : Soleil levé depuis la veille", "11:52:23 TU (le lendemain)",
// "Pas de coucher : Soleil levé jusqu'au lendemain", "16 h 10 min 53 s".
struct Column {
    const char *heading;
    const char *csvHeading;
    std::size_t width;
};
const Column kColumns[] = {
    {QT_TRANSLATE_NOOP("cli", "Date"), QT_TRANSLATE_NOOP("cli", "Date"), 10},
    {QT_TRANSLATE_NOOP("cli", "Lever"), QT_TRANSLATE_NOOP("cli", "Lever (TU)"), 43},
    {QT_TRANSLATE_NOOP("cli", "Passage"), QT_TRANSLATE_NOOP("cli", "Passage (TU)"), 26},
    {QT_TRANSLATE_NOOP("cli", "Coucher"), QT_TRANSLATE_NOOP("cli", "Coucher (TU)"), 47},
    {QT_TRANSLATE_NOOP("cli", "Hauteur au passage"), QT_TRANSLATE_NOOP("cli", "Hauteur au passage (°)"), 18},
    {QT_TRANSLATE_NOOP("cli", "Durée du jour"), QT_TRANSLATE_NOOP("cli", "Durée du jour (h)"), 16},
};
// The local times, "05:46:57 +02:00 (le lendemain)", or the words.
const Column kLocalColumns[] = {{kColumns[1].heading, kColumns[1].heading, 43},
                                {kColumns[2].heading, kColumns[2].heading, 31},
                                {kColumns[3].heading, kColumns[3].heading, 47}};

std::string csvEvent(const std::optional<SunEvent> &event, const std::string &words)
{
    return event ? utDateTimeText(event->instant) : words;
}

} // namespace

std::vector<std::string> daysTableHeadings(const std::string &zoneName, TableForm form)
{
    std::vector<std::string> headings;
    for (const Column &column : kColumns)
        headings.push_back(translated("cli", form == TableForm::Csv ? column.csvHeading : column.heading));
    if (!zoneName.empty())
        for (const Column &column : kLocalColumns)
            headings.push_back(translated("cli", column.heading) + " (" + zoneName + ")");
    return headings;
}

std::vector<std::string> daysTableCells(const SunDay &day, TableForm form, char sep)
{
    const SunDayTexts &t = day.texts;
    if (form == TableForm::Text)
        return {dateText(day.date), t.rise, t.transit, t.set, t.transitAltitude, t.dayLength};
    char hours[32];
    std::snprintf(hours, sizeof hours, "%.4f", static_cast<double>(day.dayLength.count()) / 3600.0);
    std::string length = hours;
    std::replace(length.begin(), length.end(), '.', sep);
    return {dateText(day.date),         csvEvent(day.rise, t.rise), utDateTimeText(day.transit.instant),
            csvEvent(day.set, t.set),   shownText(day.transitAltitudeDeg, sep), length};
}

std::vector<std::size_t> daysColumnWidths(const std::vector<std::string> &headings)
{
    std::vector<std::size_t> widths;
    const std::size_t first = std::size(kColumns);
    for (std::size_t column = 0; column < headings.size(); ++column) {
        const Column &c = column < first ? kColumns[column] : kLocalColumns[(column - first) % std::size(kLocalColumns)];
        widths.push_back(std::max(c.width, headings[column].size()));  // bytes: never fewer than characters
    }
    return widths;
}

} // namespace brelo
