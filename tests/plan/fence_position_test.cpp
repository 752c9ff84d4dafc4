// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/fence_position.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>

#include "plan/cove_placement.h"
#include "plan/cove_plan.h"
#include "plan/length_text.h"

namespace arcwright {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// Distance of a point from the line through `on` along the unit direction `along`.
double distanceFromLine(TablePoint p, TablePoint on, TablePoint along) {
    return std::abs((p.x - on.x) * along.y - (p.y - on.y) * along.x);
}

// ---- the planned set-ups: the planner's angle, the placed cove, the fence -------------

// A cove as the woodworker would type it, in the row's unit. The cove's width is the one
// the blade cuts at `angle`, so that the set-ups run through the angles they are named by.
struct SetupRow {
    const char* name;
    double angle;  // degrees, what the planner should come back with
    const char* depth;
    const char* board;
    const char* nearEdge;  // empty: centred
    const char* kerf;
    LengthUnit unit;
};

struct Planned {
    PlanResult result;
    CovePlacement placement;
    FencePosition fence;
};

Planned plan(const SetupRow& row, double coveWidth) {
    PlanRequest request;
    request.coveWidth = coveWidth;
    request.coveDepth = *readLength(row.depth, row.unit);
    request.boardWidth = *readLength(row.board, row.unit);
    request.boardThickness = 2.0;
    request.kerf = *readLength(row.kerf, row.unit);
    Planned p;
    p.result = solve(request);
    const std::optional<double> nearEdge =
        *row.nearEdge ? readLength(row.nearEdge, row.unit) : std::nullopt;
    p.placement = placeCove(request.boardWidth, {coveWidth / 2, coveWidth / 2}, nearEdge);
    p.fence = fencePosition({p.result.angleDeg, p.placement.fenceToDeepest});
    return p;
}

class PlannedFence : public testing::TestWithParam<SetupRow> {};

TEST_P(PlannedFence, DistanceAndMarksAgreeWithTheSetUp) {
    const SetupRow& row = GetParam();
    const double kerf = *readLength(row.kerf, row.unit);
    const double coveWidth = coveWidthAtFace(row.angle, *readLength(row.depth, row.unit), 10, kerf);
    const Planned p = plan(row, coveWidth);
    ASSERT_TRUE(p.result.canCut()) << static_cast<int>(p.result.problem);
    ASSERT_TRUE(p.placement.canPlace()) << static_cast<int>(p.placement.problem);
    ASSERT_NEAR(p.result.angleDeg, row.angle, 1e-6);
    ASSERT_TRUE(p.fence.found);

    // The wood left on the fence side and half the cove; centred, that is half the board.
    const double d = *row.nearEdge ? *readLength(row.nearEdge, row.unit) + coveWidth / 2
                                   : *readLength(row.board, row.unit) / 2;
    const double theta = radians(row.angle);
    EXPECT_NEAR(p.fence.distance, d, 1e-9);
    ASSERT_TRUE(p.fence.bladeMark && p.fence.squareMark);
    // The planner's ten-digit π against the library's: far below what a rule can show.
    EXPECT_NEAR(*p.fence.bladeMark, d / std::sin(theta), 1e-6);
    EXPECT_NEAR(*p.fence.squareMark, d / std::cos(theta), 1e-6);
}

// Cove widths at 10°..80° on a 10 in. blade: 5/8 in. deep, about 0.84 to 4.77 in. wide
// without kerf; the kerf adds up to 1/8 in.
INSTANTIATE_TEST_SUITE_P(
    Setups, PlannedFence,
    testing::Values(
        // Centred.
        SetupRow{"TenDegreesCentred", 10, "5/8", "3", "", "0", LengthUnit::Inch},
        SetupRow{"TwentyDegreesCentredKerf", 20, "5/8", "3", "", "1/8", LengthUnit::Inch},
        SetupRow{"ThirtyDegreesCentredMm", 30, "15.875", "100", "", "0", LengthUnit::Millimetre},
        SetupRow{"FortyFiveCentredKerfMm", 45, "15.875", "127", "", "3.175",
                 LengthUnit::Millimetre},
        SetupRow{"SixtyDegreesCentredKerf", 60, "5/8", "5 1/2", "", "1/8", LengthUnit::Inch},
        SetupRow{"EightyDegreesCentred", 80, "5/8", "6", "", "0", LengthUnit::Inch},
        // Off centre, the near edge this far from the board's fence-side edge.
        SetupRow{"TenDegreesQuarterFromFence", 10, "5/8", "3", "1/4", "0", LengthUnit::Inch},
        SetupRow{"TwentyDegreesOffsetKerf", 20, "1/2", "4", "1", "1/8", LengthUnit::Inch},
        SetupRow{"FortyDegreesOffsetMm", 40, "12.7", "120", "30", "0", LengthUnit::Millimetre},
        SetupRow{"FiftyDegreesOffsetKerfMm", 50, "15.875", "150", "40", "3.175",
                 LengthUnit::Millimetre},
        SetupRow{"SeventyDegreesOffsetKerf", 70, "3/4", "7", "3/4", "1/8", LengthUnit::Inch},
        SetupRow{"EightyDegreesOffsetKerf", 80, "5/8", "6", "1/2", "1/8", LengthUnit::Inch}),
    rowName<SetupRow>);

// ---- the geometry on the table, whatever produced the numbers -------------------------

struct TableRow {
    const char* name;
    double angle;
    double fenceToDeepest;
    double deepestOffset;
    FenceSlant slant;
};

class OnTheTable : public testing::TestWithParam<TableRow> {};

// The marks lie on the fence face, the fence face stands fenceToDeepest off the cove's
// deepest line, and the cut's drag toward the front presses the board onto the fence.
TEST_P(OnTheTable, MarksLieOnTheFenceAndTheDragPressesTheBoardOnIt) {
    const TableRow& row = GetParam();
    const FencePosition f =
        fencePosition({row.angle, row.fenceToDeepest, row.deepestOffset, row.slant});
    ASSERT_TRUE(f.found);
    const TablePoint foot = f.fenceFoot();
    const double theta = radians(row.angle);
    // The fence runs at θ to the blade line, toward the back in the direction of feed.
    EXPECT_NEAR(std::abs(f.feed.x), std::sin(theta), 1e-9);
    EXPECT_NEAR(f.feed.y, std::cos(theta), 1e-9);
    EXPECT_NEAR(distanceFromLine({0, 0}, foot, f.feed), f.distance, 1e-9);

    // The deepest point, off the blade line across it toward the far side.
    const double farSide = row.slant == FenceSlant::FrontLeftToBackRight ? -1.0 : 1.0;
    const TablePoint deepest{farSide * row.deepestOffset, 0.0};
    EXPECT_NEAR(distanceFromLine(deepest, foot, f.feed), row.fenceToDeepest, 1e-9);
    EXPECT_NEAR(distanceFromLine(deepest, f.deepestPoint, f.feed), 0.0, 1e-9);

    // The fence crosses the blade line in front of the centre point ...
    ASSERT_TRUE(f.bladeMark);
    EXPECT_GT(*f.bladeMark, 0.0);
    EXPECT_NEAR(distanceFromLine({0.0, -*f.bladeMark}, foot, f.feed), 0.0, 1e-9);
    // ... and the square to the blade on the side the slant names.
    ASSERT_TRUE(f.squareMark);
    EXPECT_NEAR(distanceFromLine({-farSide * *f.squareMark, 0.0}, foot, f.feed), 0.0, 1e-9);

    // The board lies between O and the fence; the drag (0, −1) points toward the fence.
    const double dragIntoFence = -f.towardFence.y;
    EXPECT_GT(dragIntoFence, 0.0);
    EXPECT_NEAR(f.towardFence.x * foot.x + f.towardFence.y * foot.y, f.distance, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Setups, OnTheTable,
    testing::Values(TableRow{"Upright45", 45, 2.25, 0, FenceSlant::FrontLeftToBackRight},
                    TableRow{"UprightMirrored", 36.8, 2.25, 0, FenceSlant::FrontRightToBackLeft},
                    TableRow{"Shallow10", 10, 1.5, 0, FenceSlant::FrontLeftToBackRight},
                    TableRow{"Steep80", 80, 3, 0, FenceSlant::FrontRightToBackLeft},
                    TableRow{"TiltedAway", 30, 2, 0.4, FenceSlant::FrontLeftToBackRight},
                    TableRow{"TiltedTowardMirrored", 60, 2, -0.3,
                             FenceSlant::FrontRightToBackLeft}),
    rowName<TableRow>);

TEST(OnTheTable, TiltingTheDeepestPointAwayFromTheFenceBringsTheFenceNearer) {
    const FencePosition upright = fencePosition({30, 2, 0});
    const FencePosition tilted = fencePosition({30, 2, 0.4});
    EXPECT_NEAR(upright.distance - tilted.distance, 0.4 * std::cos(radians(30)), 1e-9);
}

// ---- marks too far to use, and set-ups with no fence ----------------------------------

struct FarRow {
    const char* name;
    FenceSetup setup;
    bool found;
    std::optional<double> bladeMark, squareMark;
};

class MarksAndLimits : public testing::TestWithParam<FarRow> {};

TEST_P(MarksAndLimits, GivesWhatIsWithinReachAndNothingNonFinite) {
    const FarRow& row = GetParam();
    const FencePosition f = fencePosition(row.setup);
    EXPECT_EQ(f.found, row.found);
    EXPECT_EQ(f.bladeMark.has_value(), row.bladeMark.has_value());
    EXPECT_EQ(f.squareMark.has_value(), row.squareMark.has_value());
    if (f.bladeMark && row.bladeMark) {
        EXPECT_NEAR(*f.bladeMark, *row.bladeMark, 1e-6);
    }
    if (f.squareMark && row.squareMark) {
        EXPECT_NEAR(*f.squareMark, *row.squareMark, 1e-6);
    }
    for (const double v : {f.distance, f.feed.x, f.feed.y, f.towardFence.x, f.towardFence.y,
                           f.deepestPoint.x, f.deepestPoint.y}) {
        EXPECT_TRUE(std::isfinite(v));
    }
    if (!row.found) {
        EXPECT_EQ(f.distance, 0.0);
    }
}

// 1.5 in. from the blade line, the mark along it passes 36 in. below 2.39°, the mark square
// to it above 87.61°.
INSTANTIATE_TEST_SUITE_P(
    Setups, MarksAndLimits,
    testing::Values(
        FarRow{"AlongTheBlade", {0, 1.5}, true, std::nullopt, 1.5},
        FarRow{"TwoDegrees", {2, 1.5}, true, std::nullopt, 1.5 / std::cos(radians(2))},
        FarRow{"JustWithinAlong",
               {2.5, 1.5},
               true,
               1.5 / std::sin(radians(2.5)),
               1.5 / std::cos(radians(2.5))},
        FarRow{"JustWithinSquare",
               {87.5, 1.5},
               true,
               1.5 / std::sin(radians(87.5)),
               1.5 / std::cos(radians(87.5))},
        FarRow{"EightyEightDegrees", {88, 1.5}, true, 1.5 / std::sin(radians(88)), std::nullopt},
        FarRow{"SquareAcross", {90, 1.5}, true, 1.5, std::nullopt},
        FarRow{"NegativeAngle", {-1, 1.5}, false, std::nullopt, std::nullopt},
        FarRow{"PastSquare", {90.5, 1.5}, false, std::nullopt, std::nullopt},
        FarRow{"NanAngle", {kNan, 1.5}, false, std::nullopt, std::nullopt},
        FarRow{"InfiniteDistance", {45, kInf}, false, std::nullopt, std::nullopt},
        FarRow{"NanOffset", {45, 1.5, kNan}, false, std::nullopt, std::nullopt},
        FarRow{"FenceOnTheCentrePoint", {45, 0}, false, std::nullopt, std::nullopt},
        // The deepest point so far across that the fence would stand beyond O.
        FarRow{"FenceOverTheBlade", {0, 1, 2}, false, std::nullopt, std::nullopt}),
    rowName<FarRow>);

}  // namespace
}  // namespace arcwright
