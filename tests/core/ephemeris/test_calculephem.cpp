#include "core/ephemeris/calculephem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelo {
namespace {

// What follows "n'est pas un nombre" in every message about a typed field.
#define NOT_A_NUMBER_HINT " (séparateur décimal : point ou virgule)."

std::vector<std::string> labels(const EphemerisResult &r)
{
    return {r.lblad, r.lbldec, r.lblah, r.lblh, r.lblaz,
            r.lblr,  r.lblp,   r.lblb0, r.lbll0, r.lblksi};
}

EphemerisResult computed(const EphemerisInput &input, char sep = '.')
{
    const auto outcome = calculephem(input, sep);
    EXPECT_TRUE(outcome.ok()) << outcome.error();
    return outcome.ok() ? outcome.value() : EphemerisResult{};
}

EphemerisInput at(const char *year, const char *month, const char *day, const char *hour,
                  const char *minute, const char *latDeg, const char *lonDeg)
{
    return EphemerisInput{year, month, day, hour, minute, latDeg, "0", lonDeg, "0"};
}

// The panel's defaults, 2000-01-01 0 h UT at 45° N on the Greenwich meridian.
TEST(Calculephem, PanelDefaultsGiveTheTenLabelsWithEitherSeparator)
{
    struct Shown {
        const char *point, *comma;
    };
    const Shown shown[] = {
        {"Ascension droite = 18 h 42 '", "Ascension droite = 18 h 42 '"},
        {"Déclinaison = -23.072°", "Déclinaison = -23,072°"},
        {"Angle horaire = 179.237° = 11 h 56 '", "Angle horaire = 179,237° = 11 h 56 '"},
        {"Hauteur = -68.063°", "Hauteur = -68,063°"},
        {"Azimuth (0 S, 90 W) = 178.122°", "Azimuth (0 S, 90 W) = 178,122°"},
        {"Distance Terre-Soleil = 0.983 U.A.", "Distance Terre-Soleil = 0,983 U.A."},
        {"Angle p (+ vers E) = 2.381°", "Angle p (+ vers E) = 2,381°"},
        {"Latitude héliocentrique BO = -2.954°", "Latitude héliocentrique BO = -2,954°"},
        {"Longitude héliocentrique L0 = 8.039°", "Longitude héliocentrique L0 = 8,039°"},
        {"Angle Nord-Zenith = 1.442°", "Angle Nord-Zenith = 1,442°"},
    };
    const auto withPoint = labels(computed(EphemerisInput{}, '.'));
    const auto withComma = labels(computed(EphemerisInput{}, ','));
    ASSERT_EQ(withPoint.size(), std::size(shown));
    for (std::size_t i = 0; i < withPoint.size(); ++i) {
        EXPECT_EQ(withPoint[i], shown[i].point);
        EXPECT_EQ(withComma[i], shown[i].comma);
    }

    const EphemerisResult r = computed(EphemerisInput{});
    EXPECT_NEAR(r.anglep, 2.38131f, 1e-5f);
    EXPECT_NEAR(r.latb0, -2.95343f, 1e-5f);
}

// The unrounded values behind the labels at the panel's defaults, and floats
// kept as the floats the labels were cut from.
TEST(Calculephem, ValuesCarryTheUnroundedNumbers)
{
    const EphemerisResult r = computed(EphemerisInput{});
    const EphemerisValues &v = r.values;
    const std::pair<double, double> expected[] = {
        {v.julianDay, 2451544.5},        {v.rightAscensionDeg, 280.7301},
        {v.declinationDeg, -23.0711},    {v.hourAngleDeg, 179.2377},
        {v.altitudeDeg, -68.0623},       {v.azimuthDeg, 178.1225},
        {v.distanceAu, 0.98332},         {v.positionAngleDeg, 2.38131},
        {v.latitudeB0Deg, -2.95343},     {v.longitudeL0Deg, 8.03925},
        {v.northZenithDeg, 1.44295},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_NEAR(expected[i].first, expected[i].second, 1e-4) << "value " << i;
    EXPECT_EQ(v.julianDay, 2451544.5);
    EXPECT_EQ(v.positionAngleDeg, static_cast<double>(r.anglep));
    EXPECT_EQ(v.latitudeB0Deg, static_cast<double>(r.latb0));
    EXPECT_EQ(static_cast<double>(static_cast<float>(v.northZenithDeg)), v.northZenithDeg);
}

// Meeus, Astronomical Algorithms, example 25.a and 29.a: 1992 October 13, 0 h TD.
TEST(Calculephem, Meeus1992October13)
{
    const EphemerisResult r = computed(at("1992", "10", "13", "0", "0", "0", "0"));
    EXPECT_EQ(r.lblad, "Ascension droite = 13 h 13 '");
    EXPECT_EQ(r.lbldec, "Déclinaison = -7.786°");
    EXPECT_EQ(r.lblr, "Distance Terre-Soleil = 0.997 U.A.");
    EXPECT_EQ(r.lblp, "Angle p (+ vers E) = 26.273°");
    EXPECT_EQ(r.lblb0, "Latitude héliocentrique BO = 5.988°");
    EXPECT_EQ(r.lbll0, "Longitude héliocentrique L0 = 238.642°");
    EXPECT_NEAR(r.anglep, 26.2734f, 1e-4f);
    EXPECT_NEAR(r.latb0, 5.98815f, 1e-5f);
}

float shownNumber(const std::string &label)
{
    const auto equals = label.find("= ");
    return std::stof(label.substr(equals + 2));
}

// 2000-01-01 at 45° N, longitude 0: the Sun crosses the meridian near 12 h 03 UT
// (equation of time about -3 min), well south of the zenith.
TEST(Calculephem, NorthZenithAngleChangesSignAcrossTheMeridian)
{
    const EphemerisResult before = computed(at("2000", "1", "1", "11", "53", "45", "0"));
    const EphemerisResult after = computed(at("2000", "1", "1", "12", "13", "45", "0"));
    EXPECT_LT(shownNumber(before.lblah), 0.0f);
    EXPECT_GT(shownNumber(after.lblah), 0.0f);
    const float qBefore = shownNumber(before.lblksi);
    const float qAfter = shownNumber(after.lblksi);
    EXPECT_LT(qBefore, 0.0f);
    EXPECT_GT(qBefore, -5.0f);
    EXPECT_GT(qAfter, 0.0f);
    EXPECT_LT(qAfter, 5.0f);
}

// Deliberate change: the longitude counts positive towards the East, as captioned.
// By hand at the defaults: θ0 = 280.46061837 - 360.98564736629 / 2 = 99.9677947,
// α = 280.7301, so 10° East gives H = 99.9677947 + 10 - 280.7301 = -170.7623
// (11 h 23.05 min East), and 10° West gives -190.7623 + 360 = 169.2377 (11.2825 h).
TEST(Calculephem, EasternLongitudeAddsToTheSiderealTime)
{
    EXPECT_EQ(computed(at("2000", "1", "1", "0", "0", "45", "10")).lblah,
              "Angle horaire = -170.763° = -11 h 23 '");
    EXPECT_EQ(computed(at("2000", "1", "1", "0", "0", "45", "-10")).lblah,
              "Angle horaire = 169.237° = 11 h 16 '");
}

// Deliberate change: minutes of arc take the sign of the degrees, "-0" included.
TEST(Calculephem, MinutesOfANegativeAngleCountAwayFromZero)
{
    struct Case {
        const char *degrees, *minutes, *sameAs;
    };
    const Case cases[] = {{"-2", "30", "-2.5"}, {"-0", "30", "-0.5"}, {"2", "30", "2.5"}};
    for (const Case &c : cases) {
        EphemerisInput split = at("2000", "1", "1", "9", "0", "45", "0");
        EphemerisInput whole = split;
        split.txtlatideg = c.degrees;
        split.txtlatimin = c.minutes;
        whole.txtlatideg = c.sameAs;
        EXPECT_EQ(labels(computed(split)), labels(computed(whole))) << "latitude " << c.degrees;
        split = whole = at("2000", "1", "1", "9", "0", "45", "0");
        split.txtlongideg = c.degrees;
        split.txtlongimin = c.minutes;
        whole.txtlongideg = c.sameAs;
        EXPECT_EQ(labels(computed(split)), labels(computed(whole))) << "longitude " << c.degrees;
    }
    EphemerisInput old = at("2000", "1", "1", "9", "0", "-1.5", "0");
    EphemerisInput split = at("2000", "1", "1", "9", "0", "-2", "0");
    split.txtlatimin = "30";
    EXPECT_NE(computed(split).lblh, computed(old).lblh);
}

// Each faulty field is named as the window labels it, with what was typed,
// the reason agreeing with the name; no result comes back.
TEST(Calculephem, EachFaultyFieldIsNamedInFrench)
{
    struct FieldCase {
        std::string EphemerisInput::*text;
        const char *named;
        const char *tooLarge;
    };
    const FieldCase fields[] = {
        {&EphemerisInput::txtann, "l'année", "est trop grande"},
        {&EphemerisInput::txtmois, "le mois", "est trop grand"},
        {&EphemerisInput::txtjour, "le jour", "est trop grand"},
        {&EphemerisInput::txtheur, "l'heure", "est trop grande"},
        {&EphemerisInput::txtminut, "la minute", "est trop grande"},
        {&EphemerisInput::txtlatideg, "la latitude (degrés)", "est trop grande"},
        {&EphemerisInput::txtlatimin, "la latitude (minutes)", "est trop grande"},
        {&EphemerisInput::txtlongideg, "la longitude (degrés)", "est trop grande"},
        {&EphemerisInput::txtlongimin, "la longitude (minutes)", "est trop grande"},
    };
    for (const FieldCase &f : fields) {
        const std::pair<const char *, std::string> faults[] = {
            {"", " est vide."},
            {"abc", " (« abc ») n'est pas un nombre" NOT_A_NUMBER_HINT},
            {"1;5", " (« 1;5 ») n'est pas un nombre" NOT_A_NUMBER_HINT},
            {"1e400", std::string(" (« 1e400 ») ") + f.tooLarge + "."},
            {"abcdefghijklmnopqrstuvwx", " (« abcdefghijklmnopqrstuvwx ») n'est pas un nombre" NOT_A_NUMBER_HINT},
            {"abcdefghijklmnopqrstuvwxy", " n'est pas un nombre" NOT_A_NUMBER_HINT},
            {"4\t5", " n'est pas un nombre" NOT_A_NUMBER_HINT},
        };
        for (const auto &[text, rest] : faults) {
            EphemerisInput in;
            in.*f.text = text;
            const auto outcome = calculephem(in, ',');
            ASSERT_FALSE(outcome.ok()) << f.named << " '" << text << "'";
            EXPECT_EQ(outcome.error(), std::string("Calcul impossible : ") + f.named + rest);
        }
    }
    // Two faulty fields: the first one read is named.
    EphemerisInput both;
    both.txtlongideg = "x";
    both.txtmois = "y";
    EXPECT_EQ(calculephem(both, '.').error(),
              "Calcul impossible : le mois (« y ») n'est pas un nombre" NOT_A_NUMBER_HINT);
}

// Years far from today compute or give the out-of-range message; huge times
// and places no longer reach the computation: no such date or place exists.
TEST(Calculephem, ExtremeValuesGiveFiniteLabelsOrTheOutOfRangeMessage)
{
    const std::string outOfRange =
        "Calcul impossible : la date, l'heure ou la position donnent des valeurs hors limites.";
    struct Case {
        EphemerisInput input;
        const char *refusal;  // the start of the message, or nullptr when it computes
    };
    const Case cases[] = {
        {at("100000", "1", "1", "0", "0", "45", "0"), nullptr},
        {at("-100000", "12", "31", "24", "0", "-90", "-180"), nullptr},
        {at("1e300", "1", "1", "0", "0", "45", "0"), outOfRange.c_str()},  // turns of L0 beyond counting
        {at("-1e300", "1", "1", "0", "0", "45", "0"), outOfRange.c_str()},
        {at("2000", "1", "1", "0", "1e15", "45", "0"), "Calcul impossible : la minute (« 1e15 »)"},
        {at("2000", "1", "1", "0", "0", "1e308", "0"), "Calcul impossible : la latitude (« 1e308° 0' »)"},
        {at("2000", "1", "1", "0", "0", "45", "1e17"), "Calcul impossible : la longitude (« 1e17° 0' »)"},
    };
    for (const Case &c : cases) {
        const auto outcome = calculephem(c.input, '.');
        ASSERT_EQ(outcome.ok(), c.refusal == nullptr) << c.input.txtann << " " << c.input.txtminut << " "
                                                      << c.input.txtlatideg << " " << c.input.txtlongideg;
        if (!outcome.ok()) {
            EXPECT_EQ(outcome.error().rfind(c.refusal, 0), 0u) << outcome.error();
            continue;
        }
        for (const std::string &label : labels(outcome.value())) {
            EXPECT_EQ(label.find("inf"), std::string::npos) << label;
            EXPECT_EQ(label.find("nan"), std::string::npos) << label;
        }
    }
}

} // namespace
} // namespace brelo
