#pragma once

#include <array>

namespace brelo {

// The thin lenses of the train, front to back, as indices of the arrays below.
enum TrainLens { kO1 = 0, kO2 = 1, kO3 = 2, kO3b = 3 };
inline constexpr int kTrainLenses = 4;

// O3' stands this far behind O3: the spacing the layout drawing gives them,
// which the optical computation leaves open.
inline constexpr double kO3ToO3bMm = 50.0;

// What the trace needs of a run, in millimetres.
struct TrainLayout {
    double f1, d1, f2, a, c, f3, f3b;  // focal lengths, diameter of O1, A, C
};

// A paraxial ray: its height at each lens (mm, positive upwards) and its slope
// (radians, positive upwards) just after the lens has bent it.
struct TracedRay {
    std::array<double, kTrainLenses> height{};
    std::array<double, kTrainLenses> slope{};
};

struct ParaxialTrace {
    std::array<double, kTrainLenses> position{};  // mm behind O1
    std::array<double, kTrainLenses> focal{};
    TracedRay marginal;  // from the rim of O1 (D1/2), parallel to the axis
    TracedRay chief;     // through the centre of O1 at 1 radian: heights per radian of field
};

// Traces both rays lens by lens: transfer y ← y + u·d, then thin lens u ← u − y/f.
ParaxialTrace paraxialTrace(const TrainLayout &layout);

// Focal length of the train from the marginal ray: (D1/2) ÷ |u| after O3'.
// With the signs above the final image is upright (O1 and the pair O3, O3'
// each turn it over), so −(D1/2) ÷ u itself is −F.
double tracedFocalLength(const ParaxialTrace &trace);

// Where the chief ray crosses the axis behind O2, mm: the image of O1's
// aperture, where the Lyot stop stands (B).
double chiefCrossingBehindO2(const ParaxialTrace &trace);

} // namespace brelo
