// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/planner_model.h"

#include <gtest/gtest.h>

#include <string>

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
    for (const char* bad : {"", "2,5", "1/0", "3 in. 2", "abc", "2e9"}) {
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
    EXPECT_EQ(model.text(PlanBox::Kerf), "3.175 mm");
    EXPECT_EQ(model.text(PlanBox::PassDepth), "not yet");  // left for the user to mend
    model.typeText(PlanBox::PassDepth, "1.5875");          // a bare number is now millimetres
    EXPECT_DOUBLE_EQ(model.request().passDepth, 0.0625);
    EXPECT_DOUBLE_EQ(model.request().coveWidth, before.coveWidth);
    EXPECT_DOUBLE_EQ(model.request().boardThickness, before.boardThickness);

    model.chooseUnit(LengthUnit::Inch);
    EXPECT_EQ(model.text(PlanBox::CoveWidth), "3.0");
    EXPECT_DOUBLE_EQ(model.request().kerf, 0.125);
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

}  // namespace
}  // namespace arcwright
