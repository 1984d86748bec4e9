#include "core/drawing/heliographic_grid.h"

#include <cmath>
#include <functional>

namespace brelo {

namespace {

constexpr double kSampleDeg = 1.0;
constexpr int kLimbHalvings = 40;  // a degree down to 1e-12 of one

// A line of the sphere as a function of its running angle.
using SphereLine = std::function<DiscPoint(double)>;

CanvasPoint pictureOf(const DiscPoint &point)
{
    return {static_cast<float>(point.x), static_cast<float>(point.y)};
}

// Where the line passes the limb between a visible and a hidden sample.
DiscPoint limbCrossing(const SphereLine &line, double visibleAt, double hiddenAt)
{
    for (int i = 0; i < kLimbHalvings; ++i) {
        const double middle = (visibleAt + hiddenAt) / 2.0;
        (line(middle).visible ? visibleAt : hiddenAt) = middle;
    }
    return line(visibleAt);
}

// The visible arcs of a line run from `from` to `to`: a new arc starts each
// time it comes round from the far side.
void addVisibleArcs(const SphereLine &line, double from, double to, GridArc::Kind kind, double value,
                    std::vector<GridArc> &arcs)
{
    const int samples = static_cast<int>(std::lround((to - from) / kSampleDeg));
    bool wasVisible = false;
    double previous = from;
    for (int i = 0; i <= samples; ++i) {
        const double at = from + (to - from) * i / samples;
        const DiscPoint point = line(at);
        if (point.visible && !wasVisible) {
            arcs.push_back({kind, value, {}});
            if (i > 0)
                arcs.back().points.push_back(pictureOf(limbCrossing(line, at, previous)));
        }
        if (point.visible)
            arcs.back().points.push_back(pictureOf(point));
        else if (wasVisible)
            arcs.back().points.push_back(pictureOf(limbCrossing(line, previous, at)));
        wasVisible = point.visible;
        previous = at;
    }
}

} // namespace

std::vector<GridArc> heliographicGrid(const DiscOrientation &disc, double stepDeg)
{
    std::vector<GridArc> arcs;
    const int parallels = static_cast<int>(std::ceil(90.0 / stepDeg)) - 1;
    for (int k = -parallels; k <= parallels; ++k) {
        const double latitude = k * stepDeg;
        addVisibleArcs([&](double l) { return discPoint(disc, latitude, l); }, -180.0, 180.0,
                       GridArc::Kind::Parallel, latitude, arcs);
    }
    const int meridians = static_cast<int>(std::lround(360.0 / stepDeg));
    for (int k = 0; k < meridians; ++k) {
        const double longitude = -180.0 + (k + 1) * stepDeg;
        addVisibleArcs([&](double b) { return discPoint(disc, b, longitude); }, -90.0, 90.0,
                       GridArc::Kind::Meridian, longitude, arcs);
    }
    return arcs;
}

} // namespace brelo
