// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/planner_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geometry/cove_solver.h"

namespace arcwright {
namespace {

// The README's worked example: a 3-in. cove 5/8 in. deep in a board 4 1/2 by 1 1/4, on the
// planner's own 10-in. blade with a 1/8-in. kerf.
PlannerModel workedExample() {
    PlannerModel model;
    model.typeText(PlanBox::CoveWidth, "3");
    model.typeText(PlanBox::CoveDepth, "5/8");
    model.typeText(PlanBox::BoardWidth, "4 1/2");
    model.typeText(PlanBox::BoardThickness, "1 1/4");
    return model;
}

TEST(PlannerModel, OpensWithTheBladeAndNoCove) {
    const PlannerModel model;
    EXPECT_EQ(model.text(PlanBox::BladeDiameter), "10 in.");
    EXPECT_EQ(model.text(PlanBox::Kerf), "1/8 in.");
    EXPECT_EQ(model.text(PlanBox::PassDepth), "1/16 in.");
    EXPECT_EQ(model.firstUnreadable(), PlanBox::CoveWidth);
    EXPECT_FALSE(model.result().hasAngle);
    EXPECT_FALSE(model.usable());
}

TEST(PlannerModel, WorksOutEveryChange) {
    const PlannerModel model = workedExample();
    EXPECT_EQ(model.firstUnreadable(), std::nullopt);
    EXPECT_TRUE(model.usable());
    EXPECT_NEAR(model.result().angleDeg, 36.8, 0.05);
    EXPECT_EQ(model.request().boardWidth, 4.5);
    EXPECT_EQ(model.result().passes.size(), 10U);
}

// A box that cannot be read keeps the last plan for the user to compare, and makes it
// unusable until the box is mended.
TEST(PlannerModel, KeepsTheLastPlanWhileABoxCannotBeRead) {
    PlannerModel model = workedExample();
    const double angle = model.result().angleDeg;
    for (const char* bad : {"", "2,5,1", "1/0", "3 in. 2", "abc", "2e9"}) {
        SCOPED_TRACE(bad);
        model.typeText(PlanBox::Kerf, bad);
        EXPECT_EQ(model.firstUnreadable(), PlanBox::Kerf);
        EXPECT_FALSE(model.readable(PlanBox::Kerf));
        EXPECT_FALSE(model.usable());
        EXPECT_EQ(model.result().angleDeg, angle);
        EXPECT_EQ(model.request().kerf, 0.125);
    }
    model.typeText(PlanBox::Kerf, "3/32");
    EXPECT_TRUE(model.usable());
    EXPECT_EQ(model.request().kerf, 3.0 / 32);
    EXPECT_GT(model.result().angleDeg, angle);  // less kerf, a steeper fence for the same width
}

TEST(PlannerModel, NamesTheFirstBoxThatCannotBeRead) {
    PlannerModel model = workedExample();
    model.typeText(PlanBox::PassDepth, "x");
    model.typeText(PlanBox::BoardThickness, "y");
    EXPECT_EQ(model.firstUnreadable(), PlanBox::BoardThickness);
}

TEST(PlannerModel, SwitchingUnitsKeepsEveryLength) {
    PlannerModel model = workedExample();
    model.typeText(PlanBox::PassDepth, "not yet");
    const PlanRequest before = model.request();
    model.chooseUnit(LengthUnit::Millimetre);
    EXPECT_EQ(model.text(PlanBox::CoveWidth), "76.2 mm");
    EXPECT_EQ(model.text(PlanBox::Kerf), "3.2 mm");
    EXPECT_EQ(model.request().kerf, 0.125);                // shown rounded, kept exact
    EXPECT_EQ(model.text(PlanBox::PassDepth), "not yet");  // left for the user to mend
    model.typeText(PlanBox::PassDepth, "1.5875");          // a bare number is now millimetres
    EXPECT_DOUBLE_EQ(model.request().passDepth, 0.0625);
    EXPECT_DOUBLE_EQ(model.request().coveWidth, before.coveWidth);
    EXPECT_DOUBLE_EQ(model.request().boardThickness, before.boardThickness);

    model.chooseUnit(LengthUnit::Inch);
    EXPECT_EQ(model.text(PlanBox::CoveWidth), "3.0");
    EXPECT_DOUBLE_EQ(model.request().kerf, 0.125);
}

// A unit switch shows each length to its unit's step and keeps the exact length behind it:
// switching back and forth never drifts, and what the user then types is read as typed.
TEST(PlannerModel, SwitchingUnitsShowsTheUnitsStep) {
    struct Row {
        PlanBox box;
        const char* typed;  // in inches
        const char* inMillimetres;
        const char* backInInches;
        double inches;
    };
    for (const Row& row : {Row{PlanBox::PassDepth, "1/16", "1.6 mm", "0.0625", 0.0625},
                           Row{PlanBox::CoveDepth, "5/8", "15.9 mm", "0.625", 0.625},
                           Row{PlanBox::Kerf, "0.1181102", "3.0 mm", "0.1181", 0.1181102},
                           Row{PlanBox::CoveWidth, "2.9921259", "76.0 mm", "2.9921", 2.9921259}}) {
        SCOPED_TRACE(row.typed);
        PlannerModel model = workedExample();
        model.typeText(row.box, row.typed);
        model.chooseUnit(LengthUnit::Millimetre);
        EXPECT_EQ(model.text(row.box), row.inMillimetres);
        EXPECT_EQ(model.request().*requestField(row.box), row.inches);
        model.chooseUnit(LengthUnit::Inch);
        model.chooseUnit(LengthUnit::Millimetre);
        model.chooseUnit(LengthUnit::Inch);
        EXPECT_EQ(model.text(row.box), row.backInInches);
        EXPECT_EQ(model.request().*requestField(row.box), row.inches);
    }
    // Typed over, the box means what it says.
    PlannerModel model = workedExample();
    model.chooseUnit(LengthUnit::Millimetre);
    model.typeText(PlanBox::Kerf, "3.2 mm");
    EXPECT_DOUBLE_EQ(model.request().kerf, 3.2 / 25.4);
}

// Why a box cannot be read, for the window to say so in a way the woodworker can act on.
TEST(PlannerModel, TellsWhyABoxCannotBeRead) {
    struct Row {
        PlanBox box;
        const char* typed;
        BoxFault fault;
    };
    for (const Row& row : {Row{PlanBox::CoveWidth, "-3", BoxFault::BelowZero},
                           Row{PlanBox::Kerf, "-1/8 in.", BoxFault::BelowZero},
                           Row{PlanBox::CoveWidth, "", BoxFault::Empty},
                           Row{PlanBox::BoardWidth, "  ", BoxFault::Empty},
                           Row{PlanBox::CoveDepth, "abc", BoxFault::NotALength},
                           Row{PlanBox::CoveDepth, "-x", BoxFault::NotALength},
                           Row{PlanBox::Tilt, "-x", BoxFault::NotALength},
                           Row{PlanBox::CoveOffset, "", BoxFault::None},
                           Row{PlanBox::CoveWidth, "2,5", BoxFault::None}}) {
        SCOPED_TRACE(row.typed);
        PlannerModel model = workedExample();
        model.typeText(row.box, row.typed);
        EXPECT_EQ(model.fault(row.box), row.fault);
    }
}

TEST(PlannerModel, TakesTheCalculatorsSetUp) {
    PlannerModel model;
    model.takeSetup(3.082, 0.5, 4.0, 0.75);
    EXPECT_EQ(model.text(PlanBox::CoveWidth), "3.082");
    EXPECT_EQ(model.text(PlanBox::CoveDepth), "0.5");
    EXPECT_EQ(model.text(PlanBox::BoardWidth), "4.0");
    EXPECT_EQ(model.text(PlanBox::BoardThickness), "0.75");
    EXPECT_TRUE(model.usable());

    // While the calculator says the cut is too wide there is no cove width to take.
    model.takeSetup(std::nullopt, 0.5, 3.0, 0.75);
    EXPECT_EQ(model.text(PlanBox::CoveWidth), "");
    EXPECT_EQ(model.firstUnreadable(), PlanBox::CoveWidth);
}

TEST(PlannerModel, ForgetsTheCalculatorsEchoAtTheNextChange) {
    PlannerModel model = workedExample();
    model.echoFromCalculator({"3.099 in."});
    ASSERT_TRUE(model.echo());
    EXPECT_EQ(model.echo()->shownCut, "3.099 in.");
    model.typeText(PlanBox::CoveWidth, "2.9");
    EXPECT_FALSE(model.echo());
}

// The cove's place across the board: centred while its box is empty, else its near edge
// where the box says, refused where that leaves under a quarter inch; the fence follows.
struct PlaceRow {
    const char* name;
    LengthUnit unit;
    const char* offset;
    bool readable, usable;
    double woodFence, woodFar;
    bool fenceFound;
};

class CovePlace : public testing::TestWithParam<PlaceRow> {};

TEST_P(CovePlace, PlacesTheCoveAndTheFenceFollows) {
    const PlaceRow& row = GetParam();
    PlannerModel model = workedExample();
    model.chooseUnit(row.unit);
    model.typeText(PlanBox::CoveOffset, row.offset);
    EXPECT_EQ(model.readable(PlanBox::CoveOffset), row.readable);
    EXPECT_EQ(model.usable(), row.usable);
    EXPECT_NEAR(model.placement().woodFenceSide, row.woodFence, 1e-9);
    EXPECT_NEAR(model.placement().woodFarSide, row.woodFar, 1e-9);
    EXPECT_EQ(model.fence().found, row.fenceFound);
    if (row.fenceFound) {
        // The wood on the fence side and half the 3-in. cove.
        EXPECT_NEAR(model.fence().distance, row.woodFence + 1.5, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, CovePlace,
    testing::Values(
        PlaceRow{"Empty", LengthUnit::Inch, "", true, true, 0.75, 0.75, true},
        PlaceRow{"Blank", LengthUnit::Inch, "  ", true, true, 0.75, 0.75, true},
        PlaceRow{"HalfInch", LengthUnit::Inch, "1/2", true, true, 0.5, 1.0, true},
        PlaceRow{"InMillimetres", LengthUnit::Inch, "25.4 mm", true, true, 1.0, 0.5, true},
        PlaceRow{"BareMillimetres", LengthUnit::Millimetre, "6.35", true, true, 0.25, 1.25, true},
        // Refused: too little wood on one side; the last good fence is gone.
        PlaceRow{"EighthFromTheFence", LengthUnit::Inch, "1/8", true, false, 0.125, 1.375, false},
        PlaceRow{"EighthFromTheFar", LengthUnit::Inch, "1 3/8", true, false, 1.375, 0.125, false},
        // Not a length: the last plan stays, centred.
        PlaceRow{"NotALength", LengthUnit::Inch, "left", false, false, 0.75, 0.75, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CovePlace, IsRewrittenInTheNewUnit) {
    PlannerModel model = workedExample();
    model.typeText(PlanBox::CoveOffset, "1/2");
    model.chooseUnit(LengthUnit::Millimetre);
    EXPECT_EQ(model.text(PlanBox::CoveOffset), "12.7 mm");
    EXPECT_NEAR(model.placement().woodFenceSide, 0.5, 1e-9);
    model.typeText(PlanBox::CoveOffset, "");
    EXPECT_EQ(model.text(PlanBox::CoveOffset), "");
    EXPECT_TRUE(model.placement().centred);
}

// No fence while the plan itself cannot be cut, however the cove is placed.
TEST(CovePlace, NoFenceWithoutAPlan) {
    PlannerModel model = workedExample();
    model.typeText(PlanBox::CoveOffset, "1/2");
    model.typeText(PlanBox::BoardThickness, "1/2");  // the blade would come through
    EXPECT_EQ(model.result().problem, PlanProblem::DeeperThanBoard);
    EXPECT_FALSE(model.fence().found);
    EXPECT_FALSE(model.usable());
}

}  // namespace
}  // namespace arcwright

// ---- the blade's tilt -----------------------------------------------------------------

namespace arcwright {
namespace {

PlannerModel tiltedExample(const char* tilt, BladeLean lean = BladeLean::TowardFence) {
    PlannerModel model = workedExample();
    model.chooseLean(lean);
    model.typeText(PlanBox::Tilt, tilt);
    return model;
}

// Empty or 0 is upright: the very same plan and fence, to the last bit.
TEST(PlannerModelTilt, UprightIsTodaysPlanExactly) {
    const PlannerModel upright = workedExample();
    for (const char* tilt : {"", "0", "0°", " 0.0 deg"}) {
        SCOPED_TRACE(tilt);
        const PlannerModel model = tiltedExample(tilt);
        EXPECT_FALSE(model.tilted());
        EXPECT_EQ(model.result().angleDeg, upright.result().angleDeg);
        EXPECT_EQ(model.result().passes, upright.result().passes);
        EXPECT_EQ(model.fence().distance, upright.fence().distance);
        EXPECT_EQ(model.fence().bladeMark, upright.fence().bladeMark);
        EXPECT_EQ(model.placement().fenceToDeepest, upright.placement().fenceToDeepest);
        EXPECT_TRUE(model.usable());
    }
}

// A tilted blade: a shallower fence for the same cove, a steep wall on the side it leans to,
// and the cove's deepest line off the blade line toward the lean, which moves the fence.
TEST(PlannerModelTilt, LeansTheCoveAndMovesTheFence) {
    const PlannerModel upright = workedExample();
    for (const BladeLean lean : {BladeLean::TowardFence, BladeLean::AwayFromFence}) {
        const PlannerModel model = tiltedExample("30", lean);
        ASSERT_TRUE(model.usable());
        EXPECT_TRUE(model.tilted());
        EXPECT_LT(model.result().angleDeg, upright.result().angleDeg);
        const TiltedCove& cove = model.result().cove;
        EXPECT_NEAR(cove.fenceSide.reach + cove.farSide.reach, 3.0, 1e-6);
        const CoveWall& steep = steepWall(cove, lean);
        const CoveWall& gentle = gentleWall(cove, lean);
        EXPECT_LT(steep.reach, gentle.reach);
        EXPECT_EQ(&steep == &cove.fenceSide, lean == BladeLean::TowardFence);
        // The fence stands its distance from the deepest line, which lies off the blade line
        // by the table offset: farther from the centre point when the lean brings the deepest
        // line toward the fence, nearer when it takes it away.
        const double shift = std::abs(model.result().tableOffset) *
                             std::cos(model.result().angleDeg * kTenDigitPi / 180);
        EXPECT_GT(shift, 0.1);
        const double expected =
            model.placement().fenceToDeepest + (lean == BladeLean::TowardFence ? shift : -shift);
        EXPECT_NEAR(model.fence().distance, expected, 1e-9);
        // Every pass's two walls, the last one the finished cove's.
        ASSERT_FALSE(model.result().passes.empty());
        const PlanPass& last = model.result().passes.back();
        EXPECT_NEAR(last.fenceSide, cove.fenceSide.reach, 1e-9);
        EXPECT_NEAR(last.farSide, cove.farSide.reach, 1e-9);
        // The drawing follows the tilt: the outline leans.
        const auto outline = model.outlineAt(model.request().coveDepth);
        ASSERT_FALSE(outline.empty());
        EXPECT_NEAR(-outline.front().x, cove.fenceSide.reach, 1e-6);
        EXPECT_NEAR(outline.back().x, cove.farSide.reach, 1e-6);
    }
}

// A narrow cove at a steep tilt: the steep wall leans so far under that the deepest line
// lies past the face's edge, under the wood. That is still a cove on the board, with its
// fence, its wood each side and its undercut; only the steep wall's reach is below zero.
TEST(PlannerModelTilt, PlansACoveWhoseDeepestLineIsUnderTheWood) {
    for (const BladeLean lean : {BladeLean::TowardFence, BladeLean::AwayFromFence}) {
        PlannerModel model = tiltedExample("45", lean);
        model.typeText(PlanBox::CoveWidth, "1");
        ASSERT_TRUE(model.usable());
        const TiltedCove& cove = model.result().cove;
        EXPECT_LT(steepWall(cove, lean).reach, 0);
        EXPECT_TRUE(steepWall(cove, lean).leansUnder());
        EXPECT_NEAR(model.placement().woodFenceSide, 1.75, 1e-9);
        EXPECT_NEAR(model.placement().woodFarSide, 1.75, 1e-9);
        EXPECT_TRUE(model.fence().found);
    }
}

struct HostileTilt {
    const char* name;
    const char* text;
    bool readable;
    TiltProblem problem;
};

class PlannerModelHostileTilt : public ::testing::TestWithParam<HostileTilt> {};

// A tilt the saw cannot have is read and refused with its reason; text that is no angle is
// not read. Either way the plan cannot be used, and nothing shows a number that is none.
TEST_P(PlannerModelHostileTilt, IsRefused) {
    const HostileTilt& t = GetParam();
    const PlannerModel model = tiltedExample(t.text);
    EXPECT_EQ(model.readable(PlanBox::Tilt), t.readable);
    EXPECT_FALSE(model.usable());
    if (t.readable) {
        EXPECT_EQ(model.result().tiltProblem, t.problem);
    }
    EXPECT_TRUE(std::isfinite(model.result().angleDeg));
    EXPECT_TRUE(std::isfinite(model.fence().distance));
}

INSTANTIATE_TEST_SUITE_P(
    Tilts, PlannerModelHostileTilt,
    ::testing::Values(HostileTilt{"Negative", "-5", true, TiltProblem::Negative},
                      HostileTilt{"PastTheSaws", "45.5", true, TiltProblem::PastMaxTilt},
                      HostileTilt{"Square", "90", true, TiltProblem::PastMaxTilt},
                      HostileTilt{"Huge", "99999999999999999999", true, TiltProblem::PastMaxTilt},
                      HostileTilt{"NotANumber", "nan", false, TiltProblem::None},
                      HostileTilt{"Infinite", "inf", false, TiltProblem::None},
                      HostileTilt{"Words", "thirty", false, TiltProblem::None},
                      HostileTilt{"TwoNumbers", "30 45", false, TiltProblem::None},
                      HostileTilt{"ALength", "1 in.", false, TiltProblem::None}),
    [](const auto& info) { return std::string(info.param.name); });

// Deeper than the tilted blade reaches: a reason of the tilt's own.
TEST(PlannerModelTilt, TooDeepForTheTiltedBlade) {
    PlannerModel model = tiltedExample("45");
    model.typeText(PlanBox::BoardThickness, "6");
    model.typeText(PlanBox::CoveDepth, "4");  // a 10 in. blade tilted 45° reaches about 3.5
    EXPECT_EQ(model.result().tiltProblem, TiltProblem::DeeperThanTiltedBlade);
    EXPECT_FALSE(model.usable());
}

// The unit does not touch the tilt; switching keeps its text.
TEST(PlannerModelTilt, UnitsLeaveTheTiltAlone) {
    PlannerModel model = tiltedExample("30");
    model.chooseUnit(LengthUnit::Millimetre);
    EXPECT_EQ(model.text(PlanBox::Tilt), "30");
    EXPECT_TRUE(model.usable());
}

}  // namespace
}  // namespace arcwright
