#include "time/zone_lookup.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace brelo {

namespace {

constexpr int kLargestOffsetSeconds = 14 * 3600;  // Kiribati's +14:00; nothing lies further

// "UTC", or an offset with an optional "UTC" before it: "+2", "+02", "+02:00", "-0530".
std::optional<int> explicitOffset(const QString &text)
{
    if (text == QLatin1String("UTC"))
        return 0;
    static const QRegularExpression form(QStringLiteral("^(?:UTC)?([+-])(\\d{1,2})(?::?(\\d{2}))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int hours = match.captured(2).toInt();
    const int minutes = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    const int seconds = (hours * 60 + minutes) * 60;
    if (minutes >= 60 || seconds > kLargestOffsetSeconds)
        return std::nullopt;
    return match.captured(1) == QLatin1String("-") ? -seconds : seconds;
}

// A zone file of the system's database, whatever Qt's list of ids leaves out
// ("CET", "US/Eastern"). Only plain names below the database's folder, and not
// its "right/" zones, whose clocks count leap seconds.
bool inZoneDatabase(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_+-]+(/[A-Za-z0-9_+-]+)*$"));
    if (!plain.match(name).hasMatch() || name.startsWith(QLatin1String("right/")))
        return false;
    QFile file(QStringLiteral("/usr/share/zoneinfo/") + name);
    return file.open(QIODevice::ReadOnly) && file.read(4) == "TZif";
}

} // namespace

std::optional<QTimeZone> zoneNamed(const QString &text)
{
    if (const std::optional<int> offset = explicitOffset(text))
        return QTimeZone(*offset);
    const QByteArray id = text.toUtf8();
    if (!QTimeZone::isTimeZoneIdAvailable(id) && !inZoneDatabase(text))
        return std::nullopt;
    const QTimeZone zone(id);
    return zone.isValid() ? std::optional<QTimeZone>(zone) : std::nullopt;
}

QString unknownZoneMessage(const QString &text)
{
    if (text.isEmpty())
        return QCoreApplication::translate("brelo::ZoneLookup", "fuseau vide (exemple : Europe/Paris)");
    return QCoreApplication::translate("brelo::ZoneLookup", "fuseau inconnu : %1 (exemple : Europe/Paris)").arg(text);
}

} // namespace brelo
