#pragma once

#include "core/common/outcome.h"
#include "core/ephemeris/calculephem.h"
#include "core/ephemeris/period_table.h"

#include <chrono>
#include <optional>
#include <string>

namespace brelo {

// The observer's place for the Sun's day, degrees; longitude positive towards the East.
struct DayPlace {
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;
};

// Rise and set are taken when the centre's altitude is -0.833°: 34′ of
// refraction at the horizon plus the 16′ semi-diameter, so the upper limb
// just touches the horizon.
inline constexpr double kRiseSetAltitudeDeg = -0.833;

enum class DayKind {
    RisesAndSets,
    AlwaysUp,    // polar day
    AlwaysDown,  // polar night
    NoRise,      // up since the day before, sets during the day (end of a polar day)
    NoSet,       // rises during the day, still up at its end (start of a polar day)
};

// One instant of the day: the UT Julian Day found, and the same rounded to the second.
struct SunEvent {
    double julianDay = 0.0;
    std::chrono::sys_seconds instant{};
};

// What a label or a column shows, in UT; local times are the window's.
struct SunDayTexts {
    std::string rise;             // "05:47:12 TU", "18:02:11 TU (la veille)", or words
    std::string transit;          // "11:58:03 TU"
    std::string set;              // "19:58:15 TU", or words
    std::string transitAltitude;  // "64,593°", cut to three decimals as the page's "Hauteur"
    std::string dayLength;        // "16 h 11 min 03 s"
};

// The Sun's day around its transit nearest to 12 h local mean time of a date.
struct SunDay {
    std::chrono::sys_days date{};  // the UT date asked for
    DayKind kind = DayKind::RisesAndSets;
    std::optional<SunEvent> rise;  // none on a polar day or night, or on a NoRise day
    SunEvent transit;              // always: the hour angle 0
    std::optional<SunEvent> set;
    float transitAltitudeDeg = 0.0f;  // of the centre, without refraction
    // set − rise; 24 h on a polar day, 0 in a polar night; on a NoRise or NoSet
    // day, the time above -0.833° from one lower culmination to the next.
    std::chrono::seconds dayLength{};
    SunDayTexts texts;
};

// The latitude and longitude fields of the page, read and checked (|latitude|
// at most 90°, |longitude| at most 180°), with a French message naming the field.
Outcome<DayPlace> dayPlaceOf(const EphemerisInput &input, char decimalSeparator);
Outcome<DayPlace> dayPlaceOf(const ObserverPosition &position, char decimalSeparator);

// The Sun's day for a place (as dayPlaceOf reads it) and a UT date, from the
// years -8000 to 12000. A few dozen evaluations of the solar theory: a year of
// days costs about 10 ms.
Outcome<SunDay> sunDay(const DayPlace &place, std::chrono::sys_days date, char decimalSeparator);

// The same for the date and place of the ephemeris page (its time fields are
// not read). The day field enters linearly as on the page: 31 February is 3 March.
Outcome<SunDay> sunDayOfPage(const EphemerisInput &input, char decimalSeparator);

} // namespace brelo
