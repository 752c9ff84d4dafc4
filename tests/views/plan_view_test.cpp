// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/plan_view.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "drawing_checks.h"

namespace arcwright {
namespace {

using testing::expectLine;
using testing::Seg;

constexpr double kDown = 3 * 3.141592654 / 2;  // arc start: straight below the centre

struct PlanCase {
    const char* name;
    double angle, shownCutWidth;
    // Blade, first edge, second edge, first end, second end, then the two cove edges.
    std::array<Seg, 7> lines;
    double arcEnd;
};

class PlanViewTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanViewTest, PrimitivesInOrder) {
    const PlanCase& c = GetParam();
    DisplayList dl;
    dl.setScale(0, 15, 15, -15);
    dl.drawLine(0, 0, 1, 1, std::nullopt);  // the previous drawing
    drawPlanView(dl, c.angle, 4, c.shownCutWidth);

    const auto& p = dl.primitives();
    ASSERT_EQ(p.size(), 8U);
    const Rgb colours[] = {palette::kYellow,   palette::kLightRed, palette::kRed,
                           palette::kLightRed, palette::kLightRed, palette::kLightRed,
                           palette::kYellow,   palette::kYellow};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(p[i].colour, colours[i]) << i;
        EXPECT_EQ(p[i].style, i >= 6 ? LineStyle::Dotted : LineStyle::Solid) << i;
        if (i != 2) expectLine(p[i], c.lines[i < 2 ? i : i - 1], 1e-4);
    }
    EXPECT_EQ(p[2].kind, Primitive::Kind::Arc);
    EXPECT_EQ(p[2].x1, 7.5F);
    EXPECT_EQ(p[2].y1, 7.5F);
    EXPECT_EQ(p[2].r, 3.0F);
    EXPECT_NEAR(p[2].start, kDown, 1e-6);
    EXPECT_NEAR(p[2].end, c.arcEnd, 1e-6);
    EXPECT_EQ(dl.lineStyle(), LineStyle::Solid);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, PlanViewTest,
    ::testing::Values(
        // Square across: the board runs horizontally, the arc is a quarter circle.
        PlanCase{"SquareAcross",
                 90,
                 3.082,
                 {{{7.5, 0, 7.5, 15},
                   {15, 7.5, 0, 7.5},
                   {15, 11.5, 0, 11.5},
                   {15, 7.5, 15, 11.5},
                   {0, 7.5, 0, 11.5},
                   {15, 7.959, 0, 7.959},
                   {15, 11.041, 0, 11.041}}},
                 kDown + 3.141592654 / 2},
        // Along the blade: the first edge lies on the blade line and the arc is empty.
        PlanCase{"AlongBlade",
                 0,
                 3.082,
                 {{{7.5, 0, 7.5, 15},
                   {7.5, 0, 7.5, 15},
                   {11.5, 0, 11.5, 15},
                   {7.5, 0, 11.5, 0},
                   {7.5, 15, 11.5, 15},
                   {7.959, 0, 7.959, 15},
                   {11.041, 0, 11.041, 15}}},
                 kDown},
        // Too wide: the shown width reads 0, so both cove edges lie on the centre line.
        PlanCase{"TooWide",
                 90,
                 0,
                 {{{7.5, 0, 7.5, 15},
                   {15, 7.5, 0, 7.5},
                   {15, 11.5, 0, 11.5},
                   {15, 7.5, 15, 11.5},
                   {0, 7.5, 0, 11.5},
                   {15, 9.5, 0, 9.5},
                   {15, 9.5, 0, 9.5}}},
                 kDown + 3.141592654 / 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace arcwright
