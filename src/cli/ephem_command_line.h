#pragma once

#include "cli/ephem_arguments.h"
#include "core/common/outcome.h"

#include <QStringList>
#include <QTimeZone>

#include <optional>
#include <string>

namespace brelo {

// What brelo-ephem is asked to tabulate, its times already in UT.
struct EphemRequest {
    AngleFields latitude, longitude;
    PeriodStep step;
    CivilTime from, to;
    std::optional<QTimeZone> zone;  // the local-time column's zone, when given
    std::string zoneName;           // as typed after --tz
    bool csv = false;
    // One row per day, from the date of `from` to that of `to` (UT dates, the
    // place's days, whatever the zone), instead of one per instant.
    bool days = false;
};

enum class EphemAction { Table, Help, Version };

struct EphemCommand {
    EphemAction action = EphemAction::Table;
    EphemRequest request;
};

// The program's arguments read strictly: each option once, a zone the system
// knows, local times that exist once. A French message otherwise.
Outcome<EphemCommand> readEphemCommand(const QStringList &arguments, char decimalSeparator);

} // namespace brelo
