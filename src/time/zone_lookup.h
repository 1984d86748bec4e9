#pragma once

#include <QString>
#include <QTimeZone>

#include <optional>

namespace brelo {

// A zone the user named: a name of the system's time-zone database
// ("Europe/Paris", "CET", "US/Eastern"), or an explicit offset from UT
// ("UTC", "UTC+02:00", "UTC-3", "+05:30", "-0800"). Nothing for any other
// text: Qt would read "Paris" as a POSIX rule and quietly mean UT.
std::optional<QTimeZone> zoneNamed(const QString &text);

// Why zoneNamed found nothing: « fuseau inconnu : Paris (exemple : Europe/Paris) »,
// or « fuseau vide (exemple : Europe/Paris) » for an empty text.
QString unknownZoneMessage(const QString &text);

} // namespace brelo
