#pragma once

#include "common/outcome.h"

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

struct EphemerisResult {
    std::string lblad, lbldec, lblah, lblh, lblaz, lblr;  // solar position
    std::string lblp, lblb0, lbll0, lblksi;               // physical ephemeris
    float anglep = 0.0f;  // P, degrees, positive towards the East
    float latb0 = 0.0f;   // B0, degrees
};

// The solar ephemeris. All or nothing: a field that is not a number or a value
// that cannot be computed gives a French message naming the field or the cause.
Outcome<EphemerisResult> calculephem(const EphemerisInput &input, char decimalSeparator);

} // namespace brelo
