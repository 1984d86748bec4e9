#include "drawing/disc_drawing.h"

#include "common/angles.h"
#include "drawing/canvas.h"
#include "drawing/point_turn.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace brelo {

namespace {

constexpr CanvasColor kLightYellow = CanvasColor::of(255, 255, 128);
constexpr CanvasColor kBlack = CanvasColor::of(0, 0, 0);
constexpr CanvasColor kBlue = CanvasColor::of(0, 0, 255);

constexpr double kDiscRadius = 500.0;
constexpr short kSphereRadius = 500;  // handed to cerclx/cercly as a 16-bit integer
constexpr float kDotRadius = 2.0f;
// Axis points are built at x = 0.1, never 0: rotx and roty divide by x.
constexpr double kAxisX = 0.1;
constexpr double kLongitudeStep = 0.7;
constexpr std::size_t kDotCount = 1803;  // the four sweeps' dots, room reserved once

// The coarse π of cercly and of the pole distance: it bends the picture by
// under a unit, and the drawing has always used it.
constexpr double kCoarsePi = 3.14;
double coarseRadians(double degrees) { return degrees / 180.0 * kCoarsePi; }

struct Point {
    float x, y;
};

// The axis points of steps 4 and 6: the turned point reflected in the
// vertical, so that a positive P turns the north pole towards the East (left).
Point axisPoint(float anglep, double y)
{
    return {-rotx(anglep, kAxisX, y), roty(anglep, kAxisX, y)};
}

// One longitude sweep of the parallels. Because rotx/roty use the one-argument
// arctangent, the sign of cerclx decides the half-turn; mirrorX picks the
// pixel form (-rx, ry) instead of (rx, -ry) so every arc lands on the near side.
constexpr std::array<double, 4> kWithEquator{0.0, 20.0, 45.0, 75.0};
constexpr std::size_t kEquator = 0;
constexpr std::size_t kOffEquator = 1;  // the first parallel after the equator

struct Sweep {
    double from, upTo;
    std::size_t firstLatitude;  // of kWithEquator, to its end
    bool mirrorX;
};

// cerclx and cercly of one dot, with every factor that depends on the
// drawing, the longitude or the latitude alone computed once: the same
// operations on the same values, so every dot lands where the helpers put it.
class TiltedSphere {
public:
    struct Meridian {
        double sinLon;        // of lon × π₁ / 180, for cerclx
        double cosCoarseLon;  // of lon / 180 × 3.14, for cercly
    };

    explicit TiltedSphere(double b0) : sinB0_(std::sin(coarseRadians(b0))), cosB0_(std::cos(coarseRadians(b0)))
    {
        for (std::size_t i = 0; i < kWithEquator.size(); ++i) {
            cosLat_[i] = std::cos(degToRad(kWithEquator[i]));
            cosCoarseLat_[i] = std::cos(coarseRadians(kWithEquator[i]));
            sinCoarseLat_[i] = std::sin(coarseRadians(kWithEquator[i]));
        }
    }

    static Meridian meridian(double lonDeg)
    {
        return {std::sin(degToRad(lonDeg)), std::cos(coarseRadians(lonDeg))};
    }

