// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shop's rules through the planner as the woodworker types: the wood left at its
// boundary in both units, the saw's reach and blade sizes, and the cautions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "plan/cautions.h"
#include "plan/plan_rules.h"
#include "plan/plan_words.h"
#include "plan/planner_model.h"
#include "plan/saw_limits.h"

namespace arcwright {
namespace {

// A set-up as typed, box by box; a box left out keeps the planner's own text.
struct Typed {
    const char* coveWidth;
    const char* coveDepth;
    const char* boardWidth;
    const char* boardThickness;
    LengthUnit unit = LengthUnit::Inch;
    std::vector<std::pair<PlanBox, const char*>> more = {};
};

PlannerModel typed(const Typed& t) {
    PlannerModel model;
    model.chooseUnit(t.unit);
    model.typeText(PlanBox::CoveWidth, t.coveWidth);
    model.typeText(PlanBox::CoveDepth, t.coveDepth);
    model.typeText(PlanBox::BoardWidth, t.boardWidth);
    model.typeText(PlanBox::BoardThickness, t.boardThickness);
    for (const auto& [box, text] : t.more) model.typeText(box, text);
    return model;
}

constexpr LengthUnit kIn = LengthUnit::Inch;
constexpr LengthUnit kMm = LengthUnit::Millimetre;

// ---- a quarter inch of wood: exactly enough, a hair less not, in either unit ----------

struct WoodRow {
    const char* name;
    Typed setup;
    bool thinAbove, thinBeside;
};

class WoodLeft : public testing::TestWithParam<WoodRow> {};

TEST_P(WoodLeft, AgreesInBothUnits) {
    const WoodRow& row = GetParam();
    const PlannerModel model = typed(row.setup);
    ASSERT_TRUE(model.result().hasAngle) << static_cast<int>(model.result().problem);
    EXPECT_EQ(model.result().thinAboveBlade, row.thinAbove);
    EXPECT_EQ(model.result().thinSides, row.thinBeside);
    // The placement asks the same rule as the plan.
    EXPECT_EQ(model.placement().thinFenceSide, row.thinBeside);
    EXPECT_EQ(model.placement().thinFarSide, row.thinBeside);
}

INSTANTIATE_TEST_SUITE_P(
    Boundary, WoodLeft,
    testing::Values(
        WoodRow{"ExactlyAQuarterInches", {"4", "1.75", "4.5", "2"}, false, false},
        WoodRow{"ExactlyAQuarterMm", {"101.6", "44.45", "114.3", "50.8", kMm}, false, false},
        WoodRow{"AHairLessAboveInches", {"4", "1.7501", "4.5", "2"}, true, false},
        WoodRow{"AHairLessAboveMm", {"101.6", "44.46", "114.3", "50.8", kMm}, true, false},
        WoodRow{"AHairLessBesideInches", {"4.0002", "1.75", "4.5", "2"}, false, true},
        WoodRow{"AHairLessBesideMm", {"101.61", "44.45", "114.3", "50.8", kMm}, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WoodLeft, WarnsInThePlannersUnit) {
    const PlannerModel inches = typed({"4", "1.8", "4.4", "2"});
    const PlannerModel mm = typed({"101.6", "45.7", "111.8", "50.8", kMm});
    const auto lines = [](const PlannerModel& m) {
        std::vector<std::string> out;
        for (const Sentence& s : woodWarnings(m.result(), m.unit())) out.push_back(english(s));
        return out;
    };
    EXPECT_EQ(lines(inches),
              (std::vector<std::string>{"Less than 1/4 in. of wood beside the cove!",
                                        "Less than 1/4 in. of wood above the blade!"}));
    EXPECT_EQ(lines(mm), (std::vector<std::string>{"Less than 6.4 mm of wood beside the cove!",
                                                   "Less than 6.4 mm of wood above the blade!"}));
}

// ---- the saw's reach and the blades table saws take --------------------------------------

struct ReachRow {
    const char* name;
    Typed setup;
    PlanProblem problem;
    double reach;  // inches; 0 where the saw's limits were not reached
};

class SawReach : public testing::TestWithParam<ReachRow> {};

TEST_P(SawReach, RefusesWhatTheSawCannotCut) {
    const ReachRow& row = GetParam();
    const PlannerModel model = typed(row.setup);
    EXPECT_EQ(model.result().problem, row.problem);
    EXPECT_NEAR(model.result().sawReach, row.reach, 1e-9);
    if (row.problem != PlanProblem::None) {
        // Refused: no figure of the plan is left to read beside the reason.
        EXPECT_FALSE(model.result().hasAngle);
        EXPECT_TRUE(model.result().passes.empty());
        EXPECT_TRUE(model.outlineAt(model.request().coveDepth).empty());
        EXPECT_EQ(model.result().cove, TiltedCove{});
        EXPECT_FALSE(model.fence().found);
    }
}

using enum PlanBox;
INSTANTIATE_TEST_SUITE_P(
    Saws, SawReach,
    testing::Values(
        // 3 in. from a 10-in. blade: a 3.5-in. cove planned 56 passes before.
        ReachRow{"TenInchDefault", {"5", "3.5", "8", "4"}, PlanProblem::DeeperThanSawReaches, 3},
        ReachRow{"TenInchAtItsReach", {"5", "3", "8", "4"}, PlanProblem::None, 3},
        ReachRow{"TypedReach",
                 {"5", "3.5", "8", "4", kIn, {{MaxHeight, "3 9/16"}}},
                 PlanProblem::None,
                 3.5625},
        ReachRow{"MillimetreBlade",
                 {"120", "80", "200", "100", kMm, {{BladeDiameter, "254"}}},
                 PlanProblem::DeeperThanSawReaches,
                 3},
        ReachRow{"MillimetreReachTyped",
                 {"120", "80", "200", "100", kMm, {{BladeDiameter, "254"}, {MaxHeight, "81"}}},
                 PlanProblem::None,
                 81 / 25.4},
        // Tilted 45°, the 3-in. reach comes down to 2.12 in.
        ReachRow{"TiltedPastItsReach",
                 {"5", "2.5", "8", "4", kIn, {{Tilt, "45"}}},
                 PlanProblem::DeeperThanSawReaches,
                 3 * std::cos(45 * kRadPerDeg)},
        ReachRow{"TiltedWithinItsReach",
                 {"5", "2", "8", "4", kIn, {{Tilt, "45"}}},
                 PlanProblem::None,
                 3 * std::cos(45 * kRadPerDeg)},
        ReachRow{"SmallestBlade",
                 {"2", "1/2", "4", "1", kIn, {{BladeDiameter, "7 1/4"}}},
                 PlanProblem::None,
                 2.175},
        ReachRow{"SmallestBladeMm",
                 {"50", "12", "100", "25", kMm, {{BladeDiameter, "184.15"}}},
                 PlanProblem::None,
                 2.175},
        ReachRow{"TooSmallABlade",
                 {"2", "1/2", "4", "1", kIn, {{BladeDiameter, "6"}}},
                 PlanProblem::BladeSizeUnusual,
                 0},
        ReachRow{"TooLargeABlade",
                 {"2", "1/2", "4", "1", kIn, {{BladeDiameter, "17"}}},
                 PlanProblem::BladeSizeUnusual,
                 0},
        // What the blade's geometry refuses is named first.
        ReachRow{"PastTheRadius", {"2", "5.5", "8", "7"}, PlanProblem::DeeperThanBladeRadius, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SawReach, SaysTheDeepestCoveTheSawCuts) {
    const PlannerModel inches = typed({"5", "3.5", "8", "4"});
    EXPECT_EQ(english(sawLimitSentence(inches.result(), inches.tilt(), inches.unit())),
              "Your saw raises this blade no higher than 3.0 in. (3 in.), so the deepest cove it "
              "cuts is 3.0 in. (3 in.): make the cove shallower, or enter your saw's highest "
              "blade setting.");
    const PlannerModel tilted = typed({"5", "2.5", "8", "4", kIn, {{Tilt, "45"}}});
    EXPECT_NE(english(sawLimitSentence(tilted.result(), tilted.tilt(), tilted.unit()))
                  .find("tilted 45.0°"),
              std::string::npos);
    const PlannerModel small = typed({"50", "12", "100", "25", kMm, {{BladeDiameter, "100"}}});
    EXPECT_EQ(english(sawLimitSentence(small.result(), small.tilt(), small.unit())),
              "Table saws take blades from 184.2 mm to 406.4 mm across: enter your blade's "
              "diameter, e.g. 10 in. or 254 mm.");
}

// ---- cautions: each on by itself, none on a plain cove ----------------------------------

struct CautionRow {
    const char* name;
    Typed setup;
    std::vector<Caution> cautions;
};

class Cautions : public testing::TestWithParam<CautionRow> {};

TEST_P(Cautions, StandBesideThePlan) {
    const CautionRow& row = GetParam();
    const PlannerModel model = typed(row.setup);
    ASSERT_TRUE(model.usable()) << static_cast<int>(model.result().problem);
    EXPECT_EQ(cautionsFor(model.request(), model.result()), row.cautions);
    EXPECT_EQ(model.cautions().size(), row.cautions.size());
    for (const Sentence& s : model.cautions()) {
        const std::string line = english(s);
        EXPECT_EQ(line.find('%'), std::string::npos) << line;
        EXPECT_EQ(line.back(), '.') << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachOnAndOff, Cautions,
    testing::Values(
        CautionRow{"PlainCove", {"2", "1/2", "4", "1"}, {}},
        CautionRow{"PlainCoveMm", {"50", "12", "100", "25", kMm}, {}},
        CautionRow{"SteepFence", {"4.34", "1/2", "5", "1"}, {Caution::SteepFence}},
        CautionRow{"JustUnder80", {"4.3", "1/2", "5", "1"}, {}},
        CautionRow{"DeepPasses",
                   {"2", "1/2", "4", "1", kIn, {{PassDepth, "3/16"}}},
                   {Caution::DeepPasses}},
        CautionRow{"EighthPassesAreFine", {"2", "1/2", "4", "1", kIn, {{PassDepth, "1/8"}}}, {}},
        CautionRow{
            "EighthPassesInMm", {"50", "12.7", "100", "25.4", kMm, {{PassDepth, "3.175"}}}, {}},
        CautionRow{"NoKerf", {"2", "1/2", "4", "1", kIn, {{Kerf, "0"}}}, {Caution::NoKerf}},
        CautionRow{"ManyPasses",
                   {"2", "1.5", "4", "2", kIn, {{PassDepth, "1/32"}}},
                   {Caution::ManyPasses}},
        CautionRow{"FortyPassesAreFine", {"2", "1.25", "4", "2", kIn, {{PassDepth, "1/32"}}}, {}},
        CautionRow{"NarrowBoard", {"1.5", "1/2", "2.5", "1"}, {Caution::NarrowBoard}},
        CautionRow{"ThreeInchBoardIsFine", {"1.5", "1/2", "3", "1"}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cautions, NoneForAPlanThatCannotBeCut) {
    // Steep, deep passes and no kerf, but deeper than the board: refused, not cautioned.
    const PlannerModel model =
        typed({"4.34", "1/2", "5", "1/2", kIn, {{PassDepth, "1/4"}, {Kerf, "0"}}});
    EXPECT_FALSE(model.usable());
    EXPECT_TRUE(model.cautions().empty());
}

TEST(Cautions, SpeakThePlannersUnit) {
    const PlannerModel mm = typed({"50", "12", "100", "25", kMm, {{PassDepth, "4"}}});
    ASSERT_EQ(mm.cautions().size(), 1u);
    EXPECT_EQ(english(mm.cautions()[0]),
              "Passes of up to 4.0 mm are deeper than 3.2 mm: shop practice is about 1.6 mm a "
              "pass, with a slow, light final pass. A deep pass makes the blade grab the board.");
}

// ---- sentences -----------------------------------------------------------------------

TEST(Sentence, FillsItsNumbers) {
    const struct {
        const char* pattern;
        std::vector<std::string> args;
        const char* filled;
    } rows[] = {
        {"%1 and %2", {"a", "b"}, "a and b"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1%1", {"x"}, "xx"},
        {"100% sure", {}, "100% sure"},
        {"%3 is not given", {"a"}, "%3 is not given"},
        {"ends in %", {"a"}, "ends in %"},
        {"%1", {"%2"}, "%2"},  // an argument is not filled again
    };
    for (const auto& row : rows) EXPECT_EQ(fillSentence(row.pattern, row.args), row.filled);
}

}  // namespace
}  // namespace arcwright
