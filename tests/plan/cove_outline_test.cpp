// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/cove_outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "geometry/cove_solver.h"
#include "plan/cove_plan.h"

namespace arcwright {
namespace {

struct OutlineRow {
    const char* name;
    double depth, angle, diameter, kerf;
};

class Outline : public testing::TestWithParam<OutlineRow> {};

// Every point lies where the blade's rim cuts: at depth z the half width is
// (sin θ · ch(z) + k · cos θ) / 2, ch(z) = 2√(r² − (z − (H − r))²).
TEST_P(Outline, FollowsTheBladeRimWithAFlatBottom) {
    const OutlineRow& row = GetParam();
    const auto points = coveOutline(row.depth, row.angle, row.diameter, row.kerf, 24);
    ASSERT_EQ(points.size(), 50u);
    const double theta = row.angle * kTenDigitPi / 180;
    const double r = row.diameter / 2;
    const double width = coveWidthAtFace(row.angle, row.depth, row.diameter, row.kerf);

    EXPECT_NEAR(points.front().x, -width / 2, 1e-12);
    EXPECT_NEAR(points.back().x, width / 2, 1e-12);
    EXPECT_EQ(points.front().depth, 0.0);
    EXPECT_EQ(points.back().depth, 0.0);
    // The flat bottom at full depth, as wide as the teeth leave it.
    const auto& left = points[24];
    const auto& right = points[25];
    EXPECT_NEAR(left.depth, row.depth, 1e-12);
    EXPECT_NEAR(right.depth, row.depth, 1e-12);
    EXPECT_NEAR(right.x - left.x, row.kerf * std::cos(theta), 1e-12);

    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& p = points[i];
        const auto& mirror = points[points.size() - 1 - i];
        EXPECT_NEAR(p.x, -mirror.x, 1e-12) << i;
        EXPECT_EQ(p.depth, mirror.depth) << i;
        const double off = p.depth - (row.depth - r);
        const double chord = 2 * std::sqrt(std::max(0.0, r * r - off * off));
        EXPECT_NEAR(std::fabs(p.x), (std::sin(theta) * chord + row.kerf * std::cos(theta)) / 2,
                    1e-9)
            << i;
        if (i > 0 && i < 25) {
            EXPECT_GE(p.depth, points[i - 1].depth) << i;  // down the left flank
            EXPECT_GE(p.x, points[i - 1].x) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Blades, Outline,
                         testing::Values(OutlineRow{"EighthKerf", 0.625, 36.8, 10, 0.125},
                                         OutlineRow{"IdealBlade", 0.5, 45, 10, 0},
                                         OutlineRow{"ToTheAxle", 4, 60, 8, 0.1},
                                         OutlineRow{"AlongTheBlade", 0.5, 0, 10, 0.125}),
                         [](const auto& info) { return std::string(info.param.name); });

struct NoOutlineRow {
    const char* name;
    double depth, angle, diameter, kerf;
};

class NoOutline : public testing::TestWithParam<NoOutlineRow> {};

TEST_P(NoOutline, WhenTheBladeMakesNoCove) {
    const NoOutlineRow& row = GetParam();
    EXPECT_TRUE(coveOutline(row.depth, row.angle, row.diameter, row.kerf).empty());
}

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Requests, NoOutline,
                         testing::Values(NoOutlineRow{"NoDepth", 0, 45, 10, 0.125},
                                         NoOutlineRow{"PastTheAxle", 5.5, 45, 10, 0.125},
                                         NoOutlineRow{"NoBlade", 0.5, 45, 0, 0.125},
                                         NoOutlineRow{"NegativeKerf", 0.5, 45, 10, -1},
                                         NoOutlineRow{"NanAngle", 0.5, kNan, 10, 0.125}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace arcwright
