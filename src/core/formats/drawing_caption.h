#pragma once

#include "core/ephemeris/calculephem.h"
#include "core/optics/panel_texts.h"

#include <string>
#include <vector>

namespace brelo {

// The lines written under an exported or printed drawing, so that the picture
// says what it shows once it has left the window.

// The disc: "Date et heure : 2027-03-05 08:00 TU", the place as typed, then
// P, B0 and L0 as the page shows them (and the turn when drawn zenith up).
std::vector<std::string> discCaption(const EphemerisInput &input, const EphemerisResult &result, bool zenithUp,
                                     char decimalSeparator);

// The train: the panel's values as typed, lenses in the order of the light,
// "O1 : focale 1000, diamètre 90 · O2 : focale 200, diamètre 50 · A = 30".
std::vector<std::string> trainCaption(const OpticsPanelTexts &inputs);

} // namespace brelo
