#include "core/common/numeric_text.h"
#include "core/formats/csv_writer.h"
#include "core/formats/results_csv.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace brelo {
namespace {

TEST(CsvWriter, QuotesOnlyWhatNeedsIt)
{
    const struct {
        const char *text;
        char sep;
        const char *cell;
    } cases[] = {
        {"Rapport F/D = 11,111", ';', "Rapport F/D = 11,111"},
        {"Rapport F/D = 11,111", ',', "\"Rapport F/D = 11,111\""},
        {"a;b", ';', "\"a;b\""},
        {"a;b", ',', "a;b"},
        {"Objectifs O3 et O3' identiques", ',', "Objectifs O3 et O3' identiques"},
        {"dit \"non\"", ';', "\"dit \"\"non\"\"\""},
        {"deux\nlignes", ';', "\"deux\nlignes\""},
        {"fin\r", ';', "\"fin\r\""},
        {"", ';', ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(csvField(c.text, c.sep), c.cell) << c.text;
    EXPECT_EQ(csvLine({"a", "b;c", ""}, ';'), "a;\"b;c\";\r\n");
    EXPECT_EQ(csvSeparatorFor(','), ';');
    EXPECT_EQ(csvSeparatorFor('.'), ',');
}

TEST(CsvWriter, FullPrecisionTexts)
{
    const struct {
        double value;
        const char *point;
        const char *comma;
    } cases[] = {
        {2461106.5, "2461106.5", "2461106,5"},
        {0.1, "0.1", "0,1"},
        {1.0 / 3.0, "0.3333333333333333", "0,3333333333333333"},
        {-248.19277108433735, "-248.19277108433735", "-248,19277108433735"},
        {-0.0, "-0", "-0"},
        {0.0, "0", "0"},
        {1e-7, "0.0000001", "0,0000001"},
        {1.5e-8, "1.5E-08", "1,5E-08"},
        {1e15, "1000000000000000", "1000000000000000"},
        {1e16, "1E+16", "1E+16"},
        {-1.7976931348623157e308, "-1.7976931348623157E+308", "-1,7976931348623157E+308"},
        {5e-324, "5E-324", "5E-324"},
        {std::nan(""), "", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(fullPrecisionText(c.value, '.'), c.point) << c.value;
        EXPECT_EQ(fullPrecisionText(c.value, ','), c.comma) << c.value;
    }
    // Any double reads back to itself, bit for bit.
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        const NumericText back = readNumber(fullPrecisionText(value, ','), ',');
        ASSERT_TRUE(back.ok()) << fullPrecisionText(value, ',');
        ASSERT_EQ(std::memcmp(&back.value, &value, sizeof value), 0) << fullPrecisionText(value, ',');
    }
}

// Single-precision values: the shortest digits that name the float (IEEE 754
// binary32 neighbours worked by hand: 1/3 rounds to 0.3333333432674408, whose
// 8-digit neighbours 0.33333331 and 0.33333337 are other floats).
TEST(CsvWriter, SinglePrecisionTextsAreTheFloatsShortest)
{
    const struct {
        float value;
        const char *point;
    } cases[] = {
        {-22.84152f, "-22.84152"},    {0.1f, "0.1"},           {1.0f / 3.0f, "0.33333334"},
        {16777216.0f, "16777216"},    {-0.0f, "-0"},           {1e-8f, "1E-08"},
        {3.4028235e38f, "3.4028235E+38"}, {2.38131f, "2.38131"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(fullPrecisionText(c.value, '.'), c.point) << c.point;
        EXPECT_EQ(static_cast<double>(c.value) == c.value, true);
    }
    EXPECT_EQ(fullPrecisionText(-22.84152f, ','), "-22,84152");
    // The widened double keeps its binary tail: the float form is what a float holds.
    EXPECT_EQ(fullPrecisionText(static_cast<double>(-22.84152f), '.'), "-22.841520309448242");
    // Any float reads back to itself.
    std::mt19937 random(11);
    for (int i = 0; i < 20000; ++i) {
        const std::uint32_t bits = random();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        const NumericText back = readNumber(fullPrecisionText(value, ','));
        ASSERT_TRUE(back.ok()) << fullPrecisionText(value, ',');
        ASSERT_EQ(static_cast<float>(back.value), value) << fullPrecisionText(value, ',');
    }
}

std::vector<std::string> lines(const std::string &csv)
{
    std::vector<std::string> out;
    for (std::size_t start = 0, end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(csv.substr(start, end - start));
    return out;
}

TEST(ResultsCsv, OpticsHoldsInputsResultsRemarkAndBothTables)
{
    OpticsPanelTexts inputs;
    inputs.do2 = "50";
    inputs.do3a = "45";
    inputs.do3b = "40,5";
    const auto run = calcul(inputs.optics, ',');
    ASSERT_TRUE(run.ok());
    const std::string csv = resultsCsv(inputs, run.value(), ',');
    const auto rows = lines(csv);
    ASSERT_EQ(rows.size(), 1u + 9 + 7 + 1 + 48);
    EXPECT_EQ(csv.size(), csv.rfind("\r\n") + 2);  // every line ends with CRLF
    EXPECT_EQ(rows[0], "Grandeur;Texte affiché;Valeur");
    EXPECT_EQ(rows[1], "Focale de O1 (mm);1000;1000");
    EXPECT_EQ(rows[9], "Diamètre de O3' (mm);40,5;40,5");
    EXPECT_EQ(rows[10], "Distance B (mm);Distance (Lentille O2 - Diaphragme) B= 248,192;248,192");
    EXPECT_EQ(rows[11], "Calcul intermédiaire x (mm);Calcul intermédiaire x= -35,295;-35,295");
    EXPECT_EQ(rows[14], "Rapport F/D;Rapport F/D = 13,071;13,071");  // 1000 × 200 / 170 / 90
    EXPECT_EQ(rows[17], "Remarque;REMARQUE: R.A.S.;");
    EXPECT_EQ(rows[18], "Disque occulteur (mm), 1er Janvier;1er Janvier: 9,462;9,462");
    EXPECT_EQ(rows[41], "Disque occulteur (mm), 15 Décembre;15 Décembre: 9,453;9,453");
    EXPECT_EQ(rows[42], "Image au foyer final (mm), 1er Janvier;1er Janvier: 11,132;11,132");
    EXPECT_EQ(rows[65], "Image au foyer final (mm), 15 Décembre;15 Décembre: 11,122;11,122");

    // With a point the separator is ',': the remark's commas are quoted.
    inputs.optics.foco3a = "250";
    inputs.do3b = "x";
    const auto impossible = calcul(inputs.optics, '.');
    ASSERT_TRUE(impossible.ok());
    const auto pointRows = lines(resultsCsv(inputs, impossible.value(), '.'));
    EXPECT_EQ(pointRows[0], "Grandeur,Texte affiché,Valeur");
    EXPECT_EQ(pointRows[9], "Diamètre de O3' (mm),x,");
    EXPECT_EQ(pointRows[17], "Remarque,\"" + impossible.value().remark.text + "\",");
    EXPECT_EQ(pointRows[14], "Rapport F/D,Rapport F/D = 15.686,15.686");  // 1000 × 200 × 300 / (170 × 250) / 90
}

TEST(ResultsCsv, EphemerisGivesEveryValueInFullBesideItsText)
{
    EphemerisInput inputs;
    inputs.txtlongideg = "-0";
    inputs.txtlongimin = "34,5";
    const auto run = calculephem(inputs, ',');
    ASSERT_TRUE(run.ok()) << run.error();
    const EphemerisResult &r = run.value();
    const auto rows = lines(resultsCsv(inputs, r, ','));
    ASSERT_EQ(rows.size(), 1u + 9 + 1 + 10);
    EXPECT_EQ(rows[0], "Grandeur;Texte affiché;Valeur");
    EXPECT_EQ(rows[4], "Heure (TU);0;0");
    EXPECT_EQ(rows[8], "Longitude (degrés, + vers l'Est);-0;-0");
    EXPECT_EQ(rows[9], "Longitude (minutes);34,5;34,5");
    EXPECT_EQ(rows[10], "Jour julien (TU);;2451544,5");
    // δ, h, P, B0 and q are floats: their shortest float text; the rest doubles.
    const struct {
        const std::string &shown;
        double value;
        bool single;
    } values[] = {{r.lblad, r.values.rightAscensionDeg, false}, {r.lbldec, r.values.declinationDeg, true},
                  {r.lblah, r.values.hourAngleDeg, false},      {r.lblh, r.values.altitudeDeg, true},
                  {r.lblaz, r.values.azimuthDeg, false},        {r.lblr, r.values.distanceAu, false},
                  {r.lblp, r.values.positionAngleDeg, true},    {r.lblb0, r.values.latitudeB0Deg, true},
                  {r.lbll0, r.values.longitudeL0Deg, false},    {r.lblksi, r.values.northZenithDeg, true}};
    for (int i = 0; i < 10; ++i) {
        const std::string &row = rows[static_cast<std::size_t>(11 + i)];
        const std::string full = values[i].single ? fullPrecisionText(static_cast<float>(values[i].value), ',')
                                                  : fullPrecisionText(values[i].value, ',');
        EXPECT_LE(full.size(), values[i].single ? 11u : 20u) << row;  // sign, 9 digits, separator
        const std::string tail = ";" + values[i].shown + ";" + full;
        ASSERT_GE(row.size(), tail.size());
        EXPECT_EQ(row.substr(row.size() - tail.size()), tail) << row;
    }
    EXPECT_EQ(rows[16].rfind("Distance Terre-Soleil (U.A.);Distance Terre-Soleil = 0,983 U.A.;0,98", 0), 0u)
        << rows[16];
}

} // namespace
} // namespace brelo
