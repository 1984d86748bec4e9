#include "cli/ephem_days_output.h"

#include "cli/ephem_days_text.h"
#include "core/common/translate.h"
#include "core/formats/csv_writer.h"
#include "time/local_clock.h"
#include "time/local_time.h"

namespace brelo {

namespace {

// "2027-06-21 05:46:57 +02:00" in CSV, "05:46:57 +02:00" in text; the words when there is no such event.
std::string localEventText(const std::optional<SunEvent> &event, const std::string &words, const SunDay &day,
                           const QTimeZone &zone, bool csv)
{
    if (!event)
        return words;
    if (!csv)
        return localClockText(event->instant, day.date, zone).toStdString();
    const ZonedTime zoned = zonedTime(event->instant, zone);
    return (dateTimeText(zoned.local) + QLatin1Char(' ') + offsetText(zoned.offsetSeconds)).toStdString();
}

} // namespace

Outcome<PeriodDays> periodDaysOf(const EphemRequest &r, char sep)
{
    const auto dateOf = [](const CivilTime &t) { return std::chrono::floor<std::chrono::days>(*instantOf(t)); };
    return PeriodDays::make(dateOf(r.from), dateOf(r.to),
                            {r.latitude.degrees, r.latitude.minutes, r.longitude.degrees, r.longitude.minutes}, sep);
}

int writeDaysTable(const PeriodDays &days, const EphemRequest &request, char sep, const TableOutput &out)
{
    const TableForm form = request.csv ? TableForm::Csv : TableForm::Text;
    const std::vector<std::string> headings = daysTableHeadings(request.zoneName, form);
    const std::vector<std::size_t> widths = daysColumnWidths(headings);
    // Every column on the left, most cells being times or words; no blanks at the end of a line.
    const auto write = [&](const std::vector<std::string> &cells) {
        if (request.csv) {
            out.put(csvLine(cells, csvSeparatorFor(sep)));
            return;
        }
        std::string line = alignedLine(cells, widths, cells.size());
        line.erase(line.find_last_not_of(" \n") + 1);
        out.put(line + "\n");
    };
    write(headings);
    int status = 0;
    for (std::size_t i = 0; i < days.rowCount(); ++i) {
        const Outcome<SunDay> day = days.day(i);
        if (!day.ok()) {
            write({dateText(days.date(i)), day.error()});
            out.say(filled(translated("cli", "%1 : %2"), {dateText(days.date(i)), day.error()}));
            status = 1;
            continue;
        }
        const SunDay &d = day.value();
        std::vector<std::string> cells = daysTableCells(d, form, sep);
        if (request.zone) {
            cells.push_back(localEventText(d.rise, d.texts.rise, d, *request.zone, request.csv));
            cells.push_back(localEventText(std::optional(d.transit), d.texts.transit, d, *request.zone, request.csv));
            cells.push_back(localEventText(d.set, d.texts.set, d, *request.zone, request.csv));
        }
        write(cells);
    }
    return status;
}

} // namespace brelo
