#include "core/formats/results_csv.h"
#include "core/formats/results_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelo {
namespace {

std::vector<std::string> lines(const std::string &text, const std::string &end)
{
    std::vector<std::string> out;
    for (std::size_t start = 0, stop; (stop = text.find(end, start)) != std::string::npos; start = stop + end.size())
        out.push_back(text.substr(start, stop - start));
    return out;
}

struct DesignRun {
    OpticsPanelTexts texts;
    OpticsResult optics;
    BuilderResult builder;
};

DesignRun design(const std::string &do3a, const std::string &pixel)
{
    DesignRun run{{OpticsInput{}, "50", do3a, "50", {pixel, "1280", "960"}}, {}, {}};
    run.optics = calcul(run.texts.optics, ',').value();
    run.builder = builderNumbers(run.texts, ',').value();
    return run;
}

// Expected texts from lens_field_reference.tsv and camera_reference.tsv
// (design values, a 3.75 µm sensor of 1280 × 960), worked independently.
TEST(BuilderExport, CsvKeepsTheOpticsRowsThenAddsTheCameraAndTheBuildersRows)
{
    const DesignRun run = design("50", "3,75");
    const auto before = lines(resultsCsv(run.texts, run.optics, ','), "\r\n");
    const auto rows = lines(resultsCsv(run.texts, run.optics, ',', &run.builder), "\r\n");
    ASSERT_EQ(before.size(), 66u);
    ASSERT_EQ(rows.size(), 66u + 3 + 1 + 4 + 9);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), rows.begin()));
    const std::vector<std::string> added(rows.begin() + 66, rows.end());
    const std::vector<std::string> expected = {
        "Taille des pixels (µm);3,75;3,75",
        "Largeur du capteur (pixels);1280;1280",
        "Hauteur du capteur (pixels);960;960",
        "Diamètre de la pupille au diaphragme (mm);Diamètre de la pupille au diaphragme = 21,686;21,686",
        "Champ sans vignettage à O2 (R☉);Champ sans vignettage à O2 : 4,845 R☉;4,845",
        "Champ sans vignettage à O3 (R☉);Champ sans vignettage à O3 : 41,645 R☉;41,645",
        "Champ sans vignettage à O3' (R☉);Champ sans vignettage à O3' : 10,785 R☉;10,785",
        "Champ sans vignettage de l'instrument (R☉);Champ sans vignettage : 4,845 R☉ (limité par O2);4,845",
        "Échelle de l'image (″/pixel);Échelle de l'image = 0,657 ″/pixel;0,657",
        "Champ du capteur, largeur (R☉);Champ du capteur = 0,86 × 0,645 R☉;0,86",
        "Champ du capteur, hauteur (R☉);Champ du capteur = 0,86 × 0,645 R☉;0,645",
        "Champ du capteur, largeur (minutes d'arc);Champ du capteur = 14,026 × 10,519 minutes d'arc;14,026",
        "Champ du capteur, hauteur (minutes d'arc);Champ du capteur = 14,026 × 10,519 minutes d'arc;10,519",
        "Image du disque occulteur au 1er janvier (pixels);Image du disque occulteur au 1er janvier = 2968,654 "
        "pixels;2968,654",
        "Image du disque occulteur au 1er juillet (pixels);Image du disque occulteur au 1er juillet = 2871,159 "
        "pixels;2871,159",
        "Champ sans vignettage sur le capteur;Le champ sans vignettage couvre tout le capteur.;",
        "Capteur et image du disque occulteur;Le capteur est plus petit que l'image du disque occulteur : 2968,654 "
        "pixels au 1er janvier pour 960 pixels sur son petit côté.;",
    };
    EXPECT_EQ(added, expected);
}

TEST(BuilderExport, AFailedSectionIsOneRowAndACutLensShowsNoNumber)
{
    const DesignRun run = design("20", "");
    const auto rows = lines(resultsCsv(run.texts, run.optics, ',', &run.builder), "\r\n");
    ASSERT_EQ(rows.size(), 66u + 3 + 1 + 4 + 1);
    EXPECT_EQ(rows[66], "Taille des pixels (µm);;");
    EXPECT_EQ(rows[71], "Champ sans vignettage à O3 (R☉);Champ sans vignettage à O3 : nul, O3 coupe même le centre "
                        "du champ (il faut un diamètre de plus de 22,95 mm);");
    EXPECT_EQ(rows[73], "Champ sans vignettage de l'instrument (R☉);Champ sans vignettage : nul, le centre du champ "
                        "est coupé par O3;0");
    EXPECT_EQ(rows[74], "Caméra au foyer final;la taille des pixels est vide.;");
}

TEST(BuilderExport, PlainTextGivesEachBuilderTextOnceInALastSection)
{
    const DesignRun run = design("50", "3,75");
    const ResultsText without = resultsText(run.texts, run.optics);
    const ResultsText with = resultsText(run.texts, run.optics, &run.builder);
    EXPECT_TRUE(without.construction.empty());
    ASSERT_EQ(with.inputs.size(), 12u);
    EXPECT_EQ(with.inputs[9], "Taille des pixels (µm) : 3,75");
    EXPECT_EQ(with.results, without.results);
    EXPECT_EQ(with.tables, without.tables);
    const std::vector<std::string> expected = {
        "Construction:",
        "Diamètre de la pupille au diaphragme = 21,686",
        "Champ sans vignettage à O2 : 4,845 R☉",
        "Champ sans vignettage à O3 : 41,645 R☉",
        "Champ sans vignettage à O3' : 10,785 R☉",
        "Champ sans vignettage : 4,845 R☉ (limité par O2)",
        "Échelle de l'image = 0,657 ″/pixel",
        "Champ du capteur = 0,86 × 0,645 R☉",
        "Champ du capteur = 14,026 × 10,519 minutes d'arc",
        "Image du disque occulteur au 1er janvier = 2968,654 pixels",
        "Image du disque occulteur au 1er juillet = 2871,159 pixels",
        "Le champ sans vignettage couvre tout le capteur.",
        "Le capteur est plus petit que l'image du disque occulteur : 2968,654 pixels au 1er janvier pour 960 "
        "pixels sur son petit côté.",
    };
    EXPECT_EQ(with.construction, expected);
    const std::string text = plainText(with);
    EXPECT_EQ(text.substr(text.size() - expected.back().size() - 1), expected.back() + "\n");
}

} // namespace
} // namespace brelo
