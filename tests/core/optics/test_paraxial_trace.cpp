#include "core/optics/calcul.h"
#include "core/optics/paraxial_trace.h"
#include "core/common/shown_number.h"
#include "support/reference_tsv.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

// Design values worked by hand: C = 300 - 600/17 = 4500/17. The marginal ray
// crosses the axis at the disc and reaches O2 at -D1·A/(2 f1); the chief ray
// reaches O2 at f1 + A per radian and leaves it at 1 - 1030/200.
TEST(ParaxialTrace, DesignValuesLensByLens)
{
    const ParaxialTrace t = paraxialTrace({1000, 90, 200, 30, 4500.0 / 17, 300, 300});
    const struct {
        const char *what;
        double value, expected;
    } cases[] = {
        {"O2 position", t.position[kO2], 1030},
        {"O3' position", t.position[kO3b], 1030 + 4500.0 / 17 + 50},
        {"marginal at O1", t.marginal.height[kO1], 45},
        {"marginal at O2", t.marginal.height[kO2], -1.35},
        {"marginal at O3", t.marginal.height[kO3], -11.475},
        {"marginal at O3'", t.marginal.height[kO3b], -11.475},
        {"marginal between O3 and O3'", t.marginal.slope[kO3], 0},
        {"marginal after O3'", t.marginal.slope[kO3b], 11.475 / 300},
        {"chief at O2", t.chief.height[kO2], 1030},
        {"chief after O2", t.chief.slope[kO2], -4.15},
        {"chief at O3", t.chief.height[kO3], -1165.0 / 17},
        {"chief at O3'", t.chief.height[kO3b], -13495.0 / 51},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(c.value, c.expected, 1e-9) << c.what;
    // The chief ray crosses the axis where O2 images O1: B = 1 / (1/200 - 1/1030).
    EXPECT_NEAR(chiefCrossingBehindO2(t), 206000.0 / 830, 1e-9);
}

// With the disc's image at O3's front focus (A below f2), the beam leaves O3
// parallel and the traced focal length is the one shown: the independent table's.
TEST(ParaxialTrace, FocalLengthOfTheMarginalRayIsTheShownOne)
{
    int checked = 0;
    for (const auto &row : reference::readTsv(BRELO_FOCAL_REFERENCE)) {
        const auto &in = row.cells;
        const auto run = calcul({in[0], in[1], in[2], in[3], in[4], in[5]}, '.');
        ASSERT_TRUE(run.ok()) << row.line;
        const TrainNumbers &n = run.value().numbers;
        if (n.a >= n.f2)
            continue;  // x positive: C = f3 - x leaves the beam converging after O3
        const ParaxialTrace t = paraxialTrace({n.f1, n.d1, n.f2, n.a, run.value().state.distc, n.f3, n.f3b});
        EXPECT_EQ("Focale résultante = " + shownNumber(tracedFocalLength(t), '.').value(), in[6]) << row.line;
        ++checked;
    }
    EXPECT_GE(checked, 6);
}

} // namespace
} // namespace brelo
