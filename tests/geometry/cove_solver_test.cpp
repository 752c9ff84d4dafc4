// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometry/cove_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "readouts/readouts.h"

namespace arcwright {
namespace {

CoveSolution solve(double bladeHeight, double angleDeg, double boardWidth) {
    CoveSolution out;
    solveCove(CoveInputs{bladeHeight, angleDeg, boardWidth}, out);
    return out;
}

struct SetupCase {
    const char* name;
    double blade, angle, width;
    int levels;
    double cutWidth;
    bool tooWide;
    const char* shown;
};

class CoveSetupTest : public ::testing::TestWithParam<SetupCase> {};

TEST_P(CoveSetupTest, LevelsWidthAndVerdict) {
    const SetupCase& c = GetParam();
    const CoveSolution s = solve(c.blade, c.angle, c.width);
    EXPECT_EQ(s.pointCount, c.levels);
    EXPECT_NEAR(s.cutWidth(), c.cutWidth, 1e-9);
    EXPECT_EQ(s.tooWide, c.tooWide);
    EXPECT_EQ(cutWidthText(s), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Setups, CoveSetupTest,
    ::testing::Values(
        SetupCase{"StartUp", 0.5, 45, 4, 100, 3.0822070018, false, "3.082 in."},
        SetupCase{"QuarterBlade30Deg", 0.25, 30, 4, 50, 1.5612494997, false, "1.561 in."},
        SetupCase{"NearlyAlongBlade", 0.5, 5, 4, 100, 0.3799030750, false, "0.380 in."},
        SetupCase{"SquareAcrossTooWide", 0.5, 90, 4, 100, 4.3588989435, true, ""},
        SetupCase{"NarrowBoardTooWide", 0.5, 45, 3.5, 100, 3.0822070018, true, ""},
        SetupCase{"DeeperBladeTooWide", 0.75, 45, 4, 150, 3.7249161068, true, ""},
        SetupCase{"BladeFlush", 0, 45, 4, 1, 0, false, "0.000 in."},
        SetupCase{"NegativeAngle", 0.5, -45, 4, 100, -3.0822070018, false, "-3.082 in."},
        // Exactly a quarter inch left each side passes; an empty width box never does.
        SetupCase{"QuarterInchEachSide", 0, 45, 0.5, 1, 0, false, "0.000 in."},
        SetupCase{"EmptyWidthBox", 0, 45, 0, 1, 0, true, ""},
        SetupCase{"NegativeBlade", -0.25, 45, 4, 0, 0, false, "0.000 in."},
        SetupCase{"HugeBlade", 1e308, 45, 4, kMaxLevels, 0, false, "0.000 in."}),
    [](const auto& info) { return std::string(info.param.name); });

// Level counts: h is stepped by addition, so exact multiples of 0.005 can lose their last
// level, and the tables stop at kMaxLevels. Whatever the input, the tables hold finite
// widths no wider than the blade and nothing outside levels 1..N.
struct LevelCase {
    const char* name;
    double blade, angle, width;
    int levels;
};

class LevelCountTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LevelCountTest, CountAndTables) {
    const LevelCase& c = GetParam();
    const CoveSolution s = solve(c.blade, c.angle, c.width);
    ASSERT_EQ(s.pointCount, c.levels);
    for (int n = 0; n < kLevelTableSize; ++n) {
        ASSERT_TRUE(std::fabs(s.profileWidth[n]) <= kBladeDiameter) << n;  // false for nan
        ASSERT_EQ(s.profileHalfWidth[n], s.profileWidth[n] / 2) << n;
        if (n == 0 || n > s.pointCount) {
            ASSERT_EQ(s.profileWidth[n], 0.0) << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Heights, LevelCountTest,
    ::testing::Values(LevelCase{"HalfInch", 0.5, 45, 4, 100}, LevelCase{"OneInch", 1, 45, 4, 200},
                      LevelCase{"TwoInches", 2, 45, 4, 401},
                      LevelCase{"JustUnderFiveInches", 4.99, 45, 4, 999},
                      LevelCase{"FullDepthJustFits", 4.995, 45, 4, kMaxLevels},
                      LevelCase{"FiveInchesCapped", 5, 45, 4, kMaxLevels},
                      LevelCase{"BladeStraddlesCircleTop", 10.5, 90, 4, kMaxLevels},
                      LevelCase{"HugeBlade", 1e308, 45, 4, kMaxLevels},
                      LevelCase{"HugeNegativeBlade", -1e308, 45, 4, 0},
                      LevelCase{"EverythingHuge", 1e308, 1e308, 1e308, kMaxLevels},
                      LevelCase{"HugeNegativeAngleAndBoard", 0.5, -1e308, -1e308, 100}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CoveSolver, LevelWidthsFollowTheBladeCircle) {
    // Deepest start-up level, h = 0.005: sin 45 * sqrt(4 * 0.005 * 9.995).
    EXPECT_NEAR(solve(0.5, 45, 4).profileWidth[100], 0.3161486992, 1e-9);
    // A deep blade keeps its first 1000 levels, from the blade centre down to h = 0.005.
    const CoveSolution deep = solve(5, 90, 20);
    EXPECT_NEAR(deep.profileWidth[1], 10, 1e-9);
    EXPECT_NEAR(deep.profileWidth[kMaxLevels], 0.4471017781, 1e-9);
    // Above the blade top nothing is cut; the first level inside the circle is.
    const CoveSolution high = solve(10.0225, 90, 4);
    EXPECT_EQ(high.profileWidth[5], 0.0);
    EXPECT_NEAR(high.profileWidth[6], 0.3161882351, 1e-9);
}

TEST(CoveSolver, ReusedSolutionKeepsNothingOfALongerProfile) {
    CoveSolution s;
    solveCove(CoveInputs{2.0, 90, 10}, s);
    solveCove(CoveInputs{0.5, 45, 3}, s);
    ASSERT_EQ(s.pointCount, 100);
    EXPECT_EQ(cutWidthText(s), "");
    for (int n = 101; n < kLevelTableSize; ++n) {
        ASSERT_EQ(s.profileWidth[n] + s.profileHalfWidth[n], 0.0) << n;
    }
}

}  // namespace
}  // namespace arcwright
