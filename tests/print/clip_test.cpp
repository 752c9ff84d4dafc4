// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/clip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace arcwright {
namespace {

// A letter page in points with 100 pt all round.
const ClipBox kBox = boxAroundPage(612, 792, 100);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

// The template page's own sheet: a box with no margin, 100 by 200 pt.
constexpr ClipBox kSheet{0, 0, 100, 200};

struct ClipCase {
    const char* name;
    Segment in;
    std::optional<Segment> out;
    ClipBox box = kBox;
};

class ClipSegmentTest : public ::testing::TestWithParam<ClipCase> {};

TEST_P(ClipSegmentTest, KeepsWhatLiesInTheBox) {
    const ClipBox& box = GetParam().box;
    const auto clipped = clipSegment(GetParam().in, box);
    ASSERT_EQ(clipped.has_value(), GetParam().out.has_value());
    if (!clipped) return;
    const Segment& want = *GetParam().out;
    EXPECT_NEAR(clipped->x1, want.x1, 1e-6);
    EXPECT_NEAR(clipped->y1, want.y1, 1e-6);
    EXPECT_NEAR(clipped->x2, want.x2, 1e-6);
    EXPECT_NEAR(clipped->y2, want.y2, 1e-6);
    EXPECT_TRUE(box.contains(clipped->x1, clipped->y1));
    EXPECT_TRUE(box.contains(clipped->x2, clipped->y2));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ClipSegmentTest,
    ::testing::Values(
        ClipCase{"Inside", {0, 0, 288, 54}, Segment{0, 0, 288, 54}},
        ClipCase{"OnTheBoxEdge", {-100, -100, 712, -100}, Segment{-100, -100, 712, -100}},
        ClipCase{"ABoardAMillionInchesWide", {0, 54, 7.2e7, 54}, Segment{0, 54, 712, 54}},
        ClipCase{"BackwardsFromFarAway", {7.2e7, 0, 0, 0}, Segment{712, 0, 0, 0}},
        ClipCase{"CrossingTheWholePage", {-1e6, 396, 1e6, 396}, Segment{-100, 396, 712, 396}},
        ClipCase{"Diagonal", {-200, -200, 1000, 1000}, Segment{-100, -100, 712, 712}},
        ClipCase{"StraightDownFromThePage", {0, 0, 0, 7.2e21}, Segment{0, 0, 0, 892}},
        ClipCase{"WhollyRight", {1e6, 0, 2e6, 100}, std::nullopt},
        ClipCase{"WhollyAbove", {0, -500, 612, -300}, std::nullopt},
        ClipCase{"PassingTheCornerOutside", {600, -400, 1200, 200}, std::nullopt},
        // An end beyond two edges whose line leaves through the nearer one: it must not be
        // moved onto the other and pinned to the corner.
        ClipCase{"PastACornerLeavingThroughTheTop",
                 {50, 50, 150, -1000},
                 Segment{50, 50, 50 + 100.0 * 50 / 1050, 0},
                 kSheet},
        ClipCase{"PastACornerLeavingThroughTheSide",
                 {50, 50, 1000, -60},
                 Segment{50, 50, 100, 50 - 110.0 * 50 / 950},
                 kSheet},
        ClipCase{"APointInside", {10, 10, 10, 10}, Segment{10, 10, 10, 10}},
        ClipCase{"APointOutside", {1e9, 10, 1e9, 10}, std::nullopt},
        ClipCase{"NaNEnd", {0, 0, kNaN, 10}, std::nullopt},
        ClipCase{"NaNStart", {kNaN, kNaN, 10, 10}, std::nullopt},
        ClipCase{"InfiniteEnd", {0, 0, kInf, 0}, std::nullopt},
        ClipCase{"MinusInfinity", {-kInf, 10, 10, 10}, std::nullopt},
        // The difference of the two ends overflows a double; the page still gets its part.
        ClipCase{"EndsAtBothLimitsOfADouble", {-kMax, 10, kMax, 10}, Segment{-100, 10, 712, 10}},
        // On a sheet without a margin, as the template page clips its drawing.
        ClipCase{"SheetInside", {10, 10, 90, 190}, Segment{10, 10, 90, 190}, kSheet},
        ClipCase{"SheetOnTheEdge", {0, 200, 100, 200}, Segment{0, 200, 100, 200}, kSheet},
        ClipCase{"SheetCrossing", {-50, 100, 150, 100}, Segment{0, 100, 100, 100}, kSheet},
        ClipCase{"SheetDiagonalOut", {50, 100, 250, 500}, Segment{50, 100, 100, 200}, kSheet},
        ClipCase{"SheetHugeButFinite", {-1e300, 50, 1e300, 50}, Segment{0, 50, 100, 50}, kSheet},
        ClipCase{"SheetBeside", {150, 0, 150, 200}, std::nullopt, kSheet},
        ClipCase{"SheetPastACorner", {90, -20, 120, 10}, std::nullopt, kSheet},
        ClipCase{"SheetInfinite", {10, 10, kInf, 10}, std::nullopt, kSheet},
        ClipCase{"SheetNaN", {kNaN, 10, 20, 10}, std::nullopt, kSheet}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClipSegment, ReturnsAnInsideSegmentBitForBit) {
    const Segment s{33.04f, 53.64f, 144.0f, 17.64f};
    EXPECT_EQ(clipSegment(s, kBox), s);
}

}  // namespace
}  // namespace arcwright
