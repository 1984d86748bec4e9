#include "core/drawing/zenith_up_disc.h"

#include "core/drawing/canvas.h"
#include "core/drawing/disc_drawing.h"
#include "core/drawing/stroke_letters.h"
#include "core/drawing/turned_canvas.h"

namespace brelo {

namespace {

constexpr CanvasColor kCompassColor = CanvasColor::of(255, 255, 0);  // as the N/E/S/W labels
constexpr CanvasColor kZenithColor = CanvasColor::of(255, 255, 255);

// The margin between the disc (radius 500) and the picture's edge (550).
constexpr float kTickFrom = 503.0f;
constexpr float kTickTo = 515.0f;
constexpr float kLetterCentre = 532.0f;
constexpr float kLetterWidth = 14.0f;
constexpr float kLetterHeight = 20.0f;

struct CompassPoint {
    char letter;
    float dx, dy;  // unit direction on the untouched picture: north up, east to the left
};
constexpr CompassPoint kCompass[] = {{'N', 0, -1}, {'E', -1, 0}, {'S', 0, 1}, {'W', 1, 0}};

// The zenith's arrow stands in the upper right corner, clear of the disc and
// of the compass letters whatever the turn.
constexpr float kArrowX = 528.0f;
constexpr float kArrowBottom = -455.0f;
constexpr float kArrowTop = -540.0f;
constexpr float kArrowHead = 10.0f;
constexpr float kZenithLetterX = 500.0f;
constexpr float kZenithLetterY = -525.0f;

void drawCompassMarks(Canvas &canvas, const TurnedCanvas &turn)
{
    for (const CompassPoint &point : kCompass) {
        const TurnedCanvas::Point from = turn.turned(point.dx * kTickFrom, point.dy * kTickFrom);
        const TurnedCanvas::Point to = turn.turned(point.dx * kTickTo, point.dy * kTickTo);
        canvas.segment(from.x, from.y, to.x, to.y, kCompassColor);
        // The letter's place follows the turn; the letter itself stays upright.
        const TurnedCanvas::Point at = turn.turned(point.dx * kLetterCentre, point.dy * kLetterCentre);
        drawStrokeLetter(canvas, point.letter, at.x, at.y, kLetterWidth, kLetterHeight, kCompassColor);
    }
}

void drawZenithMark(Canvas &canvas)
{
    canvas.segment(kArrowX, kArrowBottom, kArrowX, kArrowTop, kZenithColor);
    canvas.segment(kArrowX - kArrowHead / 2, kArrowTop + kArrowHead, kArrowX, kArrowTop, kZenithColor);
    canvas.segment(kArrowX + kArrowHead / 2, kArrowTop + kArrowHead, kArrowX, kArrowTop, kZenithColor);
    drawStrokeLetter(canvas, 'Z', kZenithLetterX, kZenithLetterY, kLetterWidth, kLetterHeight, kZenithColor);
}

} // namespace

// The north–zenith angle q is the position angle of the zenith seen from the
// Sun: counted from north towards the East, which on this picture (north up,
// east to the left, like P) is counter-clockwise. q is negative east of the
// meridian, so in the morning the zenith lies to the right of north. Turning
// the picture by −q brings the zenith to the top. Worked case: in the morning
// q = −40°, the picture turns 40° counter-clockwise and north ends up at the
// upper left — an observer facing the Sun in the south-east sees the celestial
// pole to his left, up above the northern horizon.
double zenithUpTurnDeg(float northZenithDeg) { return -static_cast<double>(northZenithDeg); }

void dessinephemZenithUp(Canvas &canvas, float anglep, std::optional<float> latb0, float northZenithDeg)
{
    TurnedCanvas turned(canvas, 0.0, 0.0, zenithUpTurnDeg(northZenithDeg));
    dessinephem(turned, anglep, latb0);
    drawCompassMarks(canvas, turned);
    drawZenithMark(canvas);
}

} // namespace brelo
