#pragma once

#include "core/ephemeris/calculephem.h"

#include <string>
#include <vector>

namespace brelo {

// The texts printed beneath the disc template, in the language chosen, UT; the
// window adds the local time to the first line.
struct TemplateHeading {
    std::string dateTime;     // "Date et heure : 2027-06-21 10:30 TU"
    std::string orientation;  // "P = 2,381° · B0 = -2,954° · L0 = 8,039°", as the page shows them
    std::string carrington;   // "Rotation de Carrington : 2301,457"
    std::string place;        // "Lieu : latitude 48° 51', longitude 2° 21' (+ à l'Est)"
    std::string zenith;       // "Zénith en haut : angle Nord-Zénith = 1,442°", or empty
    std::vector<std::string> blanks;  // "Observateur : ____", "Seeing : ____", "Instrument : ____"

    // In print order, the empty ones left out.
    std::vector<std::string> lines() const;
};

// From the page's texts and the ephemeris computed from them; the place as
// typed in its four fields.
TemplateHeading templateHeading(const EphemerisInput &input, const EphemerisResult &result, bool zenithUp,
                                char decimalSeparator);

} // namespace brelo
