// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/page_shapes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace arcwright {
namespace {

constexpr PageBox kPage{0, 0, 100, 200};
constexpr double kInf = std::numeric_limits<double>::infinity();

struct ClipCase {
    const char* name;
    PagePoint from, to;
    bool kept;
    PagePoint keptFrom, keptTo;
};

class ClipTest : public ::testing::TestWithParam<ClipCase> {};

TEST_P(ClipTest, KeepsThePartOnThePage) {
    const ClipCase& c = GetParam();
    const auto part = clipToBox(c.from, c.to, kPage);
    ASSERT_EQ(part.has_value(), c.kept);
    if (!part) return;
    EXPECT_NEAR(part->first.x, c.keptFrom.x, 1e-9);
    EXPECT_NEAR(part->first.y, c.keptFrom.y, 1e-9);
    EXPECT_NEAR(part->second.x, c.keptTo.x, 1e-9);
    EXPECT_NEAR(part->second.y, c.keptTo.y, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Segments, ClipTest,
    ::testing::Values(ClipCase{"Inside", {10, 10}, {90, 190}, true, {10, 10}, {90, 190}},
                      ClipCase{"OnTheEdge", {0, 200}, {100, 200}, true, {0, 200}, {100, 200}},
                      ClipCase{"Crossing", {-50, 100}, {150, 100}, true, {0, 100}, {100, 100}},
                      ClipCase{"DiagonalOut", {50, 100}, {250, 500}, true, {50, 100}, {100, 200}},
                      ClipCase{
                          "HugeButFinite", {-1e300, 50}, {1e300, 50}, true, {0, 50}, {100, 50}},
                      ClipCase{"Beside", {150, 0}, {150, 200}, false, {}, {}},
                      ClipCase{"PastACorner", {90, -20}, {120, 10}, false, {}, {}},
                      ClipCase{"Infinite", {10, 10}, {kInf, 10}, false, {}, {}},
                      ClipCase{"NaN", {std::nan(""), 10}, {20, 10}, false, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct OverlapCase {
    const char* name;
    PageBox box;
    bool overlaps;
};

class TriangleOverlapTest : public ::testing::TestWithParam<OverlapCase> {};

// The right triangle (0,0) (0,100) (100,100): its empty half is the upper right.
TEST_P(TriangleOverlapTest, SeesTheHypotenuse) {
    const std::array<PagePoint, 3> triangle = {{{0, 0}, {0, 100}, {100, 100}}};
    EXPECT_EQ(polygonOverlapsBox(triangle, GetParam().box), GetParam().overlaps);
}

INSTANTIATE_TEST_SUITE_P(Boxes, TriangleOverlapTest,
                         ::testing::Values(OverlapCase{"InTheEmptyHalf", {60, 0, 100, 40}, false},
                                           OverlapCase{
                                               "JustOverTheHypotenuse", {45, 40, 60, 55}, true},
                                           OverlapCase{"Inside", {10, 80, 20, 90}, true},
                                           OverlapCase{"Around", {-10, -10, 110, 110}, true},
                                           OverlapCase{"Below", {0, 101, 100, 150}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace arcwright
