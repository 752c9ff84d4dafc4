// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/page_shapes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace arcwright {
namespace {

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
