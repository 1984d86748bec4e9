#include "core/drawing/drawing_ledger.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace brelo {
namespace {

// A drawing as the ledger notes it: "S<n>" a shape of kind n, "D<pixel>:<colour>"
// a dot, "D-" a dot that missed, "?" a write the ledger cannot describe.
DrawingLedger noted(const std::vector<std::string> &ops)
{
    DrawingLedger ledger;
    ledger.restart();
    for (const std::string &op : ops) {
        if (op == "?") {
            ledger.forget();
        } else if (op[0] == 'S') {
            ledger.addShape({std::stoi(op.substr(1)), {1.0, 2.0}, {0xff000000u, 0}, {1, 0}});
        } else if (op == "D-") {
            *ledger.addDots(1) = {DrawingLedger::kMissed, 0xff000000u};
        } else {
            const auto colon = op.find(':');
            *ledger.addDots(1) = {static_cast<std::uint32_t>(std::stoul(op.substr(1, colon - 1))),
                                  static_cast<std::uint32_t>(std::stoul(op.substr(colon + 1)))};
        }
    }
    return ledger;
}

TEST(DrawingLedger, TellsWhereTwoDrawingsCanDiffer)
{
    const struct {
        const char *what;
        std::vector<std::string> shown, drawn;
        std::optional<std::set<std::uint32_t>> differing;  // empty: anywhere
    } cases[] = {
        {"the same drawing", {"S1", "S2", "D5:1", "D9:1"}, {"S1", "S2", "D5:1", "D9:1"}, std::set<std::uint32_t>{}},
        {"a dot moved", {"S1", "D5:1", "D9:1"}, {"S1", "D5:1", "D10:1"}, std::set<std::uint32_t>{9, 10}},
        {"a dot recoloured", {"S1", "D5:1", "D9:1"}, {"S1", "D5:2", "D9:1"}, std::set<std::uint32_t>{5}},
        {"a dot came in", {"S1", "D-", "D9:1"}, {"S1", "D7:1", "D9:1"}, std::set<std::uint32_t>{7}},
        {"two dots swapped", {"D5:1", "D9:2"}, {"D9:2", "D5:1"}, std::set<std::uint32_t>{5, 9}},
        {"a shape differs", {"S1", "D5:1"}, {"S2", "D5:1"}, std::nullopt},
        {"a shape more", {"S1", "D5:1"}, {"S1", "S1", "D5:1"}, std::nullopt},
        {"a dot more", {"S1", "D5:1"}, {"S1", "D5:1", "D6:1"}, std::nullopt},
        {"a shape among the dots elsewhere", {"D5:1", "S1", "D6:1"}, {"S1", "D5:1", "D6:1"}, std::nullopt},
        {"the new drawing undescribed", {"S1", "D5:1"}, {"S1", "?", "D5:1"}, std::nullopt},
        {"the shown one undescribed", {"?", "S1", "D5:1"}, {"S1", "D5:1"}, std::nullopt},
    };
    for (const auto &c : cases) {
        std::vector<std::uint32_t> pixels{123};  // replaced, not added to
        const bool bounded = noted(c.drawn).differingPixels(noted(c.shown), pixels);
        EXPECT_EQ(bounded, c.differing.has_value()) << c.what;
        if (bounded && c.differing) {
            EXPECT_EQ(std::set<std::uint32_t>(pixels.begin(), pixels.end()), *c.differing) << c.what;
        }
    }
}

// Many dots, one moved in the middle of a long run of unchanged ones: the
// wide compares that skip unchanged blocks must not skip it.
TEST(DrawingLedger, FindsOneMovedDotAmongManyWherever)
{
    constexpr std::uint32_t kDots = 1803;
    const auto everyOther = [](std::uint32_t moved) {
        DrawingLedger ledger = noted({"S1"});
        DrawingLedger::Dot *dot = ledger.addDots(kDots);
        for (std::uint32_t i = 0; i < kDots; ++i)
            dot[i] = {2 * i + (i == moved ? 1 : 0), 7};
        return ledger;
    };
    for (const std::uint32_t moved : {0u, 63u, 64u, 1000u, 1802u}) {
        std::vector<std::uint32_t> pixels;
        ASSERT_TRUE(everyOther(moved).differingPixels(everyOther(kDots), pixels)) << moved;
        std::sort(pixels.begin(), pixels.end());
        EXPECT_EQ(pixels, (std::vector<std::uint32_t>{static_cast<std::uint32_t>(2 * moved),
                                                      static_cast<std::uint32_t>(2 * moved + 1)}))
            << moved;
    }
}

} // namespace
} // namespace brelo
