#include "core/drawing/disc_drawing.h"

#include "core/common/angles.h"
#include "core/drawing/canvas.h"
#include "core/drawing/point_turn.h"

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

constexpr std::array<Sweep, 4> kSweeps{{
    {1.0, 90.0, kOffEquator, false},
    {90.0, 180.0, kEquator, true},
    {180.0, 270.0, kEquator, false},
    {270.0, 360.0, kOffEquator, true},
}};

// cerclx and cercly of every dot, in the order the sweeps draw them, with
// each factor that depends on the longitude or the latitude alone worked out
// once for the session: per drawing, the same operations on the same values,
// so every dot lands where the helpers put it.
class SphereFactors {
public:
    SphereFactors()
    {
        for (const Sweep &sweep : kSweeps) {
            // Repeated addition, not from + k × step: the last longitude of
            // each sweep depends on the accumulated rounding.
            for (double lon = sweep.from; lon <= sweep.upTo; lon += kLongitudeStep) {
                for (std::size_t lat = sweep.firstLatitude; lat < kWithEquator.size(); ++lat)
                    add(lon, kWithEquator[lat], sweep.mirrorX);
            }
        }
    }

    std::size_t size() const { return mirrorX_.size(); }
    bool mirrorX(std::size_t dot) const { return mirrorX_[dot] != 0; }

    // cerclx(kSphereRadius, lon, lat, b0) and cercly(kSphereRadius, lon, lat, b0) of every dot.
    void tilt(double b0Deg, double *xs, double *ys) const
    {
        const double sinB0 = std::sin(coarseRadians(b0Deg));
        const double cosB0 = std::cos(coarseRadians(b0Deg));
        const double minusRadius = -kSphereRadius;
        const std::size_t count = size();
        for (std::size_t k = 0; k < count; ++k) {
            xs[k] = radiusCosLat_[k] * sinLon_[k];
            ys[k] = minusRadius * (cosCoarseLon_[k] * sinB0 * cosCoarseLat_[k] + cosB0 * sinCoarseLat_[k]);
        }
    }

private:
    void add(double lonDeg, double latDeg, bool mirrorX)
    {
        radiusCosLat_.push_back(kSphereRadius * std::cos(degToRad(latDeg)));
        sinLon_.push_back(std::sin(degToRad(lonDeg)));
        cosCoarseLon_.push_back(std::cos(coarseRadians(lonDeg)));
        cosCoarseLat_.push_back(std::cos(coarseRadians(latDeg)));
        sinCoarseLat_.push_back(std::sin(coarseRadians(latDeg)));
        mirrorX_.push_back(mirrorX ? 1 : 0);
    }

    std::vector<double> radiusCosLat_, sinLon_;                     // for cerclx
    std::vector<double> cosCoarseLon_, cosCoarseLat_, sinCoarseLat_;  // for cercly
    std::vector<unsigned char> mirrorX_;
};

const SphereFactors &sphereFactors()
{
    static const SphereFactors factors;
    return factors;
}

// The dots of the parallels, sweep by sweep.
void computeSphereDots(float anglep, float b0, std::vector<CanvasPoint> &dots)
{
    const SphereFactors &sphere = sphereFactors();
    const std::size_t count = sphere.size();
    thread_local std::vector<double> xs, ys;
    thread_local std::vector<float> turnedX, turnedY;
    xs.resize(count);
    ys.resize(count);
    turnedX.resize(count);
    turnedY.resize(count);
    sphere.tilt(b0, xs.data(), ys.data());
    PointTurn(anglep).turnAll(xs.data(), ys.data(), count, turnedX.data(), turnedY.data());
    dots.resize(count);
    for (std::size_t k = 0; k < count; ++k)
        dots[k] = sphere.mirrorX(k) ? CanvasPoint{-turnedX[k], turnedY[k]} : CanvasPoint{turnedX[k], -turnedY[k]};
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
    canvas.setUserScale(kDiscUserLeft, kDiscUserLeft, kDiscUserSpan, kDiscUserSpan);
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
