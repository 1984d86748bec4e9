#include "core/optics/paraxial_trace.h"

#include <cmath>

namespace brelo {

namespace {

using Gaps = std::array<double, kTrainLenses>;  // from the lens before, mm

TracedRay trace(const Gaps &gaps, const ParaxialTrace &train, double height, double slope)
{
    TracedRay ray;
    for (std::size_t k = 0; k < kTrainLenses; ++k) {
        height += slope * gaps[k];
        slope -= height / train.focal[k];
        ray.height[k] = height;
        ray.slope[k] = slope;
    }
    return ray;
}

} // namespace

ParaxialTrace paraxialTrace(const TrainLayout &t)
{
    // The occulting disc, f1 behind O1, is a plane the rays cross unbent.
    const Gaps gaps = {0.0, t.f1 + t.a, t.c, kO3ToO3bMm};
    ParaxialTrace train;
    for (std::size_t k = 1; k < kTrainLenses; ++k)
        train.position[k] = train.position[k - 1] + gaps[k];
    train.focal = {t.f1, t.f2, t.f3, t.f3b};
    train.marginal = trace(gaps, train, t.d1 / 2, 0.0);
    train.chief = trace(gaps, train, 0.0, 1.0);
    return train;
}

double tracedFocalLength(const ParaxialTrace &trace)
{
    return trace.marginal.height[kO1] / std::fabs(trace.marginal.slope[kO3b]);
}

double chiefCrossingBehindO2(const ParaxialTrace &trace)
{
    return -trace.chief.height[kO2] / trace.chief.slope[kO2];
}

} // namespace brelo
