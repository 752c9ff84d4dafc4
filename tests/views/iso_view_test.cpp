// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/iso_view.h"

#include <gtest/gtest.h>

#include <string>

#include "drawing_checks.h"
#include "geometry/cove_solver.h"

namespace arcwright {
namespace {

using testing::expectLine;

// Corners of the start-up board (4 in. wide, 0.75 thick) and 18 in. along it.
constexpr double P0x = 6, P0y = 5, P1x = 21.5885962, P1y = 13.9997593;
constexpr double P2x = 6, P2y = 5.75, P3x = P1x, P3y = 14.7497593;
constexpr double P4x = 18.1244637, P4y = 16.7497058, P5x = 2.5358675, P5y = 7.7499465;
constexpr double P6x = P5x, P6y = 6.9999465, Lx = P1x - P0x, Ly = P1y - P0y;
constexpr double kTol = 1e-4;

struct IsoCase {
    const char* name;
    double blade, shownCutWidth;
    int levels;
    double ex, ey;  // cove edge E on the top face
    double rx, ry;  // last profile point drawn (Q1), or E when there is none
};

class IsoViewTest : public ::testing::TestWithParam<IsoCase> {};

TEST_P(IsoViewTest, EdgesProfileAndCoveEdges) {
    const IsoCase& c = GetParam();
    CoveSolution s;
    solveCove(CoveInputs{c.blade, 45, 4}, s);
    ASSERT_EQ(s.pointCount, c.levels);
    IsoTables t;
    DisplayList dl;
    drawIsoView(dl, IsoInputs{4, 0.75, c.blade, c.shownCutWidth, s.pointCount, &s.profileHalfWidth},
                t);

    const std::size_t profile = s.pointCount > 0 ? 2 * (2 * s.pointCount - 2) : 0;
    const auto& p = dl.primitives();
    ASSERT_EQ(p.size(), 7 + 2 + profile + 4);
    expectLine(p[0], {P0x, P0y, P1x, P1y}, kTol);
    expectLine(p[1], {P2x, P2y, P3x, P3y}, kTol);
    expectLine(p[2], {P1x, P1y, P3x, P3y}, kTol);
    expectLine(p[3], {P0x, P0y, P2x, P2y}, kTol);
    expectLine(p[4], {P4x, P4y, P5x, P5y}, kTol);
    expectLine(p[5], {P5x, P5y, P6x, P6y}, kTol);
    expectLine(p[6], {P6x, P6y, P0x, P0y}, kTol);
    expectLine(p[7], {c.ex, c.ey, P2x, P2y}, kTol);
    expectLine(p[8], {c.ex + Lx, c.ey + Ly, P3x, P3y}, kTol);

    // Near end polyline from E, each segment copied 18 in. along onto the far end.
    double x = c.ex, y = c.ey;
    for (std::size_t i = 9; i < 9 + profile; i += 2) {
        ASSERT_NEAR(p[i].x1, x, kTol) << i;
        ASSERT_NEAR(p[i].y1, y, kTol) << i;
        expectLine(p[i + 1], {x + Lx, y + Ly, p[i].x2 + Lx, p[i].y2 + Ly}, kTol);
        x = p[i].x2;
        y = p[i].y2;
    }
    const std::size_t k = 9 + profile;
    expectLine(p[k], {c.rx, c.ry, P5x, P5y}, kTol);
    expectLine(p[k + 1], {c.rx + Lx, c.ry + Ly, P4x, P4y}, kTol);
    expectLine(p[k + 2], {c.ex, c.ey, c.ex + Lx, c.ey + Ly}, kTol);
    expectLine(p[k + 3], {c.rx, c.ry, c.rx + Lx, c.ry + Ly}, kTol);
}

INSTANTIATE_TEST_SUITE_P(
    Blades, IsoViewTest,
    ::testing::Values(
        // E 0.459 in. back from the front edge; Q1 3.5411 in. back at depth 0.005.
        IsoCase{"StartUp", 0.5, 3.082, 100, 5.6024908, 5.9794939, 2.9332871, 7.5155044},
        IsoCase{"BladeFlush", 0, 0, 1, 4.2679338, 6.7499733, 4.2679338, 6.7499733},
        IsoCase{"NegativeBlade", -0.5, 0, 0, 4.2679338, 6.7499733, 4.2679338, 6.7499733},
        IsoCase{"DeepestHeld", 4.995, 0, kMaxLevels, 4.2679338, 6.7499733, 1.2060458, 8.5126920}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace arcwright
