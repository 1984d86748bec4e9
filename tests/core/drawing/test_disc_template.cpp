#include "core/drawing/disc_drawing.h"
#include "core/drawing/disc_template.h"
#include "core/drawing/disc_template_heading.h"
#include "core/drawing/heliographic_position.h"
#include "core/drawing/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brelo {
namespace {

using Kind = RecordedOp::Kind;

RecordingCanvas drawn(const DiscTemplate &t)
{
    RecordingCanvas canvas(10000, 10000);
    setTemplateUserScale(canvas, t.diameterMm);
    drawDiscTemplate(canvas, t);
    return canvas;
}

bool near(double x, double y, const DiscPoint &p, double tolerance)
{
    return std::hypot(x - p.x, y - p.y) <= tolerance;
}

// One unit is 0.1 mm: the disc and a 12 mm margin on each side, so a 150 mm
// disc spans 1740 units of a 174 mm square and its limb has radius 750.
TEST(DiscTemplate, UnitsAreTenthsOfAMillimetreAndTheLimbIsHalfTheDiameter)
{
    for (double diameter : {150.0, 20.0, 212.5}) {
        const RecordingCanvas canvas = drawn({diameter, 12, 3, std::nullopt});
        const RecordedOp &scale = canvas.ops().front();
        ASSERT_EQ(scale.kind, Kind::SetUserScale);
        const double side = (diameter + 24) * 10;
        EXPECT_EQ(scale.args, (std::array<double, 4>{-side / 2, -side / 2, side, side}));
        EXPECT_DOUBLE_EQ(templateSideMm(diameter), diameter + 24);
        const auto circles = canvas.count(Kind::Circle);
        ASSERT_EQ(circles, 3u);  // two pole rings, then the limb
        const std::vector<RecordedOp> ops = canvas.drawn();
        const RecordedOp limb = *std::find_if(ops.rbegin(), ops.rend(),
                                              [](const RecordedOp &op) { return op.kind == Kind::Circle; });
        EXPECT_EQ(limb.args[0], 0);
        EXPECT_EQ(limb.args[1], 0);
        EXPECT_FLOAT_EQ(static_cast<float>(limb.args[2]), static_cast<float>(diameter * 10 / 2));
        EXPECT_EQ(limb.fillStyle, FillStyle::Transparent);
    }
}

// All 36 meridians and the axis end at the pole tipped towards us, which is
// where the disc picture draws its pole dot (scaled from radius 500 to 750).
// With B0 = 0 both poles are on the limb and only the 19 meridians of the
// near side, -90 to 90, reach them.
TEST(DiscTemplate, MeridiansMeetAtTheDiscPicturesPole)
{
    const struct {
        float p, b0;
    } cases[] = {{20, 5}, {-15, -6}, {26.273f, 7.2f}, {0, 0}};
    for (const auto &c : cases) {
        const RecordingCanvas canvas = drawn({150, c.p, c.b0, std::nullopt});
        RecordingCanvas picture(kDiscInnerTwips, kDiscInnerTwips);
        dessinephem(picture, c.p, c.b0);
        const RecordedOp dot = picture.drawn()[c.b0 >= 0 ? 2 : 1];  // disc, south pole, north pole
        const DiscPoint pole = discPoint({c.p, c.b0, 0, 0, 750}, c.b0 >= 0 ? 90 : -90, 0);
        EXPECT_NEAR(pole.x, dot.args[0] * 1.5, 1.5);
        EXPECT_NEAR(pole.y, dot.args[1] * 1.5, 1.5);
        int ending = 0;
        for (const RecordedOp &op : canvas.drawn())
            if (op.kind == Kind::Segment)
                ending += near(op.args[0], op.args[1], pole, 1e-2) || near(op.args[2], op.args[3], pole, 1e-2);
        EXPECT_EQ(ending, (c.b0 == 0 ? 19 : 36) + 1) << "P " << c.p << " B0 " << c.b0;
    }
}

// The wide pen draws the equator (latitude 0 all along) and the axis, the
// grey grid is drawn with the thin one, and all of it stays on the disc.
TEST(DiscTemplate, EquatorAndAxisAreStressed)
{
    const DiscOrientation disc{-22, 4, 0, 0, 750};
    const RecordingCanvas canvas = drawn({150, disc.positionAngleDeg, disc.latitudeB0Deg, std::nullopt});
    const DiscPoint south = discPoint(disc, -90, 0), north = discPoint(disc, 90, 0);
    int equator = 0, axis = 0, grid = 0;
    for (const RecordedOp &op : canvas.drawn()) {
        if (op.kind != Kind::Segment || std::hypot(op.args[0], op.args[1]) > 750.01)
            continue;  // letters lie beyond the rim
        if (op.penWidth == 1) {
            ++grid;
            EXPECT_NE(op.color, CanvasColor::of(0, 0, 0));
            continue;
        }
        ASSERT_EQ(op.penWidth, 3);
        if (near(op.args[0], op.args[1], south, 1e-2) && near(op.args[2], op.args[3], north, 1e-2)) {
            ++axis;
            continue;
        }
        ++equator;
        for (int end = 0; end < 2; ++end)
            EXPECT_NEAR(heliographicPosition(disc, op.args[2 * end], op.args[2 * end + 1])->latitudeDeg, 0, 1e-3);
    }
    EXPECT_EQ(axis, 1);
    EXPECT_GT(equator, 170);  // about half of the equator, a degree a segment
    EXPECT_GT(grid, 16 * 170);
}

// The letters stand beyond the rim, N above, E on the left; zenith up turns
// the disc about its centre and draws the zenith's arrow above it instead.
TEST(DiscTemplate, CompassLettersOrTheZenithMark)
{
    const RecordingCanvas plain = drawn({150, 20, 5, std::nullopt});
    const RecordingCanvas turned = drawn({150, 20, 5, -40.0});
    const auto beyondRim = [](const RecordingCanvas &canvas) {
        std::vector<RecordedOp> marks;
        for (const RecordedOp &op : canvas.drawn())
            if (op.kind == Kind::Segment && std::hypot(op.args[0], op.args[1]) > 751)
                marks.push_back(op);
        return marks;
    };
    const auto letters = beyondRim(plain);
    EXPECT_EQ(letters.size(), 3u + 4 + 11 + 4);  // N, E, S, W
    EXPECT_LT(letters.front().args[1], -750);     // N's first stroke is above the disc
    EXPECT_EQ(beyondRim(turned).size(), 3u + 3);  // arrow and Z
    for (const RecordedOp &op : beyondRim(turned))
        EXPECT_LT(op.args[1], -750);

    const double turn = -40 * std::numbers::pi / 180;  // counter-clockwise on the paper, y down
    const std::vector<RecordedOp> plainOps = plain.drawn(), turnedOps = turned.drawn();
    const RecordedOp &northRing = plainOps[plainOps.size() - 2 - letters.size()];
    const RecordedOp &turnedRing = turnedOps[turnedOps.size() - 2 - 6];
    ASSERT_EQ(northRing.kind, Kind::Circle);
    EXPECT_NEAR(turnedRing.args[0], northRing.args[0] * std::cos(turn) + northRing.args[1] * std::sin(turn), 1e-3);
    EXPECT_NEAR(turnedRing.args[1], -northRing.args[0] * std::sin(turn) + northRing.args[1] * std::cos(turn), 1e-3);
}

TEST(DiscTemplate, DiameterFieldIsReadOrRefusedInFrench)
{
    EXPECT_EQ(templateDiameterOf("150", ',').value(), 150);
    EXPECT_EQ(templateDiameterOf(" 87,5 ", ',').value(), 87.5);
    EXPECT_EQ(templateDiameterOf("abc", ',').error(),
              "Gabarit impossible : le diamètre du disque (« abc ») n'est pas un nombre (séparateur décimal : point ou virgule).");
    EXPECT_EQ(templateDiameterOf("", ',').error(), "Gabarit impossible : le diamètre du disque est vide.");
    EXPECT_EQ(templateDiameterOf("300", ',').error(),
              "Gabarit impossible : le diamètre du disque (« 300 ») doit être compris entre 20 et 250 mm.");
    EXPECT_FALSE(templateDiameterOf("19,9", ',').ok());
}

// P, B0, L0 and the north–zenith angle as the description's worked cases give
// them; the Carrington rotation from rotation 1860's published start (JD
// 2448872.0275) and the mean synodic period of 27.2753 days: 1861, 0.337 ± 0.01.
TEST(DiscTemplate, HeadingTexts)
{
    EphemerisInput october{"1992", "10", "13", "0", "0", "0", "0", "0", "0"};
    const auto result = calculephem(october, ',');
    ASSERT_TRUE(result.ok());
    const TemplateHeading h = templateHeading(october, result.value(), false, ',');
    EXPECT_EQ(h.dateTime, "Date et heure : 1992-10-13 00:00 TU");
    EXPECT_EQ(h.orientation, "P = 26,273° · B0 = 5,988° · L0 = 238,642°");
    ASSERT_TRUE(h.carrington.starts_with("Rotation de Carrington : 1861,"));
    EXPECT_NEAR(std::stod(h.carrington.substr(h.carrington.find(',') + 1)) / 1000, 0.337, 0.01);
    EXPECT_EQ(h.zenith, "");
    EXPECT_EQ(h.lines().size(), 4u + 3);
    EXPECT_EQ(h.lines()[4], "Observateur : ______________________________");
    EXPECT_EQ(h.lines()[5], "Seeing : ______________________________");
    EXPECT_EQ(h.lines()[6], "Instrument : ______________________________");

    const EphemerisInput paris{"2000", "1", "1", "0", "0", "48", "51", "2", "21"};
    const EphemerisInput defaults{"2000", "1", "1", "0", "0", "45", "0", "0", "0"};
    const TemplateHeading z = templateHeading(paris, calculephem(defaults, '.').value(), true, '.');
    EXPECT_EQ(z.orientation, "P = 2.381° · B0 = -2.954° · L0 = 8.039°");
    EXPECT_EQ(z.place, "Lieu : latitude 48° 51', longitude 2° 21' (+ à l'Est)");
    EXPECT_EQ(z.zenith, "Zénith en haut : angle Nord-Zénith = 1.442°");
    EXPECT_EQ(z.lines().size(), 5u + 3);
}

} // namespace
} // namespace brelo
