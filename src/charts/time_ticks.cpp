#include "charts/time_ticks.h"

#include <QDateTime>

#include <iterator>

namespace brelo {

namespace {

enum class Unit { Seconds, Days, Months, Years };

struct Step {
    Unit unit;
    int count;
};

const Step kSteps[] = {
    {Unit::Seconds, 60},    {Unit::Seconds, 120},   {Unit::Seconds, 300},   {Unit::Seconds, 600},
    {Unit::Seconds, 900},   {Unit::Seconds, 1800},  {Unit::Seconds, 3600},  {Unit::Seconds, 7200},
    {Unit::Seconds, 10800}, {Unit::Seconds, 21600}, {Unit::Seconds, 43200}, {Unit::Days, 1},
    {Unit::Days, 2},        {Unit::Days, 7},        {Unit::Days, 14},       {Unit::Months, 1},
    {Unit::Months, 2},      {Unit::Months, 3},      {Unit::Months, 6},      {Unit::Years, 1},
    {Unit::Years, 2},       {Unit::Years, 5},       {Unit::Years, 10},      {Unit::Years, 20},
    {Unit::Years, 50},      {Unit::Years, 100},     {Unit::Years, 200},     {Unit::Years, 500},
    {Unit::Years, 1000},    {Unit::Years, 2000},    {Unit::Years, 5000},
};

double roughSeconds(const Step &step)
{
    constexpr double kDay = 86400.0;
    switch (step.unit) {
    case Unit::Seconds:
        return step.count;
    case Unit::Days:
        return kDay * step.count;
    case Unit::Months:
        return kDay * 30.436875 * step.count;
    case Unit::Years:
        return kDay * 365.2425 * step.count;
    }
    return 1.0;
}

// The k-th round instant of the step from the start of the first date's day,
// or the round day, month or year at or before it.
QDateTime roundInstant(const Step &step, QDate first, qint64 k, const QTimeZone &zone)
{
    const QTime midnight(0, 0);
    switch (step.unit) {
    case Unit::Seconds:
        return QDateTime(first, midnight, zone).addSecs(k * step.count);
    case Unit::Days:
        return QDateTime(QDate::fromJulianDay((first.toJulianDay() / step.count + k) * step.count), midnight, zone);
    case Unit::Months: {
        const qint64 month = (first.year() * 12LL + first.month() - 1) / step.count * step.count + k * step.count;
        return QDateTime(QDate(static_cast<int>(month / 12), static_cast<int>(month % 12) + 1, 1), midnight, zone);
    }
    case Unit::Years:
        return QDateTime(QDate(static_cast<int>((first.year() / step.count + k) * step.count), 1, 1), midnight, zone);
    }
    return {};
}

QString labelFormat(const Step &step, const QDateTime &first, const QDateTime &last)
{
    switch (step.unit) {
    case Unit::Seconds:
        return first.date() == last.date() ? QStringLiteral("HH:mm") : QStringLiteral("dd/MM HH:mm");
    case Unit::Days:
        return first.date().year() == last.date().year() ? QStringLiteral("dd/MM") : QStringLiteral("dd/MM/yy");
    case Unit::Months:
        return QStringLiteral("MM/yyyy");
    case Unit::Years:
        return QStringLiteral("yyyy");
    }
    return {};
}

} // namespace

std::vector<TimeTick> timeTicks(qint64 firstMsecs, qint64 lastMsecs, const QTimeZone &zone, int maxTicks)
{
    const double span = static_cast<double>(lastMsecs - firstMsecs) / 1000.0;
    const Step *step = std::end(kSteps) - 1;
    for (const Step &s : kSteps)
        if (span / roughSeconds(s) < maxTicks) {
            step = &s;
            break;
        }
    const QDateTime first = QDateTime::fromMSecsSinceEpoch(firstMsecs, zone);
    const QDateTime last = QDateTime::fromMSecsSinceEpoch(lastMsecs, zone);
    const QString format = labelFormat(*step, first, last);
    std::vector<TimeTick> ticks;
    for (qint64 k = 0;; ++k) {
        const QDateTime at = roundInstant(*step, first.date(), k, zone);
        if (!at.isValid() || at.toMSecsSinceEpoch() > lastMsecs || static_cast<int>(ticks.size()) > maxTicks)
            break;
        const QString label = at.toString(format);
        // A local hour repeated when the clocks go back would name two marks alike.
        if (at.toMSecsSinceEpoch() >= firstMsecs && (ticks.empty() || ticks.back().label != label))
            ticks.push_back({at.toMSecsSinceEpoch(), label});
    }
    return ticks;
}

} // namespace brelo
