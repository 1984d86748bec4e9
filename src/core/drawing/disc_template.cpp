#include "core/drawing/disc_template.h"

#include "core/common/numeric_text.h"
#include "core/common/translate.h"
#include "core/drawing/canvas.h"
#include "core/drawing/heliographic_grid.h"
#include "core/drawing/heliographic_position.h"
#include "core/drawing/stroke_letters.h"
#include "core/drawing/turned_canvas.h"

#include <string>

namespace brelo {

namespace {

constexpr CanvasColor kInk = CanvasColor::of(0, 0, 0);
constexpr CanvasColor kGridInk = CanvasColor::of(110, 110, 110);  // grey, so a sketch stands out
constexpr int kGridPen = 1;
constexpr int kLimbPen = 2;
constexpr int kStressedPen = 3;
constexpr double kGridStepDeg = 10.0;
constexpr float kPoleRing = 12.0f;  // 1.2 mm

// Letters 4.5 mm wide and 6 mm high, their centres 5 mm beyond the rim.
constexpr float kLetterWidth = 45.0f;
constexpr float kLetterHeight = 60.0f;
constexpr float kLetterGap = 50.0f;

struct CompassLetter {
    char letter;
    float dx, dy;  // north up, east to the left, as the sky shows the Sun
};
constexpr CompassLetter kCompass[] = {{'N', 0, -1}, {'E', -1, 0}, {'S', 0, 1}, {'W', 1, 0}};

void drawPolyline(Canvas &canvas, const std::vector<CanvasPoint> &points, CanvasColor ink)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        canvas.segment(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, ink);
}

// The grid first, the stressed equator and axis over it, the limb last.
void drawSphere(Canvas &canvas, const DiscOrientation &disc)
{
    const std::vector<GridArc> grid = heliographicGrid(disc, kGridStepDeg);
    canvas.setPenWidth(kGridPen);
    for (const GridArc &arc : grid)
        if (!(arc.kind == GridArc::Kind::Parallel && arc.valueDeg == 0.0))
            drawPolyline(canvas, arc.points, kGridInk);

    canvas.setPenWidth(kStressedPen);
    for (const GridArc &arc : grid)
        if (arc.kind == GridArc::Kind::Parallel && arc.valueDeg == 0.0)
            drawPolyline(canvas, arc.points, kInk);
    const DiscPoint south = discPoint(disc, -90.0, 0.0);
    const DiscPoint north = discPoint(disc, 90.0, 0.0);
    canvas.segment(static_cast<float>(south.x), static_cast<float>(south.y), static_cast<float>(north.x),
                   static_cast<float>(north.y), kInk);

    canvas.setPenWidth(kGridPen);
    for (const DiscPoint &pole : {south, north})
        canvas.circle(static_cast<float>(pole.x), static_cast<float>(pole.y), kPoleRing, kInk);
    canvas.setPenWidth(kLimbPen);
    canvas.circle(0.0f, 0.0f, static_cast<float>(disc.radius), kInk);
}

void drawCompassLetters(Canvas &canvas, float radius)
{
    canvas.setPenWidth(kLimbPen);
    const float centre = radius + kLetterGap;
    for (const CompassLetter &c : kCompass)
        drawStrokeLetter(canvas, c.letter, c.dx * centre, c.dy * centre, kLetterWidth, kLetterHeight, kInk);
}

// An arrow pointing up above the rim, with its Z beside it.
void drawZenithMark(Canvas &canvas, float radius)
{
    const float foot = -(radius + 15.0f), tip = -(radius + 100.0f), head = 15.0f;
    canvas.setPenWidth(kLimbPen);
    canvas.segment(0.0f, foot, 0.0f, tip, kInk);
    canvas.segment(-head / 2, tip + head, 0.0f, tip, kInk);
    canvas.segment(head / 2, tip + head, 0.0f, tip, kInk);
    drawStrokeLetter(canvas, 'Z', kLetterWidth, -(radius + kLetterGap), kLetterWidth, kLetterHeight, kInk);
}

} // namespace

double templateRadius(double diameterMm) { return diameterMm / 2.0 / kTemplateUnitMm; }

double templateSideMm(double diameterMm) { return diameterMm + 2.0 * kTemplateMarginMm; }

void setTemplateUserScale(Canvas &canvas, double diameterMm)
{
    const double half = templateSideMm(diameterMm) / 2.0 / kTemplateUnitMm;
    canvas.setUserScale(-half, -half, 2.0 * half, 2.0 * half);
}

Outcome<double> templateDiameterOf(std::string_view text, char sep)
{
    const char *const name = QT_TRANSLATE_NOOP("fields", "le diamètre du disque");
    const char *const impossible = QT_TRANSLATE_NOOP("drawing", "Gabarit impossible : %1");
    const NumericText read = readNumber(text, sep);
    if (!read.ok())
        return Outcome<double>::failure(filled(translated("drawing", impossible), {fieldProblem(name, text, read.error)}));
    if (!(read.value >= kSmallestTemplateMm && read.value <= kLargestTemplateMm)) {
        // Quoted as typed when short enough to repeat, as the other messages do.
        const std::string typed = text.size() <= 24 ? filled(translated("numbers", " (« %1 »)"), {text}) : "";
        const std::string why = filled(translated("drawing", "%1%2 doit être compris entre 20 et 250 mm."),
                                       {translated("fields", name), typed});
        return Outcome<double>::failure(filled(translated("drawing", impossible), {why}));
    }
    return Outcome<double>::success(read.value);
}

void drawDiscTemplate(Canvas &canvas, const DiscTemplate &t)
{
    const double radius = templateRadius(t.diameterMm);
    const DiscOrientation disc{t.positionAngleDeg, t.latitudeB0Deg, 0.0, 0.0, radius};
    canvas.clear();
    canvas.setLineStyle(LineStyle::Solid);
    canvas.setFillStyle(FillStyle::Transparent);
    if (t.zenithTurnDeg) {
        TurnedCanvas turned(canvas, 0.0, 0.0, *t.zenithTurnDeg);
        drawSphere(turned, disc);
        drawZenithMark(canvas, static_cast<float>(radius));
    } else {
        drawSphere(canvas, disc);
        drawCompassLetters(canvas, static_cast<float>(radius));
    }
    canvas.setPenWidth(1);
}

} // namespace brelo
