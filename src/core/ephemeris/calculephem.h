#pragma once

#include "core/common/outcome.h"

#include <optional>
#include <string>

namespace brelo {

// The nine texts of the ephemeris panel, named after their text boxes. Date and
// time are Universal Time; longitude is positive towards the East.
struct EphemerisInput {
    std::string txtann = "2000";
    std::string txtmois = "1";
    std::string txtjour = "1";
    std::string txtheur = "0";
    std::string txtminut = "0";
    std::string txtlatideg = "45";
    std::string txtlatimin = "0";
    std::string txtlongideg = "0";
    std::string txtlongimin = "0";
};

// The unrounded numbers behind the ten texts, for tables and exports that need
// more than the three cut decimals the labels show. Angles in degrees.
struct EphemerisValues {
    double julianDay = 0.0;          // JD of the instant (UT)
    double rightAscensionDeg = 0.0;  // α in [0, 360]
    double declinationDeg = 0.0;     // δ (a float widened)
    double hourAngleDeg = 0.0;       // H in [-180, 180], + towards the West
    double altitudeDeg = 0.0;        // h (a float widened)
    double azimuthDeg = 0.0;         // from the South, + towards the West
    double distanceAu = 0.0;         // R
    double positionAngleDeg = 0.0;   // P (float widened), + towards the East
    double latitudeB0Deg = 0.0;      // B0 (float widened)
    double longitudeL0Deg = 0.0;     // L0 in [0, 360]
    double northZenithDeg = 0.0;     // q (float widened), negative east of the meridian
};

struct EphemerisResult {
    std::string lblad, lbldec, lblah, lblh, lblaz, lblr;  // solar position
    std::string lblp, lblb0, lbll0, lblksi;               // physical ephemeris
    float anglep = 0.0f;  // P, degrees, positive towards the East
    float latb0 = 0.0f;   // B0, degrees
    EphemerisValues values;
    // For a year outside 1800–2100, the sentence that says the accuracy stated
    // in the help holds only within them; empty otherwise.
    std::string accuracyNotice;
};

// The solar ephemeris. All or nothing: a field that is not a number, a date,
// time or place that does not exist (month 13, 31 April, latitude 95°), or a
// value that cannot be computed gives a French message naming the field or the cause.
Outcome<EphemerisResult> calculephem(const EphemerisInput &input, char decimalSeparator);

// "Calcul impossible : " and the cause, as the ephemeris's failures begin.
std::string impossibleCalculation(const std::string &cause);
// The failure of a date, time or place whose values leave the computation's range.
std::string ephemerisOutOfRange();

// calculephem's message for the first field that is not a number or out of its range, if any.
std::optional<std::string> firstFieldFault(const EphemerisInput &input, char decimalSeparator);

} // namespace brelo
