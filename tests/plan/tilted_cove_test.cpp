// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/tilted_cove.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "plan/cove_plan.h"
#include "plan/tilted_outline.h"
#include "sampled_blade.h"

namespace arcwright {
namespace {

using testing_blade::sampleCove;

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// ---- upright: today's cove, to the last bit -------------------------------------------

struct UprightRow {
    const char* name;
    double depth, angle, diameter, kerf;
};

class UprightTilt : public testing::TestWithParam<UprightRow> {};

TEST_P(UprightTilt, IsTheUprightPlannersCove) {
    const UprightRow& row = GetParam();
    for (const BladeTilt tilt :
         {BladeTilt{0.0, BladeLean::TowardFence}, BladeTilt{-0.0, BladeLean::AwayFromFence}}) {
        const TiltedCove cove =
            tiltedCoveAtFace(row.angle, row.depth, row.diameter, row.kerf, tilt);
        const double width = coveWidthAtFace(row.angle, row.depth, row.diameter, row.kerf);
        EXPECT_EQ(cove.width, width);
        EXPECT_EQ(cove.fenceSide.reach, width / 2);
        EXPECT_EQ(cove.farSide.reach, width / 2);
        EXPECT_FALSE(cove.fenceSide.leansUnder() || cove.farSide.leansUnder());
        EXPECT_EQ(tableOffset(row.depth, row.kerf, tilt), 0.0);

        const auto today = coveOutline(row.depth, row.angle, row.diameter, row.kerf, 30);
        const auto tilted =
            tiltedCoveOutline(row.depth, row.angle, row.diameter, row.kerf, tilt, 30);
        ASSERT_EQ(tilted.size(), today.size());
        for (std::size_t i = 0; i < today.size(); ++i) {
            EXPECT_EQ(tilted[i].x, today[i].x) << i;
            EXPECT_EQ(tilted[i].depth, today[i].depth) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Setups, UprightTilt,
                         testing::Values(UprightRow{"WorkedExample", 0.625, 36.8, 10, 0.125},
                                         UprightRow{"IdealBlade", 0.5, 45, 10, 0},
                                         UprightRow{"ToTheAxle", 4, 60, 8, 0.1},
                                         UprightRow{"AlongTheBlade", 0.5, 0, 10, 0.125},
                                         UprightRow{"SquareAcross", 0.75, 90, 12, 0.25}),
                         rowName<UprightRow>);

// ---- tilted: against the blade sampled in space ---------------------------------------

struct TiltRow {
    const char* name;
    double depth, angle, diameter, kerf, tilt;
    bool fenceSideLeansUnder;  // with the blade leaning toward the fence
};

class TiltedAgainstSampledBlade : public testing::TestWithParam<TiltRow> {};

TEST_P(TiltedAgainstSampledBlade, WidthWallsUndercutAndOutline) {
    const TiltRow& row = GetParam();
    for (const BladeLean lean : {BladeLean::TowardFence, BladeLean::AwayFromFence}) {
        SCOPED_TRACE(lean == BladeLean::TowardFence ? "toward the fence" : "away from the fence");
        const BladeTilt tilt{row.tilt, lean};
        const auto sampled =
            sampleCove(row.depth, row.angle, row.diameter, row.kerf, row.tilt, lean);
        const TiltedCove cove =
            tiltedCoveAtFace(row.angle, row.depth, row.diameter, row.kerf, tilt);
        constexpr double tol = 2e-5;
        EXPECT_NEAR(cove.width, sampled.farEdge - sampled.fenceEdge, tol);
        EXPECT_NEAR(cove.fenceSide.reach, -sampled.fenceEdge, tol);
        EXPECT_NEAR(cove.farSide.reach, sampled.farEdge, tol);
        EXPECT_NEAR(cove.fenceSide.undercut, sampled.fenceEdge - sampled.fenceMost, tol);
        EXPECT_NEAR(cove.farSide.undercut, sampled.farMost - sampled.farEdge, tol);
        const bool towardFence = lean == BladeLean::TowardFence;
        EXPECT_EQ(steepWall(cove, lean).leansUnder(), row.fenceSideLeansUnder);
        EXPECT_FALSE(gentleWall(cove, lean).leansUnder());
        EXPECT_EQ(cove.fenceSide.leansUnder(), towardFence && row.fenceSideLeansUnder);
        // The wall the blade leans toward is the shorter.
        EXPECT_LT(steepWall(cove, lean).reach, gentleWall(cove, lean).reach);
        EXPECT_NEAR(tableOffset(row.depth, row.kerf, tilt), sampled.tableOffset, 1e-12);
        EXPECT_EQ(tableOffset(row.depth, row.kerf, tilt) < 0, towardFence);

        // The outline runs round the sampled blade from edge to edge and encloses as much.
        const auto outline =
            tiltedCoveOutline(row.depth, row.angle, row.diameter, row.kerf, tilt, 64);
        ASSERT_GE(outline.size(), 129u);
        EXPECT_EQ(outline.front().depth, 0.0);
        EXPECT_EQ(outline.back().depth, 0.0);
        EXPECT_NEAR(outline.front().x, -cove.fenceSide.reach, 1e-12);
        EXPECT_NEAR(outline.back().x, cove.farSide.reach, 1e-12);
        double area = 0;
        for (std::size_t i = 0; i < outline.size(); ++i) {
            const BoardEndPoint& p = outline[i];
            EXPECT_LT(testing_blade::distanceToHull(sampled.hull, p.x, p.depth), tol) << i;
            EXPECT_GE(p.depth, 0.0);
            EXPECT_LE(p.depth, row.depth);
            const BoardEndPoint& q = outline[(i + 1) % outline.size()];
            area += (p.x * q.depth - q.x * p.depth) / 2;
        }
        EXPECT_NEAR(std::fabs(area), sampled.areaAboveTable, 2e-3 * sampled.areaAboveTable);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Setups, TiltedAgainstSampledBlade,
    testing::Values(
        // A bed moulding's cove: the fence-side wall steep, the other long and gentle.
        TiltRow{"WorkedExampleAtThirty", 0.625, 36.8, 10, 0.125, 30, false},
        TiltRow{"SlightTilt", 0.5, 45, 10, 0.125, 5, false},
        TiltRow{"FullTilt", 1.0, 60, 10, 0.125, 45, false},
        TiltRow{"NearlySquareAcross", 0.625, 89, 10, 0.125, 15, false},
        TiltRow{"NoKerf", 0.75, 40, 10, 0, 20, false},
        TiltRow{"WideKerfSmallBlade", 0.5, 50, 8, 0.25, 25, false},
        // At small fence angles the steep wall leans under the face.
        TiltRow{"SmallAngleLeansUnder", 0.625, 5, 10, 0.125, 30, true},
        TiltRow{"DeepSmallBlade", 2, 20, 8, 0.125, 20, true},
        TiltRow{"AlongTheBladeLeansUnder", 0.5, 0, 10, 0.125, 15, true},
        // Shallower than the kerf's rise: the kerf's flat makes the fence-side edge.
        TiltRow{"ShallowerThanKerfRise", 0.05, 30, 10, 0.125, 45, false}),
    rowName<TiltRow>);

// ---- passes rise in the blade's own plane ---------------------------------------------

TEST(TiltedCove, SquareAcrossTheWallsAreEqual) {
    const TiltedCove cove = tiltedCoveAtFace(90, 0.625, 10, 0.125, {30, BladeLean::TowardFence});
    EXPECT_NEAR(cove.fenceSide.reach, cove.farSide.reach, 1e-9);
    EXPECT_GT(cove.width, 0);
}

TEST(TiltedCove, AHairOfTiltIsAlmostTheUprightCove) {
    // The tilted arithmetic, just past the upright threshold, meets the upright cove.
    for (const double angle : {0.0, 20.0, 36.8, 70.0, 90.0}) {
        const TiltedCove cove = tiltedCoveAtFace(angle, 0.625, 10, 0.125, {1e-6});
        const double upright = coveWidthAtFace(angle, 0.625, 10, 0.125);
        EXPECT_NEAR(cove.width, upright, 1e-6) << angle;
        EXPECT_NEAR(cove.fenceSide.reach, upright / 2, 1e-6) << angle;
        EXPECT_NEAR(cove.farSide.reach, upright / 2, 1e-6) << angle;
    }
}

// ---- no cove, and nothing non-finite --------------------------------------------------

struct NoCoveRow {
    const char* name;
    double depth, angle, diameter, kerf, tilt;
};

class NoTiltedCove : public testing::TestWithParam<NoCoveRow> {};

TEST_P(NoTiltedCove, AllZeroAndNoOutline) {
    const NoCoveRow& row = GetParam();
    for (const BladeLean lean : {BladeLean::TowardFence, BladeLean::AwayFromFence}) {
        const BladeTilt tilt{row.tilt, lean};
        const TiltedCove cove =
            tiltedCoveAtFace(row.angle, row.depth, row.diameter, row.kerf, tilt);
        EXPECT_EQ(cove.width, 0.0);
        EXPECT_EQ(cove.fenceSide, CoveWall{});
        EXPECT_EQ(cove.farSide, CoveWall{});
        EXPECT_EQ(cove.bottom.x, 0.0);
        EXPECT_EQ(cove.bottom.depth, 0.0);
        EXPECT_TRUE(tiltedCoveOutline(row.depth, row.angle, row.diameter, row.kerf, tilt).empty());
        EXPECT_TRUE(std::isfinite(tableOffset(row.depth, row.kerf, tilt)));
    }
}

INSTANTIATE_TEST_SUITE_P(Requests, NoTiltedCove,
                         testing::Values(NoCoveRow{"NanTilt", 0.625, 36.8, 10, 0.125, kNan},
                                         NoCoveRow{"InfiniteTilt", 0.625, 36.8, 10, 0.125, kInf},
                                         NoCoveRow{"NegativeTilt", 0.625, 36.8, 10, 0.125, -5},
                                         NoCoveRow{"PastFortyFive", 0.625, 36.8, 10, 0.125, 45.5},
                                         NoCoveRow{"Flat", 0.625, 36.8, 10, 0.125, 90},
                                         NoCoveRow{"DeeperThanTiltedReach", 4.5, 36.8, 10, 0.125,
                                                   30},
                                         NoCoveRow{"NoDepth", 0, 36.8, 10, 0.125, 30},
                                         NoCoveRow{"NanDepth", kNan, 36.8, 10, 0.125, 30},
                                         NoCoveRow{"NegativeAngle", 0.625, -1, 10, 0.125, 30},
                                         NoCoveRow{"PastSquare", 0.625, 90.5, 10, 0.125, 30},
                                         NoCoveRow{"NoBlade", 0.625, 36.8, 0, 0.125, 30},
                                         NoCoveRow{"InfiniteBlade", 0.625, 36.8, kInf, 0.125, 30},
                                         NoCoveRow{"NegativeKerf", 0.625, 36.8, 10, -0.1, 30},
                                         NoCoveRow{"NanKerf", 0.625, 36.8, 10, kNan, 30}),
                         rowName<NoCoveRow>);

TEST(TiltedCove, HugeAndTinyNumbersStayFinite) {
    for (const double tilt : {1e-9, 1e-7, 45.0}) {
        for (const double depth : {1e-300, 1e-9, 300.0}) {
            for (const double kerf : {0.0, 1e-300, 0.125, 599.0}) {
                const BladeTilt t{tilt, BladeLean::AwayFromFence};
                const TiltedCove c = tiltedCoveAtFace(10, depth, 600, kerf, t);
                for (const double v : {c.width, c.fenceSide.reach, c.farSide.reach,
                                       c.fenceSide.undercut, c.farSide.undercut, c.bottom.x}) {
                    EXPECT_TRUE(std::isfinite(v)) << tilt << " " << depth << " " << kerf;
                }
                for (const BoardEndPoint& p : tiltedCoveOutline(depth, 10, 600, kerf, t)) {
                    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.depth));
                }
            }
        }
    }
}

}  // namespace
}  // namespace arcwright
