#include "core/optics/calcul.h"
#include "core/optics/yearly_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelo {
namespace {

// What follows "n'est pas un nombre" in every message about a typed field.
#define NOT_A_NUMBER_HINT " (séparateur décimal : point ou virgule)."

OpticsResult run(const OpticsInput &input, char separator = '.')
{
    const auto outcome = calcul(input, separator);
    EXPECT_TRUE(outcome.ok()) << outcome.error();
    return outcome.ok() ? outcome.value() : OpticsResult{};
}

OpticsInput with(std::string OpticsInput::*field, const std::string &text)
{
    OpticsInput input;
    input.*field = text;
    return input;
}

// Start-up inputs (f1 1000, D1 90, f2 200, A 30, f3 300, f3' 300). The focal
// length is f1 × f2 × f3' / (|f2 - A| × f3) = 1000 × 200 / 170 worked by hand.
TEST(Calcul, WorkedExampleWithTheStartUpInputs)
{
    const OpticsResult r = run(OpticsInput{});
    EXPECT_EQ(r.lblb, "Distance (Lentille O2 - Diaphragme) B= 248.192");
    EXPECT_EQ(r.lblx, "Calcul intermédiaire x= -35.295");
    EXPECT_EQ(r.lblc, "Distance (Lentille O2 - Objectif O3) C= 264.705");
    EXPECT_EQ(r.lblfocresult, "Focale résultante = 1176.47");
    EXPECT_EQ(r.lblfd, "Rapport F/D = 13.071");
    EXPECT_EQ(r.lbldiscmin, "Diamètre mini disque occulteur = 9.143");
    EXPECT_EQ(r.lbldiscmax, "Diamètre maxi disque occulteur = 9.478");
    EXPECT_EQ(r.remark.text, "REMARQUE: R.A.S.");
    EXPECT_EQ(r.remark.color, (Rgb{0, 0, 255}));
    EXPECT_FALSE(r.remark.bold);
    EXPECT_EQ(r.magnification, 1.1764706f);
    EXPECT_DOUBLE_EQ(r.state.distb, 1.0 / (1.0 / 200 - 1.0 / 1030));
    EXPECT_DOUBLE_EQ(r.state.interx, 1.0 / (1.0 / 200 - 1.0 / 30));
    EXPECT_EQ(r.state.foco3b, "300");
}

TEST(Calcul, YearlyTablesOfTheWorkedExample)
{
    // Rows 0, 12 and 23 are the published ones; the others are the same
    // formulas worked by hand in single and double precision.
    const std::vector<std::string> disc = {
        "9.462", "9.459", "9.444", "9.422", "9.39",  "9.356", "9.308", "9.274",
        "9.235", "9.204", "9.175", "9.16",  "9.151", "9.154", "9.167", "9.187",
        "9.221", "9.255", "9.293", "9.332", "9.376", "9.407", "9.436", "9.453"};
    const std::vector<std::string> image = {
        "11.132", "11.129", "11.11",  "11.085", "11.048", "11.008", "10.951", "10.911",
        "10.865", "10.828", "10.794", "10.777", "10.766", "10.769", "10.785", "10.808",
        "10.848", "10.888", "10.933", "10.979", "11.03",  "11.068", "11.102", "11.122"};
    const OpticsResult r = run(OpticsInput{});
    for (int i = 0; i < kYearRows; ++i) {
        const std::string label = yearRow(i).label;
        EXPECT_EQ(r.listdiam[i], label + disc[i]) << "row " << i;
        EXPECT_EQ(r.listdimfoy[i], label + image[i]) << "row " << i;
    }
    EXPECT_EQ(r.listdiam[0], "1er Janvier: 9.462");
    EXPECT_EQ(r.listdiam[12], "1er Juillet: 9.151");
    EXPECT_EQ(r.listdimfoy[23], "15 Décembre: 11.122");
    EXPECT_EQ(r.listdimfoy[2], "1er Février: 11.11");
}

TEST(Calcul, CommaSeparatorBothWays)
{
    const OpticsResult r = run(OpticsInput{}, ',');
    EXPECT_EQ(r.lblfd, "Rapport F/D = 13,071");
    EXPECT_EQ(r.lblx, "Calcul intermédiaire x= -35,295");
    EXPECT_EQ(r.listdimfoy[0], "1er Janvier: 11,132");

    const OpticsResult half = run(with(&OpticsInput::foco1, "1000,5"), ',');
    EXPECT_EQ(half.lblfocresult, "Focale résultante = 1177,058");  // 1000.5 × 200 / 170
    // The other separator is read too: numbers are never grouped.
    EXPECT_EQ(run(with(&OpticsInput::foco1, "1000.5"), ',').lblfocresult, "Focale résultante = 1177,058");
    EXPECT_EQ(run(with(&OpticsInput::foco1, "1000,5"), '.').lblfocresult, "Focale résultante = 1177.058");
}

TEST(Calcul, FormulasEvaluatedInTheirWrittenOrder)
{
    // x = 1 / (1/f2 - 1/A) gives -1634.0000000000002 here, where f2·A / (A - f2)
    // would give -1634 exactly; the shown digits keep the difference.
    OpticsInput input{"1665", "41", "215", "190", "689", "689"};
    const OpticsResult r = run(input);
    EXPECT_EQ(r.lblx, "Calcul intermédiaire x= -1634.001");
    EXPECT_EQ(r.lblc, "Distance (Lentille O2 - Objectif O3) C= -945.001");
    EXPECT_EQ(r.listdimfoy[0], "1er Janvier: 135.494");

    // F is formed from the computed x, as the final image is: with A = 75,
    // x = 1 / (1/200 - 1/75) is -119.99999999999997 in doubles, so F shows
    // 1599.999 where f1 × f2 / (f2 - A) would give 1600.
    EXPECT_EQ(run(with(&OpticsInput::discoc, "75")).lblfocresult, "Focale résultante = 1599.999");
}

struct RemarkCase {
    const char *name;
    OpticsInput input;
    const char *textStart;
    Rgb color;
    bool bold;
};

TEST(Calcul, RemarkBoundaries)
{
    const char *impossible = "REMARQUE: ATTENTION! IMPOSSIBILITE!! Le calcul montre";
    const char *tight = "REMARQUE: ATTENTION! Le diaphragme est situé à moins de 15mm";
    const Rgb red{255, 0, 0}, orange{255, 80, 0}, blue{0, 0, 255};
    // f1 1.5, A 0.5, f2 1 make B = 2 and x = -1 exactly, so C = f3 - 1.
    const RemarkCase cases[] = {
        {"f3 = 250", {"1000", "90", "200", "30", "250", "300"}, impossible, red, true},
        {"f3 = 290", {"1000", "90", "200", "30", "290", "300"}, tight, orange, false},
        {"B = C", {"1.5", "90", "1", "0.5", "3", "3"}, tight, orange, false},
        {"C - B = 15", {"1.5", "90", "1", "0.5", "18", "18"}, "REMARQUE: R.A.S.", blue, false},
        {"B > C by < 0.001", {"1000", "90", "200", "30", "283.4866", "300"}, impossible, red, true},
    };
    for (const auto &c : cases) {
        const OpticsResult r = run(c.input);
        EXPECT_EQ(r.remark.text.rfind(c.textStart, 0), 0u) << c.name << ": " << r.remark.text;
        EXPECT_EQ(r.remark.color, c.color) << c.name;
        EXPECT_EQ(r.remark.bold, c.bold) << c.name;
    }
    const OpticsResult tightRun = run(cases[1].input);
    EXPECT_EQ(tightRun.remark.text.back(), ' ');
    const OpticsResult hair = run(cases[4].input);
    EXPECT_EQ(hair.lblb.substr(hair.lblb.size() - 7), "248.192");
    EXPECT_EQ(hair.lblc.substr(hair.lblc.size() - 7), "248.192");
}

// A focal length, D1 or A zero or negative: the numbers are still shown (thin
// lens formulas worked by hand), but the remark names the first such field in
// the panel's order (f1, D1, f2, A, f3, f3'), in red and bold.
TEST(Calcul, ImpossibleValuesAreNamedInTheRemark)
{
    const struct {
        std::string OpticsInput::*field;
        const char *text;
        const char *named;
    } cases[] = {
        {&OpticsInput::foco1, "-1000", "la focale de O1 (« -1000 ») doit être positive."},
        {&OpticsInput::foco1, "0", "la focale de O1 (« 0 ») doit être positive."},
        {&OpticsInput::do1, "-90", "le diamètre de O1 (« -90 ») doit être positif."},
        {&OpticsInput::foco2, "-200", "la focale de O2 (« -200 ») doit être positive."},
        {&OpticsInput::discoc, "-30", "la distance A (« -30 ») doit être positive."},
        {&OpticsInput::foco3a, "-300", "la focale de O3 (« -300 ») doit être positive."},
        {&OpticsInput::foco3b, "-0", "la focale de O3' (« -0 ») doit être positive."},
        {&OpticsInput::foco3b, " 0,0 ", "la focale de O3' («  0,0  ») doit être positive."},
    };
    for (const auto &c : cases) {
        const OpticsResult r = run(with(c.field, c.text));
        EXPECT_EQ(r.remark.text, std::string("REMARQUE: ATTENTION! Valeurs impossibles : ") + c.named);
        EXPECT_EQ(r.remark.color, (Rgb{255, 0, 0})) << c.named;
        EXPECT_TRUE(r.remark.bold) << c.named;
    }
    // B = 1 / (1/200 - 1/(-970)) = 165.8119..., k = -1000 / 206265.
    const OpticsResult negative = run(with(&OpticsInput::foco1, "-1000"));
    EXPECT_EQ(negative.lblb, "Distance (Lentille O2 - Diaphragme) B= 165.811");
    EXPECT_EQ(negative.lbldiscmin, "Diamètre mini disque occulteur = -9.144");
    // O1's focal length 0: B = x = -35.295 and F/D = 0, as the train has no O1.
    const OpticsResult zero = run(with(&OpticsInput::foco1, "0"));
    EXPECT_EQ(zero.lblb, "Distance (Lentille O2 - Diaphragme) B= -35.295");
    EXPECT_EQ(zero.lblfd, "Rapport F/D = 0");
    // Two such fields: the first in the panel's order is named.
    OpticsInput both = with(&OpticsInput::foco3b, "-1");
    both.do1 = "-2";
    EXPECT_EQ(run(both).remark.text,
              "REMARQUE: ATTENTION! Valeurs impossibles : le diamètre de O1 (« -2 ») doit être positif.");
}

TEST(Calcul, GeometryFollowsTheInputs)
{
    // A beyond f2: a real image of the disc behind O2, C = f3 - x.
    const OpticsResult real = run(with(&OpticsInput::discoc, "300"));
    EXPECT_EQ(real.lblx, "Calcul intermédiaire x= 600");
    EXPECT_EQ(real.lblc, "Distance (Lentille O2 - Objectif O3) C= -300");

    // f3' = 2 f3 doubles F, F/D and the final image; the rest stays
    // (F = 1000 × 200 × 600 / (170 × 300)).
    const OpticsResult base = run(OpticsInput{});
    const OpticsResult doubled = run(with(&OpticsInput::foco3b, "600"));
    EXPECT_EQ(doubled.lblfocresult, "Focale résultante = 2352.941");
    EXPECT_EQ(doubled.lblfd, "Rapport F/D = 26.143");
    EXPECT_EQ(doubled.listdimfoy[0], "1er Janvier: 22.264");
    EXPECT_EQ(doubled.listdimfoy[12], "1er Juillet: 21.533");
    EXPECT_EQ(doubled.lblb, base.lblb);
    EXPECT_EQ(doubled.lblx, base.lblx);
    EXPECT_EQ(doubled.lblc, base.lblc);
    EXPECT_EQ(doubled.listdiam, base.listdiam);

    // F/D follows D1 alone.
    EXPECT_EQ(run(with(&OpticsInput::do1, "45")).lblfd, "Rapport F/D = 26.143");
}

struct FailureCase {
    OpticsInput input;
    const char *message;
};

TEST(Calcul, EveryFailureNamesItsCauseAndProducesNothing)
{
    auto make = [](std::string f1, std::string d1, std::string f2, std::string a,
                   std::string f3, std::string f3b) {
        return OpticsInput{f1, d1, f2, a, f3, f3b};
    };
    const FailureCase cases[] = {
        {make("abc", "90", "200", "30", "300", "300"), "la focale de O1 (« abc ») n'est pas un nombre" NOT_A_NUMBER_HINT},
        {make("1000", "", "200", "30", "300", "300"), "le diamètre de O1 est vide."},
        {make("1000", "90", "1.5.", "30", "300", "300"), "la focale de O2 (« 1.5. ») n'est pas un nombre" NOT_A_NUMBER_HINT},
        {make("1000", "90", "200", "3O", "300", "300"), "la distance A (« 3O ») n'est pas un nombre" NOT_A_NUMBER_HINT},
        {make("1000", "90", "200", "30", " ", "300"), "la focale de O3 est vide."},
        {make("1000", "90", "200", "30", "300", "1e999"), "la focale de O3' (« 1e999 ») est trop grande."},
        {make("1000", "90", "0", "30", "300", "300"), "la focale de O2 est nulle (division par zéro)."},
        {make("-30", "90", "200", "30", "300", "300"),
         "la focale de O1 plus la distance A est nulle (division par zéro)."},
        {make("170", "90", "200", "30", "300", "300"),
         "la focale de O2 est égale à la focale de O1 plus la distance A (division par zéro)."},
        {make("1000", "90", "200", "0", "300", "300"), "la distance A est nulle (division par zéro)."},
        {make("1000", "90", "200", "200", "300", "300"),
         "la distance A est égale à la focale de O2 (division par zéro)."},
        {make("1000", "90", "200", "30", "0", "300"), "la focale de O3 est nulle (division par zéro)."},
        {make("1000", "0", "200", "30", "300", "300"), "le diamètre de O1 est nul (division par zéro)."},
        {make("1e300", "90", "200", "30", "300", "1e300"),
         "un résultat sort des limites du calcul (valeurs trop grandes ou trop petites)."},
        {make("1e300", "90", "200", "30", "300", "300"),
         "un résultat sort des limites du calcul (valeurs trop grandes ou trop petites)."},
        {make("1000", "90", "200", "1e-320", "300", "300"),
         "un résultat sort des limites du calcul (valeurs trop grandes ou trop petites)."},
        {make("1e308", "90", "200", "1e308", "300", "300"),
         "un résultat sort des limites du calcul (valeurs trop grandes ou trop petites)."},
        {make("1000", "90", "-1e-320", "30", "300", "300"),
         "un résultat sort des limites du calcul (valeurs trop grandes ou trop petites)."},
    };
    for (const auto &c : cases) {
        const auto outcome = calcul(c.input, '.');
        EXPECT_FALSE(outcome.ok()) << c.message;
        EXPECT_EQ(outcome.error(), c.message);
    }
    // A bad text is quoted up to 24 bytes; longer ones, and huge exponents, are
    // named without a made-up number.
    const std::string at24 = "1000 mm, pas plus. Merci";
    const std::string at25 = "1000 mm, pas plus. Merci!";
    EXPECT_EQ(calcul(make(at24, "90", "200", "30", "300", "300"), '.').error(),
              "la focale de O1 (« " + at24 + " ») n'est pas un nombre" NOT_A_NUMBER_HINT);
    EXPECT_EQ(calcul(make(at25, "90", "200", "30", "300", "300"), '.').error(),
              "la focale de O1 n'est pas un nombre" NOT_A_NUMBER_HINT);
    EXPECT_EQ(calcul(make("1000", "90", "200", "1e99999999999999999999", "300", "300"), '.').error(),
              "la distance A (« 1e99999999999999999999 ») est trop grande.");
    EXPECT_EQ(calcul(make("1000", "90", "200", "1e-99999999999999999999", "300", "300"), '.').error(),
              "la distance A est nulle (division par zéro).");
    EXPECT_EQ(calcul(make("1000", "-1e9223372036854775808", "200", "30", "300", "300"), '.').error(),
              "le diamètre de O1 (« -1e9223372036854775808 ») est trop grand.");
    // The first bad field in reading order is the one named.
    EXPECT_EQ(calcul(make("x", "90", "y", "30", "300", "300"), '.').error(),
              "la focale de O2 (« y ») n'est pas un nombre" NOT_A_NUMBER_HINT);
    EXPECT_EQ(failureRemark("la distance A est nulle (division par zéro).").text,
              "REMARQUE: calcul impossible — la distance A est nulle (division par zéro).");
    EXPECT_TRUE(failureRemark("x").bold);
}

TEST(Calcul, ExtremeButValidNumbersStayFinite)
{
    const OpticsResult tiny = run(with(&OpticsInput::discoc, "1e-300"));
    EXPECT_EQ(tiny.lblx, "Calcul intermédiaire x= -0.001");
    const OpticsResult huge = run(with(&OpticsInput::foco1, "1e9"));
    EXPECT_EQ(huge.lblfocresult, "Focale résultante = 1.176471E+09");  // 1e9 × 200 / 170
    EXPECT_EQ(huge.lbldiscmin, "Diamètre mini disque occulteur = 9143577");
}

} // namespace
} // namespace brelo
