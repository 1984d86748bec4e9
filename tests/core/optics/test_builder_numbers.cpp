#include "core/optics/builder_numbers.h"
#include "support/reference_tsv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelo {
namespace {

using Cells = std::vector<std::string>;

// The panel's texts from a row: six optics inputs, D2, D3, D3', then the
// camera's three when the row has them.
OpticsPanelTexts panel(const Cells &c, char sep, bool withCamera)
{
    const auto t = [&](std::size_t i) { return reference::withSeparator(c[i], sep); };
    OpticsPanelTexts texts{{t(0), t(1), t(2), t(3), t(4), t(5)}, t(6), t(7), t(8)};
    if (withCamera)
        texts.camera = {t(9), t(10), t(11)};
    return texts;
}

BuilderResult run(const OpticsPanelTexts &texts, char sep)
{
    const auto outcome = builderNumbers(texts, sep);
    EXPECT_TRUE(outcome.ok()) << outcome.error();
    return outcome.ok() ? outcome.value() : BuilderResult{};
}

void expectTexts(const std::vector<std::string> &shown, const Cells &row, std::size_t first, char sep,
                 const std::string &where)
{
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], reference::withSeparator(row[first + i], sep)) << where << ", text " << i;
}

class BuilderTables : public testing::TestWithParam<char> {};

// Lyot stop and field without vignetting (lens_field_reference.tsv, worked
// independently: see the README beside it).
TEST_P(BuilderTables, LyotStopAndFieldLensByLens)
{
    const char sep = GetParam();
    const auto rows = reference::readTsv(BRELO_FIELD_REFERENCE);
    ASSERT_GE(rows.size(), 10u);
    for (const auto &row : rows) {
        ASSERT_EQ(row.cells.size(), 15u) << row.line;
        const BuilderResult b = run(panel(row.cells, sep, false), sep);
        ASSERT_TRUE(b.field.ok()) << row.line << ": " << b.field.error();
        const FieldResult &f = b.field.value();
        expectTexts({b.pupil, f.lenses[0], f.lenses[1], f.lenses[2], f.instrument}, row.cells, 9, sep,
                    "line " + std::to_string(row.line) + ", " + row.cells[14]);
    }
}

TEST_P(BuilderTables, CameraAtTheFinalFocus)
{
    const char sep = GetParam();
    const auto rows = reference::readTsv(BRELO_CAMERA_REFERENCE);
    ASSERT_GE(rows.size(), 5u);
    for (const auto &row : rows) {
        ASSERT_EQ(row.cells.size(), 20u) << row.line;
        const BuilderResult b = run(panel(row.cells, sep, true), sep);
        ASSERT_TRUE(b.camera.ok()) << row.line << ": " << b.camera.error();
        const CameraResult &c = b.camera.value();
        expectTexts({c.scale, c.fieldRadii, c.fieldArcmin, c.discJanuary, c.discJuly, c.fill, c.smallSensor},
                    row.cells, 12, sep, "line " + std::to_string(row.line) + ", " + row.cells[19]);
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, BuilderTables, testing::Values('.', ','),
                         [](const auto &info) { return info.param == '.' ? "Point" : "Comma"; });

// The design panel with a camera; each case changes one text.
OpticsPanelTexts designPanel()
{
    return {OpticsInput{}, "50", "50", "50", {"3.75", "1280", "960"}};
}

TEST(BuilderNumbers, EachFailureNamesItsFieldAndLeavesTheOtherSections)
{
    const std::string outOfRange = "un résultat sort des limites du calcul (valeurs trop grandes ou trop petites).";
    const struct {
        std::string OpticsPanelTexts::*diameter;
        std::string CameraInput::*camera;
        const char *text;
        const char *fieldError;   // empty: the field is shown
        const char *cameraError;  // empty: the camera is shown
    } cases[] = {
        {&OpticsPanelTexts::do2, nullptr, "abc", "le diamètre de O2 (« abc ») n'est pas un nombre (séparateur décimal : point ou virgule).", ""},
        {&OpticsPanelTexts::do3a, nullptr, "", "le diamètre de O3 est vide.", ""},
        {&OpticsPanelTexts::do3b, nullptr, "-1", "le diamètre de O3' ne peut pas être négatif.", ""},
        {nullptr, &CameraInput::pixel, "3 75", "", "la taille des pixels (« 3 75 ») n'est pas un nombre (séparateur décimal : point ou virgule)."},
        {nullptr, &CameraInput::pixel, "0", "", "la taille des pixels doit être positive."},
        {nullptr, &CameraInput::sensorWidth, "-1280", "", "la largeur du capteur doit être positive."},
        {nullptr, &CameraInput::sensorHeight, "1e999", "", "la hauteur du capteur (« 1e999 ») est trop grande."},
        {nullptr, &CameraInput::sensorWidth, "1e306", "", outOfRange.c_str()},
    };
    for (const auto &c : cases) {
        OpticsPanelTexts texts = designPanel();
        if (c.diameter)
            texts.*c.diameter = c.text;
        else
            texts.camera.*c.camera = c.text;
        const BuilderResult b = run(texts, '.');
        EXPECT_EQ(b.pupil, "Diamètre de la pupille au diaphragme = 21.686") << c.text;
        EXPECT_EQ(b.field.ok() ? "" : b.field.error(), c.fieldError) << c.text;
        EXPECT_EQ(b.camera.ok() ? "" : b.camera.error(), c.cameraError) << c.text;
        if (!b.field.ok() && b.camera.ok()) {
            EXPECT_EQ(b.camera.value().fill,
                      "Le champ sans vignettage n'est pas connu : il ne peut pas être comparé au capteur.");
        }
    }
}

TEST(BuilderNumbers, NoMadeUpNumberWhenTheOpticsCannotGiveOne)
{
    // calcul's own failure, with its message.
    OpticsPanelTexts texts = designPanel();
    texts.optics.foco2 = "0";
    const auto failed = builderNumbers(texts, '.');
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error(), "la focale de O2 est nulle (division par zéro).");

    // f1 = 0: calcul runs (F = 0), but no ray leaves O1 and there is no scale.
    texts = designPanel();
    texts.optics.foco1 = "0";
    const BuilderResult b = run(texts, '.');
    EXPECT_EQ(b.field.error(), "un résultat sort des limites du calcul (valeurs trop grandes ou trop petites).");
    EXPECT_EQ(b.camera.error(), "la focale résultante est nulle : l'échelle de l'image ne peut pas être calculée.");
}

} // namespace
} // namespace brelo
