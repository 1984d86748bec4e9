#pragma once

#include "core/ephemeris/calculephem.h"

#include <optional>
#include <string>

namespace brelo {

// The nine fields of the ephemeris panel once read as numbers.
struct PanelNumbers {
    double year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double latitudeDegrees = 0, latitudeMinutes = 0;
    double longitudeDegrees = 0, longitudeMinutes = 0;
};

// Days in a month of the proleptic Gregorian calendar the time argument uses
// for every date (astronomical years: 0 and -4 are leap years, -100 is not).
int daysInMonth(double year, int month);

// "février" for month 2 (1 to 12), in the language chosen.
std::string monthName(int month);

// The first field that names no real date, time or place, as a message
// naming it, what was typed and its range; nothing when all exist.
// Year, month, day, hour and minute are whole numbers; the day exists in its
// month; 24 h only with 0 minute (the next day's 0 h); minutes of arc from 0
// to 60; latitude and longitude, the minutes taking the degrees' sign, at most
// 90° and 180° either way.
std::optional<std::string> impossibleInput(const EphemerisInput &texts, const PanelNumbers &numbers);

} // namespace brelo
