// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/cove_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "geometry/cove_solver.h"

namespace arcwright {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

PlanRequest request(double width, double depth, double kerf, double diameter = 10.0) {
    PlanRequest r;
    r.coveWidth = width;
    r.coveDepth = depth;
    r.boardWidth = 5.0;
    r.boardThickness = 3.0;
    r.bladeDiameter = diameter;
    r.kerf = kerf;
    return r;
}

// ---- the fence angle ------------------------------------------------------------------

struct AngleRow {
    const char* name;
    double width, depth, kerf, diameter;
    double angleToTenth;  // as the planner shows it
};

class FenceAngle : public testing::TestWithParam<AngleRow> {};

TEST_P(FenceAngle, SolvesAndCutsTheWantedWidth) {
    const AngleRow& row = GetParam();
    const PlanResult result = solve(request(row.width, row.depth, row.kerf, row.diameter));
    ASSERT_TRUE(result.canCut()) << static_cast<int>(result.problem);
    ASSERT_TRUE(result.hasAngle);
    EXPECT_DOUBLE_EQ(std::round(result.angleDeg * 10) / 10, row.angleToTenth);
    EXPECT_DOUBLE_EQ(result.angleDeg + result.complementDeg, 90.0);
    // The forward width of the solved angle is the width asked for.
    EXPECT_NEAR(coveWidthAtFace(result.angleDeg, row.depth, row.diameter, row.kerf), row.width,
                1e-9);
}

INSTANTIATE_TEST_SUITE_P(Setups, FenceAngle,
                         testing::Values(
                             // A 3-in. cove 5/8 in. deep: the kerf takes 1.5° off the angle.
                             AngleRow{"ThreeInchIdealBlade", 3, 0.625, 0, 10, 38.3},
                             AngleRow{"ThreeInchEighthKerf", 3, 0.625, 0.125, 10, 36.8},
                             AngleRow{"StartUpSetupBackwards", 3.0822070018, 0.5, 0, 10, 45.0},
                             AngleRow{"JustTheKerf", 0.125, 0.5, 0.125, 10, 0.0},
                             AngleRow{"SmallBladeDeep", 3, 2, 0.09375, 8, 24.9},
                             AngleRow{"WideKerfShallow", 2.5, 0.375, 0.25, 8, 43.3}),
                         rowName<AngleRow>);

TEST(FenceAngle, ZeroKerfSetupCutsAboutThreeThirtySecondsTooWide) {
    const PlanResult ideal = solve(request(3, 0.625, 0));
    const double real = coveWidthAtFace(ideal.angleDeg, 0.625, 10, 0.125);
    EXPECT_NEAR(real - 3, 3.0 / 32, 1.0 / 128);
    EXPECT_GT(real - 3, 1.0 / 16);  // more than the read-outs resolve
}

// With no kerf on the 10-in. blade the planner and the window agree on the cut width.
struct WindowRow {
    const char* name;
    double angle, blade;
};

class AgreesWithWindow : public testing::TestWithParam<WindowRow> {};

TEST_P(AgreesWithWindow, SameCutWidth) {
    const WindowRow& row = GetParam();
    CoveSolution window;
    solveCove({row.blade, row.angle, 6.0}, window);
    EXPECT_NEAR(coveWidthAtFace(row.angle, row.blade, kBladeDiameter, 0), window.cutWidth(), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Setups, AgreesWithWindow,
    testing::Values(WindowRow{"StartUp", 45, 0.5}, WindowRow{"ShallowSteep", 85, 0.0625},
                    WindowRow{"NearlyAlongBlade", 5, 0.5}, WindowRow{"QuarterAtThirty", 30, 0.25},
                    WindowRow{"DeepSixty", 60, 1.25}, WindowRow{"ToTheAxle", 45, 5},
                    WindowRow{"OddAngle", 37.3, 0.8125}, WindowRow{"SquareAcross", 90, 0.75}),
    rowName<WindowRow>);

// ---- why not --------------------------------------------------------------------------

struct ProblemRow {
    const char* name;
    PlanRequest request;
    PlanProblem problem;
    bool hasAngle;
};

PlanRequest with(double PlanRequest::*field, double value) {
    PlanRequest r = request(3, 0.625, 0.125);
    r.*field = value;
    return r;
}

class CannotCut : public testing::TestWithParam<ProblemRow> {};

TEST_P(CannotCut, SaysWhyAndStaysFinite) {
    const ProblemRow& row = GetParam();
    const PlanResult result = solve(row.request);
    EXPECT_EQ(result.problem, row.problem);
    EXPECT_EQ(result.hasAngle, row.hasAngle);
    EXPECT_TRUE(result.passes.empty());
    for (const double v : {result.angleDeg, result.complementDeg, result.widestCove,
                           result.bladeRadius, result.woodEachSide, result.smallestPassDepth}) {
        EXPECT_TRUE(std::isfinite(v));
    }
    if (!row.hasAngle) {
        EXPECT_EQ(result.angleDeg, 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, CannotCut,
    testing::Values(
        ProblemRow{"NoBladeDiameter", with(&PlanRequest::bladeDiameter, 0), PlanProblem::BadBlade,
                   false},
        ProblemRow{"NegativeKerf", with(&PlanRequest::kerf, -0.1), PlanProblem::BadBlade, false},
        ProblemRow{"KerfAsWideAsBlade", with(&PlanRequest::kerf, 10), PlanProblem::BadBlade, false},
        ProblemRow{"NanBlade", with(&PlanRequest::bladeDiameter, kNan), PlanProblem::BadBlade,
                   false},
        ProblemRow{"NoBoardWidth", with(&PlanRequest::boardWidth, 0), PlanProblem::NoBoard, false},
        ProblemRow{"InfiniteThickness", with(&PlanRequest::boardThickness, kInf),
                   PlanProblem::NoBoard, false},
        ProblemRow{"NoDepth", with(&PlanRequest::coveDepth, 0), PlanProblem::NoDepth, false},
        ProblemRow{"NanDepth", with(&PlanRequest::coveDepth, kNan), PlanProblem::NoDepth, false},
        ProblemRow{"PastTheAxle", with(&PlanRequest::coveDepth, 5.01),
                   PlanProblem::DeeperThanBladeRadius, false},
        ProblemRow{"NoWidth", with(&PlanRequest::coveWidth, 0), PlanProblem::NoWidth, false},
        ProblemRow{"NarrowerThanTeeth", with(&PlanRequest::coveWidth, 0.1),
                   PlanProblem::NarrowerThanKerf, false},
        ProblemRow{"WiderThanReach", with(&PlanRequest::coveWidth, 4.9),
                   PlanProblem::WiderThanBladeReaches, false},
        ProblemRow{"InfiniteWidth", with(&PlanRequest::coveWidth, kInf),
                   PlanProblem::WiderThanBladeReaches, false},
        ProblemRow{"NarrowBoard", with(&PlanRequest::boardWidth, 2.5), PlanProblem::WiderThanBoard,
                   true},
        ProblemRow{"ThinBoard", with(&PlanRequest::boardThickness, 0.625),
                   PlanProblem::DeeperThanBoard, true},
        ProblemRow{"NoPassDepth", with(&PlanRequest::passDepth, 0), PlanProblem::NoPassDepth, true},
        ProblemRow{"NegativePassDepth", with(&PlanRequest::passDepth, -1.0 / 16),
                   PlanProblem::NoPassDepth, true},
        ProblemRow{"NanPassDepth", with(&PlanRequest::passDepth, kNan), PlanProblem::NoPassDepth,
                   true},
        ProblemRow{"HairThinPasses", with(&PlanRequest::passDepth, 1e-300),
                   PlanProblem::TooManyPasses, true}),
    rowName<ProblemRow>);

TEST(CannotCut, NamesTheWidestThisBladeCuts) {
    const PlanResult result = solve(with(&PlanRequest::coveWidth, 4.9));
    // √(c² + k²) with c = 2√(0.625 · 9.375).
    EXPECT_NEAR(result.widestCove, std::sqrt(4 * 0.625 * 9.375 + 0.125 * 0.125), 1e-12);
    EXPECT_TRUE(solve(with(&PlanRequest::coveWidth, result.widestCove)).canCut());
}

TEST(CannotCut, NamesThePassDepthThatFits) {
    const PlanResult result = solve(with(&PlanRequest::passDepth, 0.001));
    ASSERT_EQ(result.problem, PlanProblem::TooManyPasses);
    PlanRequest fits = with(&PlanRequest::passDepth, result.smallestPassDepth);
    const PlanResult fixed = solve(fits);
    EXPECT_TRUE(fixed.canCut());
    EXPECT_LE(fixed.passes.size(), static_cast<std::size_t>(kMaxPasses));
}

// ---- warnings -------------------------------------------------------------------------

struct WarningRow {
    const char* name;
    double boardWidth, thickness;
    double woodEachSide;
    bool thinSides, thinAboveBlade;
};

class Warnings : public testing::TestWithParam<WarningRow> {};

TEST_P(Warnings, AsTheWindowWarns) {
    const WarningRow& row = GetParam();
    PlanRequest r = request(3, 0.625, 0.125);
    r.boardWidth = row.boardWidth;
    r.boardThickness = row.thickness;
    const PlanResult result = solve(r);
    EXPECT_TRUE(result.canCut());
    EXPECT_DOUBLE_EQ(result.woodEachSide, row.woodEachSide);
    EXPECT_EQ(result.thinSides, row.thinSides);
    EXPECT_EQ(result.thinAboveBlade, row.thinAboveBlade);
}

INSTANTIATE_TEST_SUITE_P(
    Boards, Warnings,
    testing::Values(WarningRow{"Plenty", 5, 1.5, 1, false, false},
                    WarningRow{"QuarterEachSideIsFine", 3.5, 0.875, 0.25, false, false},
                    WarningRow{"LessThanAQuarter", 3.25, 1.5, 0.125, true, false},
                    WarningRow{"ThinAboveBlade", 5, 0.75, 1, false, true},
                    WarningRow{"Both", 3, 0.7, 0, true, true}),
    rowName<WarningRow>);

// ---- passes ---------------------------------------------------------------------------

struct PassRow {
    const char* name;
    double depth, passDepth;
    int count;
    double firstHeight;
};

class Passes : public testing::TestWithParam<PassRow> {};

TEST_P(Passes, RiseByAtMostThePassDepthToFullDepth) {
    const PassRow& row = GetParam();
    PlanRequest r = request(2, row.depth, 0.125);
    r.passDepth = row.passDepth;
    const PlanResult result = solve(r);
    ASSERT_TRUE(result.canCut());
    ASSERT_EQ(static_cast<int>(result.passes.size()), row.count);
    EXPECT_DOUBLE_EQ(result.passes.front().bladeHeight, row.firstHeight);
    EXPECT_EQ(result.passes.back().bladeHeight, row.depth);
    EXPECT_NEAR(result.passes.back().coveWidth, 2.0, 1e-12);
    double lastHeight = 0;
    double lastWidth = 0.125 * std::cos(result.angleDeg * kTenDigitPi / 180);
    for (std::size_t i = 0; i < result.passes.size(); ++i) {
        const PlanPass& p = result.passes[i];
        EXPECT_EQ(p.number, static_cast<int>(i) + 1);
        EXPECT_GT(p.bladeHeight, lastHeight);
        EXPECT_LE(p.bladeHeight - lastHeight, row.passDepth * (1 + 1e-12));
        EXPECT_GT(p.coveWidth, lastWidth);  // every pass widens the cove
        lastHeight = p.bladeHeight;
        lastWidth = p.coveWidth;
    }
}

INSTANTIATE_TEST_SUITE_P(Schedules, Passes,
                         testing::Values(PassRow{"SixteenthsToFiveEighths", 0.625, 0.0625, 10,
                                                 0.0625},
                                         PassRow{"ShortLastPass", 0.6, 0.0625, 10, 0.0625},
                                         PassRow{"OnePassDeeperThanCove", 0.5, 1, 1, 0.5},
                                         PassRow{"TenthsOfAnInch", 0.3, 0.1, 3, 0.1},
                                         PassRow{"AtTheCap", 0.5, 0.001, kMaxPasses, 0.001}),
                         rowName<PassRow>);

}  // namespace
}  // namespace arcwright
