// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/cove_placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace arcwright {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

struct PlaceRow {
    const char* name;
    double board;
    CoveHalves cove;
    std::optional<double> nearEdge;
    PlacementProblem problem;
    double woodFence, woodFar;
    bool thinFence, thinFar;
};

class Placing : public testing::TestWithParam<PlaceRow> {};

TEST_P(Placing, LeavesTheWoodEachSideOrRefuses) {
    const PlaceRow& row = GetParam();
    const CovePlacement p = placeCove(row.board, row.cove, row.nearEdge);
    EXPECT_EQ(p.problem, row.problem);
    EXPECT_EQ(p.centred, !row.nearEdge);
    EXPECT_NEAR(p.woodFenceSide, row.woodFence, 1e-9);
    EXPECT_NEAR(p.woodFarSide, row.woodFar, 1e-9);
    EXPECT_EQ(p.thinFenceSide, row.thinFence);
    EXPECT_EQ(p.thinFarSide, row.thinFar);
    if (row.problem != PlacementProblem::NoBoard) {
        EXPECT_NEAR(p.fenceToDeepest, row.woodFence + row.cove.fenceSide, 1e-9);
    }
    for (const double v :
         {p.woodFenceSide, p.woodFarSide, p.fenceToDeepest, p.nearestOffset, p.farthestOffset}) {
        EXPECT_TRUE(std::isfinite(v));
    }
}

constexpr CoveHalves kThreeInch{1.5, 1.5};

INSTANTIATE_TEST_SUITE_P(
    Setups, Placing,
    testing::Values(PlaceRow{"Centred", 4.5, kThreeInch, std::nullopt, PlacementProblem::None, 0.75,
                             0.75, false, false},
                    // Centred means equal wood, not the deepest line on the board's middle.
                    PlaceRow{"CentredLopsided",
                             4.5,
                             {1.0, 2.0},
                             std::nullopt,
                             PlacementProblem::None,
                             0.75,
                             0.75,
                             false,
                             false},
                    PlaceRow{"NearTheFence", 4.5, kThreeInch, 0.5, PlacementProblem::None, 0.5, 1.0,
                             false, false},
                    PlaceRow{"QuarterBothSides", 3.5, kThreeInch, 0.25, PlacementProblem::None,
                             0.25, 0.25, false, false},
                    PlaceRow{"QuarterInMillimetres", 4.5, kThreeInch, 6.35 / 25.4,
                             PlacementProblem::None, 0.25, 1.25, false, false},
                    // Refused: the woodworker chose the place, and it leaves too little.
                    PlaceRow{"EighthOnTheFenceSide", 4.5, kThreeInch, 0.125,
                             PlacementProblem::ThinWoodOffCentre, 0.125, 1.375, true, false},
                    PlaceRow{"EighthOnTheFarSide", 4.5, kThreeInch, 1.375,
                             PlacementProblem::ThinWoodOffCentre, 1.375, 0.125, false, true},
                    PlaceRow{"AtTheEdge", 4.5, kThreeInch, 0.0, PlacementProblem::ThinWoodOffCentre,
                             0.0, 1.5, true, false},
                    PlaceRow{"OffTheBoard", 4.5, kThreeInch, 2.0,
                             PlacementProblem::ThinWoodOffCentre, 2.0, -0.5, false, true},
                    PlaceRow{"NegativeOffset", 4.5, kThreeInch, -0.5,
                             PlacementProblem::ThinWoodOffCentre, -0.5, 2.0, true, false},
                    // Centred and thin is the calculator's warning, not a refusal.
                    PlaceRow{"CentredThin", 3.25, kThreeInch, std::nullopt, PlacementProblem::None,
                             0.125, 0.125, true, true},
                    PlaceRow{"CentredWiderThanBoard", 2.5, kThreeInch, std::nullopt,
                             PlacementProblem::WiderThanBoard, -0.25, -0.25, true, true},
                    PlaceRow{"NoBoard", 0.0, kThreeInch, std::nullopt, PlacementProblem::NoBoard, 0,
                             0, false, false},
                    PlaceRow{"NanBoard", kNan, kThreeInch, 0.5, PlacementProblem::NoBoard, 0, 0,
                             false, false},
                    PlaceRow{"InfiniteOffset", 4.5, kThreeInch, kInf, PlacementProblem::NoBoard, 0,
                             0, false, false},
                    // A steep wall leaning far under: the deepest line lies beyond the
                    // face's fence-side edge, under the wood; the cove is 1 in. at the face.
                    PlaceRow{"DeepestLineUnderTheWood",
                             4.5,
                             {-0.0885, 1.0885},
                             std::nullopt,
                             PlacementProblem::None,
                             1.75,
                             1.75,
                             false,
                             false},
                    PlaceRow{"DeepestLineUnderTheWoodOffCentre",
                             4.5,
                             {-0.0885, 1.0885},
                             0.5,
                             PlacementProblem::None,
                             0.5,
                             3.0,
                             false,
                             false},
                    PlaceRow{"NoWidthAtTheFace",
                             4.5,
                             {-1.0, 0.5},
                             std::nullopt,
                             PlacementProblem::NoBoard,
                             0,
                             0,
                             false,
                             false},
                    PlaceRow{"NaNHalf",
                             4.5,
                             {kNan, 1.5},
                             std::nullopt,
                             PlacementProblem::NoBoard,
                             0,
                             0,
                             false,
                             false}),
    rowName<PlaceRow>);

// What the refusal offers: the near edge's distances that would keep a quarter inch.
TEST(Placing, OffersTheRangeThatKeepsAQuarterInch) {
    const CovePlacement wide = placeCove(4.5, kThreeInch, 0.125);
    EXPECT_DOUBLE_EQ(wide.nearestOffset, 0.25);
    EXPECT_DOUBLE_EQ(wide.farthestOffset, 1.25);
    // At the ends of that range the cove is placed.
    EXPECT_TRUE(placeCove(4.5, kThreeInch, wide.nearestOffset).canPlace());
    EXPECT_TRUE(placeCove(4.5, kThreeInch, wide.farthestOffset).canPlace());
    // A board too narrow for a quarter inch each side has no such range.
    const CovePlacement narrow = placeCove(3.25, kThreeInch, 0.125);
    EXPECT_GT(narrow.nearestOffset, narrow.farthestOffset);
}

// The board-end drawings take the outline from the board's centre line, fence side left.
TEST(Placing, MovesTheOutlineToTheCovesPlace) {
    const std::vector<BoardEndPoint> outline{{-1.5, 0.0}, {0.0, 0.625}, {1.5, 0.0}};
    const auto centred = placedOnBoard(outline, placeCove(4.5, kThreeInch, std::nullopt), 4.5);
    EXPECT_DOUBLE_EQ(centred.front().x, -1.5);
    const auto nearFence = placedOnBoard(outline, placeCove(4.5, kThreeInch, 0.5), 4.5);
    EXPECT_DOUBLE_EQ(nearFence.front().x, -2.25 + 0.5);  // half an inch in from the fence side
    EXPECT_DOUBLE_EQ(nearFence.back().x, 2.25 - 1.0);
    EXPECT_DOUBLE_EQ(nearFence[1].depth, 0.625);
}

}  // namespace
}  // namespace arcwright
