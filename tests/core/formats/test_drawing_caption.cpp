#include "core/formats/drawing_caption.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

// The number a result label shows after its "= ".
std::string shownValue(const std::string &label) { return label.substr(label.rfind("= ") + 2); }

// Under the disc: the instant and the place as typed, and P, B0, L0 exactly
// as the page's labels show them for the same run.
TEST(DrawingCaption, DiscSaysWhenWhereAndItsOrientation)
{
    const EphemerisInput input{"2027", "3", "5", "8", "0", "48", "51", "-2", "21"};
    const Outcome<EphemerisResult> run = calculephem(input, ',');
    ASSERT_TRUE(run.ok()) << run.error();
    const std::vector<std::string> lines = discCaption(input, run.value(), false, ',');
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Date et heure : 2027-03-05 08:00 TU");
    EXPECT_EQ(lines[1], "Lieu : latitude 48° 51', longitude -2° 21' (+ à l'Est)");
    for (const std::string *label : {&run.value().lblp, &run.value().lblb0, &run.value().lbll0})
        EXPECT_NE(lines[2].find(shownValue(*label)), std::string::npos) << lines[2] << " lacks " << *label;
}

// Under the train: the nine values of the panel, as typed.
TEST(DrawingCaption, TrainSaysItsInputValues)
{
    const OpticsPanelTexts inputs{{"1000,5", "90", "200", "30", "300", "310"}, "50", "45", "40", {}};
    const std::vector<std::string> lines = trainCaption(inputs);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "O1 : focale 1000,5, diamètre 90 · O2 : focale 200, diamètre 50 · distance A = 30");
    EXPECT_EQ(lines[1], "O3 : focale 300, diamètre 45 · O3' : focale 310, diamètre 40 (longueurs en mm)");
}

} // namespace
} // namespace brelo
