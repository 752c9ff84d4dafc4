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
    EXPECT_NEAR(o.y[n], c.deepestY, 1e-6);
    for (int i = 1; i <= 2 * n - 2; ++i) {
        EXPECT_FALSE(p[4 + i].colour.has_value());
        expectLine(p[4 + i], {o.x[i], o.y[i], o.x[i + 1], o.y[i + 1]}, 1e-3);
    }
    // The right flank mirrors the left one level higher and ends on empty level 0.
    for (int j = 1; j < n; ++j) {
        ASSERT_EQ(o.y[n + j], o.y[n - j]) << j;
        ASSERT_NEAR(o.x[n + j] - 4000, 4000 - o.x[n - j], 1e-6) << j;
    }
    EXPECT_EQ(o.x[2 * n], 4000.0);
    EXPECT_EQ(o.y[2 * n], 0.0);
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
