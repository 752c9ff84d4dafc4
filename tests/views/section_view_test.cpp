// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/section_view.h"

#include <gtest/gtest.h>

#include <string>

#include "drawing_checks.h"
#include "geometry/cove_solver.h"

namespace arcwright {
namespace {

using testing::expectLine;

struct CoveCase {
    const char* name;
    double blade, width, thickness;
    int levels;
    double mouthLeft, mouthRight, faceY, deepestY;
};

class SectionViewTest : public ::testing::TestWithParam<CoveCase> {};

TEST_P(SectionViewTest, BoardThenMouthThenOnePolyline) {
    const CoveCase& c = GetParam();
    CoveSolution s;
    solveCove(CoveInputs{c.blade, 45, c.width}, s);
    ASSERT_EQ(s.pointCount, c.levels);
    DisplayList dl;
    const SectionBoard board = sectionBoard(c.width, c.thickness, kDrawScale);
    SectionOutline o;
    buildSectionOutline(board, s.pointCount, s.profileWidth, o);
    drawSection(dl, board, o, s.pointCount, true);

    const int n = s.pointCount;
    const auto& p = dl.primitives();
    ASSERT_EQ(p.size(), 4U + 1U + static_cast<unsigned>(2 * n - 2));
    const double left = 4000 - c.width * 500, right = 4000 + c.width * 500;
    const double top = 2000 + c.thickness * 500;
    expectLine(p[0], {left, c.faceY, right, c.faceY}, 0);
    expectLine(p[1], {right, c.faceY, right, top}, 0);
    expectLine(p[2], {right, top, left, top}, 0);
    expectLine(p[3], {left, top, left, c.faceY}, 0);
    EXPECT_EQ(p[4].colour, palette::kBrightWhite);
    expectLine(p[4], {c.mouthLeft, c.faceY, c.mouthRight, c.faceY}, 0.05);
    EXPECT_NEAR(o.point[n].y, c.deepestY, 1e-6);
    for (int i = 1; i <= 2 * n - 2; ++i) {
        EXPECT_FALSE(p[4 + i].colour.has_value());
        expectLine(p[4 + i], {o.point[i].x, o.point[i].y, o.point[i + 1].x, o.point[i + 1].y},
                   1e-3);
    }
    // The right flank mirrors the left one level higher and ends on empty level 0.
    for (int j = 1; j < n; ++j) {
        ASSERT_EQ(o.point[n + j].y, o.point[n - j].y) << j;
        ASSERT_NEAR(o.point[n + j].x - 4000, 4000 - o.point[n - j].x, 1e-6) << j;
    }
    EXPECT_EQ(o.point[2 * n].x, 4000.0);
    EXPECT_EQ(o.point[2 * n].y, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Setups, SectionViewTest,
    ::testing::Values(CoveCase{"StartUp", 0.5, 4, 0.75, 100, 2458.8965, 5541.1035, 1625, 2125},
                      // One level: a zero-length white line and no segment.
                      CoveCase{"BladeFlush", 0, 4, 0.75, 1, 4000, 4000, 1625, 1630},
                      CoveCase{"DeepestHeld", 4.995, 8, 4, kMaxLevels, 464.4679, 7535.5321, 0,
                               5000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SectionView, NoLevelsOrTooManyStayInsideTheTables) {
    DisplayList dl;
    const SectionBoard board = sectionBoard(10, 6, kDrawScale);
    LevelTable widths{};
    widths.fill(1.0);
    SectionOutline o;
    buildSectionOutline(board, -1, widths, o);
    drawSection(dl, board, o, -1, true);
    EXPECT_EQ(dl.primitives().size(), 4U);

    buildSectionOutline(board, 5 * kMaxLevels, widths, o);
    drawSection(dl, board, o, 5 * kMaxLevels, true);
    EXPECT_EQ(dl.primitives().size(), 4U + 1U + (2U * kMaxLevels - 2U));
    // Too wide: the board alone, its face unbroken.
    drawSection(dl, board, o, 100, false);
    EXPECT_EQ(dl.primitives().size(), 4U);
}

}  // namespace
}  // namespace arcwright
