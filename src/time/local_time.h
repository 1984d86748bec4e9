#pragma once

#include <QString>
#include <QTimeZone>

#include <chrono>
#include <vector>

namespace brelo {

// Every UT instant whose local time in `zone` is `local`, earliest first. Each
// is checked by converting it back: Qt 6.4 turns some local times into UT an
// hour wrong (the first change of 2038 in every zone) and takes times in a
// skipped hour. None when the clocks skip `local`, two when they repeat it.
std::vector<std::chrono::sys_seconds> instantsAtLocalTime(std::chrono::local_seconds local,
                                                          const QTimeZone &zone);

// An instant's local time in `zone`, and the zone's offset from UT then.
struct ZonedTime {
    std::chrono::local_seconds local;
    int offsetSeconds = 0;
};
ZonedTime zonedTime(std::chrono::sys_seconds instant, const QTimeZone &zone);

// A local time typed by the user, read as one UT instant, or why it cannot be.
struct LocalReading {
    std::vector<std::chrono::sys_seconds> instants;  // the instant when read; none or both otherwise
    QString problem;                                 // French; empty when read
    bool ok() const { return problem.isEmpty(); }
};

// `subject` names what was typed, as the user typed it: "--from (2027-03-28 02:30)".
// Skipped: "<subject> n'existe pas dans le fuseau Europe/Paris (changement d'heure)."
// Repeated: "<subject> a lieu deux fois dans le fuseau Europe/Paris (changement
// d'heure) : à 2027-10-31 00:30 TU puis à 2027-10-31 01:30 TU."
LocalReading readLocalTime(std::chrono::local_seconds local, const QTimeZone &zone, const QString &subject);

// "+01:00", "-03:30"; "+00:09:21" for an offset with seconds (local mean time).
QString offsetText(int offsetSeconds);

// "2027-10-31 00:30", with ":SS" only when the seconds are not zero.
QString dateTimeText(std::chrono::sys_seconds instant);
QString dateTimeText(std::chrono::local_seconds local);

} // namespace brelo
