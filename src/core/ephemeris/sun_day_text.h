#pragma once

#include "core/ephemeris/sun_day.h"

#include <chrono>
#include <string>

namespace brelo {

// "05:47:12 TU", followed by " (la veille)" or " (le lendemain)" when the
// instant falls on the UT date before or after `date`.
std::string utClockText(std::chrono::sys_seconds instant, std::chrono::sys_days date);

// "2027-06-21 05:47:12": a UT date and time to the second.
std::string utDateTimeText(std::chrono::sys_seconds instant);

// "16 h 11 min 03 s" for a length of time that is not negative.
std::string durationText(std::chrono::seconds length);

// "Journée du 21/06/2027 à latitude 48° 51', longitude 2° 21' (+ à l'Est)":
// the date of the day and the place as typed in the page's four fields.
std::string sunDayHeading(const SunDay &day, const EphemerisInput &input);

// The texts of a day: UT times, or in words «Soleil levé toute la journée»
// and «Soleil couché toute la journée» for both rise and set on a polar day
// or night, «Pas de lever : Soleil levé depuis la veille» and «Pas de coucher :
// Soleil levé jusqu'au lendemain» at the ends of a polar day.
SunDayTexts sunDayTexts(const SunDay &day, char decimalSeparator);

} // namespace brelo
