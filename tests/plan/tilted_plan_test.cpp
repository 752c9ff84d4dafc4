// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "plan/cove_plan.h"
#include "plan/tilted_angle.h"
#include "plan/tilted_outline.h"
#include "sampled_blade.h"

namespace arcwright {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

PlanRequest request(double width, double depth, double kerf = 0.125, double diameter = 10) {
    PlanRequest r;
    r.coveWidth = width;
    r.coveDepth = depth;
    r.boardWidth = 12;
    r.boardThickness = 6;
    r.bladeDiameter = diameter;
    r.kerf = kerf;
    return r;
}

// ---- upright: the upright planner's answer, to the last bit ---------------------------

class UprightSolve : public testing::TestWithParam<PlanRequest> {};

TEST_P(UprightSolve, IsTheUprightPlannersSolve) {
    const PlanRequest& r = GetParam();
    const PlanResult today = solve(r);
    for (const BladeLean lean : {BladeLean::TowardFence, BladeLean::AwayFromFence}) {
        const PlanResult tilted = solve(r, {0.0, lean});
        const PlanResult& p = tilted;
        EXPECT_EQ(tilted.tiltProblem, TiltProblem::None);
        EXPECT_EQ(p.problem, today.problem);
        EXPECT_EQ(p.hasAngle, today.hasAngle);
        EXPECT_EQ(p.angleDeg, today.angleDeg);
        EXPECT_EQ(p.complementDeg, today.complementDeg);
        EXPECT_EQ(p.widestCove, today.widestCove);
        EXPECT_EQ(p.bladeRadius, today.bladeRadius);
        EXPECT_EQ(p.woodEachSide, today.woodEachSide);
        EXPECT_EQ(p.thinSides, today.thinSides);
        EXPECT_EQ(p.thinAboveBlade, today.thinAboveBlade);
        EXPECT_EQ(p.smallestPassDepth, today.smallestPassDepth);
        EXPECT_EQ(p.passes, today.passes);
        ASSERT_EQ(tilted.passes.size(), today.passes.size());
        for (std::size_t i = 0; i < today.passes.size(); ++i) {
            EXPECT_EQ(tilted.passes[i].coveWidth, today.passes[i].coveWidth);
            EXPECT_EQ(tilted.passes[i].fenceSide, today.passes[i].coveWidth / 2);
            EXPECT_EQ(tilted.passes[i].farSide, today.passes[i].coveWidth / 2);
        }
        EXPECT_EQ(tilted.tableOffset, 0.0);
    }
}

PlanRequest boardOf(PlanRequest r, double width, double thickness, double passDepth) {
    r.boardWidth = width;
    r.boardThickness = thickness;
    r.passDepth = passDepth;
    return r;
}

INSTANTIATE_TEST_SUITE_P(Requests, UprightSolve,
                         testing::Values(boardOf(request(3, 0.625), 4.5, 1.25, 0.0625),
                                         request(3, 0.625, 0), request(0.125, 0.5),
                                         request(3, 2, 0.09375, 8), request(2.5, 0.375, 0.25, 8),
                                         request(4.9, 0.625), request(3, 5.01),
                                         boardOf(request(3, 0.625), 2.5, 1.25, 0.0625),
                                         boardOf(request(3, 0.6), 4, 1.5, 0.001)));

// ---- the inverse with tilt ------------------------------------------------------------

struct InverseRow {
    const char* name;
    double depth, diameter, kerf, tilt;
};

class TiltedInverse : public testing::TestWithParam<InverseRow> {};

// The forward width at the solved angle is the width asked for, no smaller angle cuts it,
// and the widest is what the fence cuts at its best, over widths from the narrowest to the
// widest.
TEST_P(TiltedInverse, RoundTripsAtTheSmallestAngle) {
    const InverseRow& row = GetParam();
    const auto width = [&](double angle) {
        return tiltedCoveAtFace(angle, row.depth, row.diameter, row.kerf, {row.tilt}).width;
    };
    const TiltedAngle range = tiltedFenceAngle(1, row.depth, row.diameter, row.kerf, row.tilt);
    ASSERT_GT(range.widest, range.narrowest);
    EXPECT_NEAR(range.narrowest, width(0), 1e-12);
    constexpr double step = 0.005;
    double scannedWidest = 0;
    for (double a = 0; a <= 90; a += step) scannedWidest = std::max(scannedWidest, width(a));
    scannedWidest = std::max(scannedWidest, width(90));
    EXPECT_LE(scannedWidest, range.widest + 1e-12);
    EXPECT_GE(scannedWidest, range.widest - 1e-7);

    for (const double f : {0.0, 0.01, 0.3, 0.7, 0.95, 0.999, 0.99999, 1.0}) {
        const double wanted =
            f == 1 ? range.widest : range.narrowest + f * (range.widest - range.narrowest);
        const TiltedAngle a = tiltedFenceAngle(wanted, row.depth, row.diameter, row.kerf, row.tilt);
        ASSERT_TRUE(a.hasAngle) << f;
        EXPECT_GE(a.angleDeg, 0.0);
        EXPECT_LE(a.angleDeg, 90.0);
        EXPECT_NEAR(width(a.angleDeg), wanted, 1e-9) << f;
        for (double below = a.angleDeg - 0.01; below >= 0; below -= step) {
            ASSERT_LT(width(below), wanted) << f << " cut at " << below << "°";
        }
    }
    EXPECT_FALSE(
        tiltedFenceAngle(range.narrowest - 1e-9, row.depth, row.diameter, row.kerf, row.tilt)
            .hasAngle);
    EXPECT_FALSE(
        tiltedFenceAngle(range.widest * (1 + 1e-9), row.depth, row.diameter, row.kerf, row.tilt)
            .hasAngle);
}

INSTANTIATE_TEST_SUITE_P(
    Blades, TiltedInverse,
    testing::Values(InverseRow{"WorkedExampleHairOfTilt", 0.625, 10, 0.125, 0.01},
                    InverseRow{"WorkedExampleOneDegree", 0.625, 10, 0.125, 1},
                    InverseRow{"WorkedExampleFive", 0.625, 10, 0.125, 5},
                    InverseRow{"WorkedExampleThirty", 0.625, 10, 0.125, 30},
                    InverseRow{"WorkedExampleFortyFive", 0.625, 10, 0.125, 45},
                    InverseRow{"NoKerf", 0.75, 10, 0, 20},
                    InverseRow{"SmallBladeDeep", 2, 8, 0.09375, 15},
                    // Deep coves: the width humps near 90°, dips and climbs again.
                    InverseRow{"DeepHumpHigherThanSquare", 4.56, 10, 0.125, 2.83},
                    InverseRow{"DeepHumpLowerThanSquare", 2.5258, 6, 0.125, 30.892},
                    // Shallower than the kerf's rise: a hump on the kerf's flat.
                    InverseRow{"ScratchOnWideKerf", 0.0074, 10, 0.5, 0.895},
                    InverseRow{"AtTheTiltedReach", 3.5355339, 10, 0.125, 45}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- why not, with tilt ---------------------------------------------------------------

struct TiltProblemRow {
    const char* name;
    PlanRequest request;
    double tilt;
    TiltProblem tiltProblem;
    PlanProblem problem;
};

PlanRequest with(double PlanRequest::*field, double value) {
    PlanRequest r = request(3, 0.625);
    r.*field = value;
    return r;
}

class TiltedCannotCut : public testing::TestWithParam<TiltProblemRow> {};

TEST_P(TiltedCannotCut, SaysWhyAndStaysFinite) {
    const TiltProblemRow& row = GetParam();
    for (const BladeLean lean : {BladeLean::TowardFence, BladeLean::AwayFromFence}) {
        const PlanResult result = solve(row.request, {row.tilt, lean});
        EXPECT_EQ(result.tiltProblem, row.tiltProblem);
        EXPECT_EQ(result.problem, row.problem);
        EXPECT_FALSE(result.canCut());
        EXPECT_TRUE(result.passes.empty());
        const PlanResult& p = result;
        for (const double v :
             {p.angleDeg, p.complementDeg, p.widestCove, p.bladeRadius, p.woodEachSide,
              p.smallestPassDepth, result.narrowestCove, result.deepestCut, result.cove.width,
              result.cove.fenceSide.reach, result.cove.farSide.reach, result.tableOffset}) {
            EXPECT_TRUE(std::isfinite(v));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, TiltedCannotCut,
    testing::Values(TiltProblemRow{"NanTilt", request(3, 0.625), kNan, TiltProblem::NotANumber,
                                   PlanProblem::None},
                    TiltProblemRow{"InfiniteTilt", request(3, 0.625), kInf, TiltProblem::NotANumber,
                                   PlanProblem::None},
                    TiltProblemRow{"MinusInfiniteTilt", request(3, 0.625), -kInf,
                                   TiltProblem::NotANumber, PlanProblem::None},
                    TiltProblemRow{"NegativeTilt", request(3, 0.625), -10, TiltProblem::Negative,
                                   PlanProblem::None},
                    TiltProblemRow{"HairBelowZero", request(3, 0.625), -1e-300,
                                   TiltProblem::Negative, PlanProblem::None},
                    TiltProblemRow{"PastFortyFive", request(3, 0.625), 45.000001,
                                   TiltProblem::PastMaxTilt, PlanProblem::None},
                    TiltProblemRow{"Flat", request(3, 0.625), 90, TiltProblem::PastMaxTilt,
                                   PlanProblem::None},
                    TiltProblemRow{"Huge", request(3, 0.625), 1e300, TiltProblem::PastMaxTilt,
                                   PlanProblem::None},
                    TiltProblemRow{"NanBlade", with(&PlanRequest::bladeDiameter, kNan), 30,
                                   TiltProblem::None, PlanProblem::BadBlade},
                    TiltProblemRow{"NoBoard", with(&PlanRequest::boardWidth, 0), 30,
                                   TiltProblem::None, PlanProblem::NoBoard},
                    TiltProblemRow{"NanDepth", with(&PlanRequest::coveDepth, kNan), 30,
                                   TiltProblem::None, PlanProblem::NoDepth},
                    TiltProblemRow{"PastTheAxle", with(&PlanRequest::coveDepth, 5.01), 30,
                                   TiltProblem::None, PlanProblem::DeeperThanBladeRadius},
                    // 5 cos 30° = 4.33: the tilted blade's centre would come up through the table.
                    TiltProblemRow{"PastTheTiltedReach", with(&PlanRequest::coveDepth, 4.4), 30,
                                   TiltProblem::DeeperThanTiltedBlade, PlanProblem::None},
                    TiltProblemRow{"NoWidth", with(&PlanRequest::coveWidth, 0), 30,
                                   TiltProblem::None, PlanProblem::NoWidth},
                    // Wider than the kerf, narrower than the tilted kerf: 0.125 / cos 45° = 0.177.
                    TiltProblemRow{"NarrowerThanTiltedKerf", with(&PlanRequest::coveWidth, 0.15),
                                   45, TiltProblem::None, PlanProblem::NarrowerThanKerf},
                    TiltProblemRow{"WiderThanReach", with(&PlanRequest::coveWidth, 5.2), 30,
                                   TiltProblem::None, PlanProblem::WiderThanBladeReaches},
                    TiltProblemRow{"InfiniteWidth", with(&PlanRequest::coveWidth, kInf), 30,
                                   TiltProblem::None, PlanProblem::WiderThanBladeReaches},
                    TiltProblemRow{"NarrowBoard", with(&PlanRequest::boardWidth, 2.5), 30,
                                   TiltProblem::None, PlanProblem::WiderThanBoard},
                    TiltProblemRow{"ThinBoard", with(&PlanRequest::boardThickness, 0.625), 30,
                                   TiltProblem::None, PlanProblem::DeeperThanBoard},
                    TiltProblemRow{"NanPassDepth", with(&PlanRequest::passDepth, kNan), 30,
                                   TiltProblem::None, PlanProblem::NoPassDepth},
                    TiltProblemRow{"HairThinPasses", with(&PlanRequest::passDepth, 1e-300), 30,
                                   TiltProblem::None, PlanProblem::TooManyPasses}),
    rowName<TiltProblemRow>);

TEST(TiltedCannotCut, NamesTheWidestAndNarrowestThisTiltCuts) {
    const PlanResult wide = solve(with(&PlanRequest::coveWidth, 5.2), {30});
    EXPECT_TRUE(solve(with(&PlanRequest::coveWidth, wide.widestCove), {30}).canCut());
    const PlanResult narrow = solve(with(&PlanRequest::coveWidth, 0.15), {45});
    EXPECT_NEAR(narrow.narrowestCove, 0.125 / std::cos(45 * kTenDigitPi / 180), 1e-12);
    const PlanResult fits = solve(with(&PlanRequest::coveWidth, 0.18), {45});
    ASSERT_TRUE(fits.canCut());
    // The fence nearly along the blade: the width grows about L(0) + L(k) = 5.8 in. a radian.
    EXPECT_NEAR(fits.angleDeg, (0.18 - narrow.narrowestCove) / 5.8 * 180 / kTenDigitPi, 0.002);
}

// ---- the passes -----------------------------------------------------------------------

TEST(TiltedPasses, EachWallGrowsAsTheBladeRisesInItsPlane) {
    // The worked example's cove on a blade tilted 30° toward the fence.
    PlanRequest r = request(3, 0.625);
    r.boardWidth = 4.5;
    r.boardThickness = 1.25;
    for (const BladeLean lean : {BladeLean::TowardFence, BladeLean::AwayFromFence}) {
        const PlanResult result = solve(r, {30, lean});
        ASSERT_TRUE(result.canCut());
        ASSERT_EQ(result.passes.size(), 10u);
        // The schedule on its own gives the very same passes.
        const auto schedule =
            passSchedule(r.coveDepth, r.passDepth, result.angleDeg, 10, 0.125, {30, lean});
        ASSERT_EQ(schedule.size(), 10u);
        const PlanPass& last = result.passes.back();
        EXPECT_NEAR(last.coveWidth, 3, 1e-9);
        EXPECT_NEAR(last.fenceSide, result.cove.fenceSide.reach, 1e-12);
        EXPECT_NEAR(last.farSide, result.cove.farSide.reach, 1e-12);
        PlanPass before{0, 0, 0, -1e9, -1e9};
        for (std::size_t i = 0; i < result.passes.size(); ++i) {
            const PlanPass& p = result.passes[i];
            EXPECT_EQ(p, schedule[i]);
            EXPECT_NEAR(p.fenceSide + p.farSide, p.coveWidth, 1e-12);
            // Every pass lies inside the next: neither wall ever cuts back.
            EXPECT_GT(p.fenceSide, before.fenceSide) << i;
            EXPECT_GT(p.farSide, before.farSide) << i;
            before = p;
            // Against the blade sampled in space, lowered down its own plane.
            const auto sampled = testing_blade::sampleCove(0.625, result.angleDeg, 10, 0.125, 30,
                                                           lean, p.bladeHeight, 4096);
            EXPECT_NEAR(p.fenceSide, -sampled.fenceEdge, 2e-5) << i;
            EXPECT_NEAR(p.farSide, sampled.farEdge, 2e-5) << i;
        }
    }
}

TEST(TiltedPasses, UprightAreTheUprightPasses) {
    const auto today = passSchedule(0.6, 0.0625, 36.8, 10, 0.125);
    const auto tilted = passSchedule(0.6, 0.0625, 36.8, 10, 0.125, {0});
    ASSERT_EQ(tilted.size(), today.size());
    for (std::size_t i = 0; i < today.size(); ++i) {
        EXPECT_EQ(tilted[i].number, today[i].number);
        EXPECT_EQ(tilted[i].bladeHeight, today[i].bladeHeight);
        EXPECT_EQ(tilted[i].coveWidth, today[i].coveWidth);
    }
    EXPECT_TRUE(passSchedule(0.6, 0.0625, 36.8, 10, 0.125, {kNan}).empty());
    EXPECT_TRUE(passSchedule(0.6, 0.0, 36.8, 10, 0.125, {30}).empty());
}

// ---- one plan for any tilt ------------------------------------------------------------

struct OnePlanRow {
    const char* name;
    PlanRequest request;
};

class OnePlan : public testing::TestWithParam<OnePlanRow> {};

// Upright, the plan carries what the tilted plan carries: the cove asked for, half of it
// each side to the last bit, its outline at the board end, no offset on the table, and the
// narrowest and deepest the blade cuts. Without an angle there is no cove to draw.
TEST_P(OnePlan, UprightCarriesTheWallsAndOutline) {
    const PlanRequest& r = GetParam().request;
    for (const BladeLean lean : {BladeLean::TowardFence, BladeLean::AwayFromFence}) {
        const PlanResult p = solve(r, {0.0, lean});
        EXPECT_EQ(p.tilt, (BladeTilt{0.0, lean}));
        EXPECT_EQ(p.tableOffset, 0.0);
        if (!p.hasAngle) {
            EXPECT_TRUE(planOutline(r, p, r.coveDepth).empty());
            EXPECT_EQ(p.cove, TiltedCove{});
            continue;
        }
        EXPECT_EQ(p.narrowestCove, r.kerf);
        EXPECT_EQ(p.deepestCut, r.bladeDiameter / 2);
        EXPECT_EQ(p.cove.width, r.coveWidth);
        EXPECT_EQ(p.cove.fenceSide, (CoveWall{r.coveWidth / 2, 0.0}));
        EXPECT_EQ(p.cove.farSide, (CoveWall{r.coveWidth / 2, 0.0}));
        const auto outline = coveOutline(r.coveDepth, p.angleDeg, r.bladeDiameter, r.kerf);
        ASSERT_FALSE(outline.empty());
        EXPECT_EQ(planOutline(r, p, r.coveDepth), outline);
        EXPECT_NEAR(outline.back().x, r.coveWidth / 2, 1e-12);
    }
}

// A hair of tilt goes through the tilted arithmetic, yet plans all but the upright cove:
// the one plan has no seam at upright.
TEST_P(OnePlan, AHairOfTiltIsAlmostUpright) {
    const PlanRequest& r = GetParam().request;
    const PlanResult upright = solve(r);
    for (const BladeLean lean : {BladeLean::TowardFence, BladeLean::AwayFromFence}) {
        const PlanResult hair = solve(r, {1e-6, lean});
        EXPECT_EQ(hair.problem, upright.problem);
        EXPECT_EQ(hair.tiltProblem, TiltProblem::None);
        ASSERT_EQ(hair.hasAngle, upright.hasAngle);
        if (!upright.hasAngle) continue;
        EXPECT_NEAR(hair.angleDeg, upright.angleDeg, 1e-4);
        EXPECT_NEAR(hair.cove.fenceSide.reach, upright.cove.fenceSide.reach, 1e-6);
        EXPECT_NEAR(hair.cove.farSide.reach, upright.cove.farSide.reach, 1e-6);
        EXPECT_NEAR(hair.tableOffset, 0.0, 1e-6);
        const auto hairOutline = planOutline(r, hair, r.coveDepth);
        const auto uprightOutline = planOutline(r, upright, r.coveDepth);
        ASSERT_FALSE(hairOutline.empty());
        EXPECT_NEAR(hairOutline.front().x, uprightOutline.front().x, 1e-6);
        EXPECT_NEAR(hairOutline.back().x, uprightOutline.back().x, 1e-6);
        ASSERT_EQ(hair.passes.size(), upright.passes.size());
        for (std::size_t i = 0; i < upright.passes.size(); ++i) {
            EXPECT_EQ(hair.passes[i].bladeHeight, upright.passes[i].bladeHeight) << i;
            EXPECT_NEAR(hair.passes[i].fenceSide, upright.passes[i].fenceSide, 1e-6) << i;
            EXPECT_NEAR(hair.passes[i].farSide, upright.passes[i].farSide, 1e-6) << i;
        }
    }
}

// The plan's passes are the schedule's at every tilt, walls and all.
TEST_P(OnePlan, PassesAreTheSchedulesAtEveryTilt) {
    const PlanRequest& r = GetParam().request;
    for (const double degrees : {0.0, 5.0, 30.0, 45.0}) {
        for (const BladeLean lean : {BladeLean::TowardFence, BladeLean::AwayFromFence}) {
            const BladeTilt tilt{degrees, lean};
            const PlanResult p = solve(r, tilt);
            if (!p.canCut()) {
                EXPECT_TRUE(p.passes.empty()) << degrees;
                continue;
            }
            EXPECT_EQ(p.passes, passSchedule(r.coveDepth, r.passDepth, p.angleDeg, r.bladeDiameter,
                                             r.kerf, tilt))
                << degrees;
            EXPECT_EQ(planOutline(r, p, r.coveDepth),
                      tiltedCoveOutline(r.coveDepth, p.angleDeg, r.bladeDiameter, r.kerf, tilt))
                << degrees;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, OnePlan,
    testing::Values(OnePlanRow{"WorkedExample", boardOf(request(3, 0.625), 4.5, 1.25, 0.0625)},
                    OnePlanRow{"NoKerf", request(3, 0.625, 0)},
                    OnePlanRow{"SmallBladeDeep", request(3, 2, 0.09375, 8)},
                    OnePlanRow{"WideKerf", request(2.5, 0.375, 0.25, 8)},
                    OnePlanRow{"NearTheWidest", request(4.9, 0.625)},
                    OnePlanRow{"TooWideForTheBoard", boardOf(request(3, 0.625), 2.5, 1.25, 0.0625)},
                    OnePlanRow{"PastTheAxle", request(3, 5.01)},
                    OnePlanRow{"NarrowerThanTheKerf", request(0.1, 0.5)},
                    OnePlanRow{"ThinPasses", boardOf(request(3, 0.6), 4, 1.5, 0.01)}),
    rowName<OnePlanRow>);

}  // namespace
}  // namespace arcwright
