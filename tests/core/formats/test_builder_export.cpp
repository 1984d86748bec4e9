#include "core/formats/results_csv.h"
#include "core/formats/results_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelo {
namespace {

std::vector<std::string> csvRows(const OpticsPanelTexts &texts, const BuilderResult *builder)
{
    const std::string csv = resultsCsv(texts, calcul(texts.optics, ',').value(), ',', builder);
    std::vector<std::string> out;
    for (std::size_t start = 0, stop; (stop = csv.find("\r\n", start)) != std::string::npos; start = stop + 2)
        out.push_back(csv.substr(start, stop - start));
    return out;
}

// Design values with a 3.75 µm sensor of 1280 × 960; the texts are those of
// lens_field_reference.tsv and camera_reference.tsv, worked independently.
TEST(BuilderExport, CsvKeepsTheOpticsRowsThenAddsTheCameraAndTheBuildersRows)
{
    OpticsPanelTexts texts{OpticsInput{}, "50", "50", "50", {"3,75", "1280", "960"}};
    const BuilderResult builder = builderNumbers(texts, ',').value();
    const auto before = csvRows(texts, nullptr);
    const auto rows = csvRows(texts, &builder);
    ASSERT_EQ(before.size(), 66u);
    ASSERT_EQ(rows.size(), 66u + 3 + 1 + 4 + 9);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), rows.begin()));
    EXPECT_EQ(rows[66], "Taille des pixels (µm);3,75;3,75");
    EXPECT_EQ(rows[69], "Diamètre de la pupille au diaphragme (mm);Diamètre de la pupille au diaphragme = 21,686;21,686");
    EXPECT_EQ(rows[73], "Champ sans vignettage de l'instrument (R☉);Champ sans vignettage : 4,845 R☉ (limité par O2);4,845");
    EXPECT_EQ(rows[76], "Champ du capteur, hauteur (R☉);Champ du capteur = 0,86 × 0,645 R☉;0,645");
    EXPECT_EQ(rows[82], "Capteur et image du disque occulteur;Le capteur est plus petit que l'image du disque occulteur : "
                        "2968,654 pixels au 1er janvier pour 960 pixels sur son petit côté.;");

    // A lens that cuts the centre shows no number; a failed camera is one row, its message.
    texts.do3a = "20";
    texts.camera.pixel = "";
    const BuilderResult cut = builderNumbers(texts, ',').value();
    const auto cutRows = csvRows(texts, &cut);
    ASSERT_EQ(cutRows.size(), 66u + 3 + 1 + 4 + 1);
    EXPECT_EQ(cutRows[71], "Champ sans vignettage à O3 (R☉);Champ sans vignettage à O3 : nul, O3 coupe même le centre "
                           "du champ (il faut un diamètre de plus de 22,95 mm);");
    EXPECT_EQ(cutRows[74], "Caméra au foyer final;la taille des pixels est vide.;");
}

TEST(BuilderExport, PlainTextGivesEachBuilderTextOnceInALastSection)
{
    const OpticsPanelTexts texts{OpticsInput{}, "50", "50", "50", {"4.63", "4144", "2822"}};
    const OpticsResult optics = calcul(texts.optics, '.').value();
    const BuilderResult builder = builderNumbers(texts, '.').value();
    const ResultsText without = resultsText(texts, optics);
    const ResultsText with = resultsText(texts, optics, &builder);
    EXPECT_TRUE(without.construction.empty());
    EXPECT_EQ(with.results, without.results);
    ASSERT_EQ(with.inputs.size(), 12u);
    EXPECT_EQ(with.inputs[11], "Hauteur du capteur (pixels) : 2822");
    // The sensor's field once, not once per row of the export; no line for a sensor that holds the disc.
    ASSERT_EQ(with.construction.size(), 12u);
    EXPECT_EQ(with.construction[0], "Construction:");
    EXPECT_EQ(with.construction[7], "Champ du capteur = 3.441 × 2.343 R☉");
    EXPECT_EQ(with.construction[8], "Champ du capteur = 56.065 × 38.179 minutes d'arc");
    std::string section = "\n";
    for (const std::string &line : with.construction)
        section += line + "\n";
    EXPECT_TRUE(plainText(with).ends_with("11.122\n" + section));  // after the yearly tables
}

} // namespace
} // namespace brelo
