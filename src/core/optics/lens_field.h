#pragma once

#include "core/common/outcome.h"
#include "core/optics/paraxial_trace.h"
#include "core/optics/sun_units.h"

#include <array>
#include <string>

namespace brelo {

// The lenses behind O1 whose diameters can cut the beam: O2, O3, O3'.
inline constexpr int kFieldLenses = 3;
inline constexpr std::array<TrainLens, kFieldLenses> kFieldLens = {kO2, kO3, kO3b};
inline constexpr std::array<const char *, kFieldLenses> kFieldLensName = {"O2", "O3", "O3'"};

// The field one lens passes whole: out to this angle from the axis, the whole
// beam of a field point gets through it.
struct LensFieldAngle {
    double angle = 0.0;           // radians, (D/2 − |y|) ÷ |c|; +inf when c = 0
    bool centreCut = false;       // D/2 ≤ |y|: even the beam of the field's centre is cut
    double neededDiameter = 0.0;  // 2|y|: a larger diameter passes the centre
};
LensFieldAngle lensFieldAngle(double diameter, double marginalHeight, double chiefHeightPerRadian);

// The field without vignetting, lens by lens and for the instrument.
struct FieldResult {
    std::array<std::string, kFieldLenses> lenses;  // "Champ sans vignettage à O2 : 4,845 R☉"
    std::string instrument;                        // "Champ sans vignettage : 4,845 R☉ (limité par O2)"
    std::array<double, kFieldLenses> lensRadii{};  // solar radii; NaN when the centre is cut
    double radius = 0.0;  // the instrument's, solar radii; 0 when the centre is cut
    double angle = 0.0;   // the same in radians (0 too when there is no limit): the field's edge
};

// From the trace and the diameters of O2, O3, O3' in mm (not negative). Fails
// only when a number leaves the range of the computation.
Outcome<FieldResult> fieldWithoutVignetting(const ParaxialTrace &trace,
                                            const std::array<double, kFieldLenses> &diameters,
                                            char decimalSeparator);

} // namespace brelo
