#include "cli/ephem_arguments.h"
#include "cli/ephem_table_text.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

TEST(EphemArguments, AnglesBecomeThePanelsTwoFields)
{
    struct Case {
        const char *text;
        char sep;
        const char *degrees, *minutes;  // nullptr: refused with `minutes` as the message
    };
    const Case cases[] = {
        {"48.85", '.', "48.85", "0"},
        {"48.85", ',', "48,85", "0"},
        {"48,85", '.', "48.85", "0"},
        {"48:51", '.', "48", "51"},
        {"-0:34", ',', "-0", "34"},
        {"-0:34.5", ',', "-0", "34,5"},
        {"90", '.', "90", "0"},
        {"-89:60", '.', nullptr,
         "la latitude (« -89:60 ») a des minutes hors de 0 à 60 (60 exclu) ; le signe se met "
         "devant les degrés (-0:34)."},
        {"48:-5", '.', nullptr,
         "la latitude (« 48:-5 ») a des minutes hors de 0 à 60 (60 exclu) ; le signe se met "
         "devant les degrés (-0:34)."},
        {"89:59.9", '.', "89", "59.9"},
        {"90:0.1", '.', nullptr, "la latitude (« 90:0.1 ») doit rester entre -90 et 90 degrés."},
        {"-90.01", '.', nullptr, "la latitude (« -90.01 ») doit rester entre -90 et 90 degrés."},
        {"", '.', nullptr, "la latitude («  ») n'est pas un angle en degrés (48.85 ou 48:51)."},
        {"48:", '.', nullptr, "la latitude (« 48: ») n'est pas un angle en degrés (48.85 ou 48:51)."},
        {"4 8", '.', nullptr, "la latitude (« 4 8 ») n'est pas un angle en degrés (48.85 ou 48:51)."},
        {"48°51", '.', nullptr,
         "la latitude (« 48°51 ») n'est pas un angle en degrés (48.85 ou 48:51)."},
    };
    for (const Case &c : cases) {
        const auto fields = angleFields(c.text, "la latitude", 90.0, c.sep);
        if (c.degrees == nullptr) {
            ASSERT_FALSE(fields.ok()) << c.text;
            EXPECT_EQ(fields.error(), c.minutes);
            continue;
        }
        ASSERT_TRUE(fields.ok()) << c.text << ": " << fields.error();
        EXPECT_EQ(fields.value().degrees, c.degrees);
        EXPECT_EQ(fields.value().minutes, c.minutes);
    }
}

TEST(EphemArguments, StepsAndDates)
{
    struct StepCase {
        const char *text;
        long long count;
        StepUnit unit;
    };
    const StepCase steps[] = {{"10min", 10, StepUnit::Minutes}, {"10 min", 10, StepUnit::Minutes},
                              {"2h", 2, StepUnit::Hours},       {"1d", 1, StepUnit::Days},
                              {"3j", 3, StepUnit::Days},        {"90mn", 90, StepUnit::Minutes}};
    for (const StepCase &c : steps) {
        const auto step = periodStep(c.text);
        ASSERT_TRUE(step.ok()) << c.text;
        EXPECT_EQ(step.value().count, c.count);
        EXPECT_EQ(step.value().unit, c.unit);
    }
    for (const char *bad : {"", "min", "10", "10sec", "1.5h", "h2", "10m"})
        EXPECT_EQ(periodStep(bad).error(),
                  std::string("le pas (« ") + bad + " ») s'écrit comme 10min, 2h ou 1d.");
    EXPECT_EQ(periodStep("0h").error(), "le pas (« 0h ») doit valoir au moins 1.");
    EXPECT_EQ(periodStep("-5min").error(), "le pas (« -5min ») doit valoir au moins 1.");

    struct DateCase {
        const char *text;
        const char *civil;  // nullptr: refused
    };
    const DateCase dates[] = {
        {"2027-03-20T06:00", "2027-03-20 06:00"}, {"2027-03-20 23:59", "2027-03-20 23:59"},
        {"2028-02-29", "2028-02-29 00:00"},       {"2027-02-29T00:00", nullptr},
        {"2027-03-20T24:00", nullptr},            {"2027-03-20T06:60", nullptr},
        {"2027-3-20T06:00", nullptr},             {"20270320T0600", nullptr},
        {"2027-03-20T06:00:00", nullptr},         {"2027-03-20T6:00", nullptr},
    };
    for (const DateCase &c : dates) {
        const auto civil = civilTime(c.text, "--from");
        ASSERT_EQ(civil.ok(), c.civil != nullptr) << c.text;
        if (civil.ok())
            EXPECT_EQ(civilTimeText(civil.value()), c.civil);
    }
    EXPECT_EQ(civilTime("2027-02-29T00:00", "--from").error(),
              "--from (« 2027-02-29T00:00 ») n'est pas une date et une heure qui existent.");
    EXPECT_EQ(civilTime("20270320", "--to").error(),
              "--to (« 20270320 ») s'écrit AAAA-MM-JJTHH:MM, par exemple 2027-03-20T06:00.");
}

// Every line is as wide as the heading line, in characters ("°" is one).
TEST(EphemTableText, ColumnsLineUpWithTheHeadings)
{
    const auto headings = ephemTableHeadings("Europe/Paris");
    const auto widths = columnWidths(headings, 2);
    const std::vector<std::string> widest{
        "2027-03-20 06:00", "2027-03-20 07:00 +01:00", "23 h 59 '", "-23.456°",
        "-179.999° = -11 h 59 '", "-89.999°", "-179.999°", "1.017 U.A.", "-26.123°", "-7.25°",
        "359.999°", "-179.999°", "2322.414"};
    const auto count = [](const std::string &line) {
        return std::count_if(line.begin(), line.end(),
                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    };
    const std::string heading = alignedLine(headings, widths, 2);
    const std::string row = alignedLine(widest, widths, 2);
    EXPECT_EQ(count(row), count(heading));
    EXPECT_EQ(row.substr(0, 43), "2027-03-20 06:00  2027-03-20 07:00 +01:00  ");
    EXPECT_TRUE(row.ends_with(" 2322.414\n")) << row;
    EXPECT_EQ(withoutLabel("Angle horaire = -1.1° = -0 h 4 '"), "-1.1° = -0 h 4 '");
}

} // namespace
} // namespace brelo