    // The untilted, unturned dot of the meridian on the parallel kWithEquator[i].
    std::pair<double, double> dot(const Meridian &m, std::size_t i) const
    {
        return {kSphereRadius * cosLat_[i] * m.sinLon,
                -kSphereRadius * (m.cosCoarseLon * sinB0_ * cosCoarseLat_[i] + cosB0_ * sinCoarseLat_[i])};
    }

private:
    double sinB0_, cosB0_;
    std::array<double, kWithEquator.size()> cosLat_, cosCoarseLat_, sinCoarseLat_;
};

constexpr std::array<Sweep, 4> kSweeps{{
    {1.0, 90.0, kOffEquator, false},
    {90.0, 180.0, kEquator, true},
    {180.0, 270.0, kEquator, false},
    {270.0, 360.0, kOffEquator, true},
}};

// The meridians of each sweep depend on the longitude alone: worked out once
// for the session.
const std::array<std::vector<TiltedSphere::Meridian>, kSweeps.size()> &sweepMeridians()
{
    static const auto meridians = [] {
        std::array<std::vector<TiltedSphere::Meridian>, kSweeps.size()> all;
        for (std::size_t s = 0; s < kSweeps.size(); ++s) {
            // Repeated addition, not from + k × step: the last longitude of
            // each sweep depends on the accumulated rounding.
            for (double lon = kSweeps[s].from; lon <= kSweeps[s].upTo; lon += kLongitudeStep)
                all[s].push_back(TiltedSphere::meridian(lon));
        }
        return all;
    }();
    return meridians;
}

// The dots of the parallels, sweep by sweep.
void computeSphereDots(float anglep, float b0, std::vector<CanvasPoint> &dots)
{
    const TiltedSphere sphere(b0);
    const PointTurn turn(anglep);
    dots.clear();
    dots.reserve(kDotCount);
    for (std::size_t s = 0; s < kSweeps.size(); ++s) {
        for (const TiltedSphere::Meridian &meridian : sweepMeridians()[s]) {
            for (std::size_t lat = kSweeps[s].firstLatitude; lat < kWithEquator.size(); ++lat) {
                const auto [xs, ys] = sphere.dot(meridian, lat);
                const auto [rx, ry] = turn(xs, ys);
                dots.push_back(kSweeps[s].mirrorX ? CanvasPoint{-rx, ry} : CanvasPoint{rx, -ry});
            }
        }
    }
}

// The dots depend on P and B0 alone, and the window draws the same disc again
// at each change of page or view: the last ones are kept, for the same bits
// of P and B0 (a -0 is not a 0 to the trigonometry).
const std::vector<CanvasPoint> &sphereDots(float anglep, float b0)
{
    thread_local struct {
        std::optional<std::pair<std::uint32_t, std::uint32_t>> angles;
        std::vector<CanvasPoint> dots;
    } last;
    const std::pair angles(std::bit_cast<std::uint32_t>(anglep), std::bit_cast<std::uint32_t>(b0));
    if (last.angles != angles) {
        computeSphereDots(anglep, b0, last.dots);
        last.angles = angles;
    }
    return last.dots;
}

} // namespace

float rotx(float angleDeg, double x, double y)
{
    // One-argument arctangent on purpose: for x < 0 the result is the turned
    // point reflected through the origin, and the sweeps count on it.
    return static_cast<float>(std::sqrt(x * x + y * y) * std::cos(std::atan(y / x) + degToRad(angleDeg)));
}

float roty(float angleDeg, double x, double y)
{
    return static_cast<float>(std::sqrt(x * x + y * y) * std::sin(std::atan(y / x) + degToRad(angleDeg)));
}

double cerclx(short radius, double lonDeg, double latDeg, double /*b0Deg: unused*/)
{
    return radius * std::cos(degToRad(latDeg)) * std::sin(degToRad(lonDeg));
}

double cercly(short radius, double lonDeg, double latDeg, double b0Deg)
{
    const double lon = coarseRadians(lonDeg);
    const double lat = coarseRadians(latDeg);
    const double b0 = coarseRadians(b0Deg);
    return -radius * (std::cos(lon) * std::sin(b0) * std::cos(lat) + std::cos(b0) * std::sin(lat));
}

void setDiscUserScale(Canvas &canvas)
{
    canvas.setUserScale(-550.0, -550.0, 1100.0, 1100.0);
}

void dessinephem(Canvas &canvas, float anglep, std::optional<float> latb0)
{
    const float b0 = latb0.value_or(0.0f);  // empty before the first ephemeris

    canvas.clear();
    canvas.setFillColor(kLightYellow);
    canvas.setFillStyle(FillStyle::Solid);
    canvas.circle(0.0f, 0.0f, static_cast<float>(kDiscRadius), kBlack);

    const double poleDistance = kDiscRadius * std::cos(coarseRadians(b0));
    const Point south = axisPoint(anglep, poleDistance);
    const Point north = axisPoint(anglep, -poleDistance);
    canvas.circle(south.x, south.y, kDotRadius, kBlue);
    canvas.circle(north.x, north.y, kDotRadius, kBlue);
    canvas.circle(0.0f, 0.0f, kDotRadius, kBlack);

    // The half of the axis towards the visible pole is dashed.
    const Point centre = axisPoint(anglep, kAxisX);
    if (b0 > 0) {
        canvas.setLineStyle(LineStyle::Dotted);
        canvas.segment(south.x, south.y, centre.x, centre.y, CanvasColor::buttonFace());
        canvas.setLineStyle(LineStyle::Dashed);
        canvas.segment(centre.x, centre.y, north.x, north.y, CanvasColor::appWorkspace());
    } else {
        canvas.setLineStyle(LineStyle::Dashed);
        canvas.segment(south.x, south.y, centre.x, centre.y, CanvasColor::appWorkspace());
        canvas.setLineStyle(LineStyle::Dotted);
        canvas.segment(centre.x, centre.y, north.x, north.y, CanvasColor::buttonFace());
    }
    canvas.setLineStyle(LineStyle::Solid);

    canvas.pixels(sphereDots(anglep, b0), kBlack);
}

} // namespace brelo
