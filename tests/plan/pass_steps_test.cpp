// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/pass_steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <string>

#include "model/number_text.h"
#include "plan/length_text.h"

namespace arcwright {
namespace {

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// The worked example: a 3-in. cove 5/8 in. deep in a 4 1/2 x 1 1/4 board, 1/16-in. passes.
PlanRequest workedExample(double passDepth = 0.0625) {
    return {3.0, 0.625, 4.5, 1.25, 10.0, 0.125, passDepth};
}

PlanResult solved(const PlanRequest& r) {
    return solve(r);
}

PassSteps following(const PlanRequest& r) {
    PassSteps steps;
    const PlanResult result = solve(r);
    steps.follow(result.passes, sawSetUp(r, result));
    return steps;
}

// ---- what "the same schedule" is ----------------------------------------------------------

struct SameRow {
    const char* name;
    std::function<void(std::vector<PlanPass>&)> change;
    bool same;
};

class SameSchedule : public testing::TestWithParam<SameRow> {};

TEST_P(SameSchedule, ComparesHeightsAndWidthsToAThousandth) {
    const std::vector<PlanPass> before = solved(workedExample()).passes;
    ASSERT_EQ(before.size(), 10u);
    std::vector<PlanPass> after = before;
    GetParam().change(after);
    EXPECT_EQ(sameSchedule(before, after), GetParam().same);
    EXPECT_EQ(sameSchedule(after, before), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, SameSchedule,
    testing::Values(
        SameRow{"a_copy", [](auto&) {}, true},
        SameRow{"rounding_in_a_height", [](auto& p) { p[4].bladeHeight += 1e-12; }, true},
        SameRow{"width_within_a_thousandth", [](auto& p) { p[9].coveWidth -= 9e-4; }, true},
        SameRow{"height_two_thousandths_up", [](auto& p) { p[4].bladeHeight += 2e-3; }, false},
        SameRow{"width_two_thousandths_less", [](auto& p) { p[0].coveWidth -= 2e-3; }, false},
        SameRow{"a_sixty_fourth_deeper", [](auto& p) { p[9].bladeHeight += 1.0 / 64; }, false},
        SameRow{"one_pass_more",
                [](auto& p) {
                    p.push_back(p.back());
                    p.back().number += 1;
                },
                false},
        SameRow{"one_pass_fewer", [](auto& p) { p.pop_back(); }, false},
        SameRow{"no_passes", [](auto& p) { p.clear(); }, false},
        SameRow{"renumbered", [](auto& p) { p[2].number = 7; }, false},
        SameRow{"a_nan_height",
                [](auto& p) { p[3].bladeHeight = std::numeric_limits<double>::quiet_NaN(); },
                false}),
    rowName<SameRow>);

TEST(SameSchedule, TwoEmptySchedulesAreTheSame) {
    EXPECT_TRUE(sameSchedule({}, {}));
}

// The same cove typed again in millimetres to the thousandth ("76.2 mm", "1.588 mm") and
// read back: the schedule it works out is the same one.
TEST(SameSchedule, TheSameCoveRewrittenInMillimetres) {
    const PlanRequest inches = workedExample();
    const auto rewritten = [](double length) {
        return *readLength(formatNumber(length * kMillimetresPerInch, "0.0## mm"),
                           LengthUnit::Millimetre);
    };
    const PlanRequest metric{rewritten(inches.coveWidth),     rewritten(inches.coveDepth),
                             rewritten(inches.boardWidth),    rewritten(inches.boardThickness),
                             rewritten(inches.bladeDiameter), rewritten(inches.kerf),
                             rewritten(inches.passDepth)};
    ASSERT_NE(metric.passDepth, inches.passDepth);  // 1/16 in. is 1.5875 mm, not 1.588
    EXPECT_TRUE(sameSchedule(solved(inches).passes, solved(metric).passes));
}

// ---- working through the passes ------------------------------------------------------------

struct MoveRow {
    const char* name;
    double passDepth;   // of the worked example: 1/16 gives 10 passes, 5/8 one
    std::string moves;  // n next, b back, h first (Home), e last (End)
    int position;
    bool lastMoved;
};

class Moves : public testing::TestWithParam<MoveRow> {};

TEST_P(Moves, EndWhereTheWoodworkerIs) {
    const MoveRow& row = GetParam();
    PassSteps steps = following(workedExample(row.passDepth));
    bool moved = false;
    for (const char m : row.moves) {
        switch (m) {
            case 'n':
                moved = steps.next();
                break;
            case 'b':
                moved = steps.back();
                break;
            case 'h':
                moved = steps.first();
                break;
            case 'e':
                moved = steps.last();
                break;
            default:
                FAIL() << m;
        }
    }
    EXPECT_EQ(steps.position(), row.position);
    EXPECT_EQ(moved, row.lastMoved);
    EXPECT_EQ(steps.finished(), row.position == steps.count());
    if (!steps.finished()) {
        ASSERT_NE(steps.current(), nullptr);
        EXPECT_EQ(steps.current()->number, row.position + 1);
    } else {
        EXPECT_EQ(steps.current(), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Moves,
    testing::Values(MoveRow{"starts_at_the_first_pass", 0.0625, "", 0, false},
                    MoveRow{"three_passes_made", 0.0625, "nnn", 3, true},
                    MoveRow{"one_back", 0.0625, "nnnb", 2, true},
                    MoveRow{"back_at_the_first_does_nothing", 0.0625, "b", 0, false},
                    MoveRow{"end_is_the_last_pass", 0.0625, "e", 9, true},
                    MoveRow{"end_twice", 0.0625, "ee", 9, false},
                    MoveRow{"next_after_the_last_makes_all", 0.0625, "en", 10, true},
                    MoveRow{"nothing_after_all_are_made", 0.0625, "enn", 10, false},
                    MoveRow{"back_from_all_made", 0.0625, "enb", 9, true},
                    MoveRow{"end_from_all_made", 0.0625, "ene", 9, true},
                    MoveRow{"home_from_the_middle", 0.0625, "nnnnh", 0, true},
                    MoveRow{"home_at_home", 0.0625, "h", 0, false},
                    MoveRow{"one_pass_plan", 0.625, "", 0, false},
                    MoveRow{"one_pass_made", 0.625, "n", 1, true},
                    MoveRow{"one_pass_end", 0.625, "e", 0, false},
                    MoveRow{"one_pass_back_again", 0.625, "nb", 0, true}),
    rowName<MoveRow>);

TEST(PassSteps, RiseIsFromTheTableThenFromThePassBefore) {
    // 0.6 in. in 1/16-in. passes: nine of 1/16, then the last only 0.0375 higher.
    PlanRequest r = workedExample();
    r.coveDepth = 0.6;
    PassSteps steps = following(r);
    ASSERT_EQ(steps.count(), 10);
    EXPECT_DOUBLE_EQ(steps.rise(), 0.0625);
    EXPECT_FALSE(steps.atFinalHeight());
    steps.next();
    EXPECT_NEAR(steps.rise(), 0.0625, 1e-12);
    steps.last();
    EXPECT_NEAR(steps.rise(), 0.0375, 1e-12);
    EXPECT_TRUE(steps.atFinalHeight());
    EXPECT_DOUBLE_EQ(steps.current()->bladeHeight, 0.6);
    steps.next();
    EXPECT_FALSE(steps.atFinalHeight());
    EXPECT_EQ(steps.rise(), 0.0);
}

TEST(PassSteps, NothingToWorkBeforeASchedule) {
    PassSteps steps;
    EXPECT_EQ(steps.count(), 0);
    EXPECT_EQ(steps.current(), nullptr);
    EXPECT_FALSE(steps.finished());
    EXPECT_FALSE(steps.next());
    EXPECT_FALSE(steps.last());
    EXPECT_EQ(steps.position(), 0);
}

// ---- keeping the count while the plan is worked out again -----------------------------------

TEST(Follow, TheSameScheduleKeepsThePassAndTakesTheNewBoard) {
    const PlanRequest r = workedExample();
    PassSteps steps = following(r);
    for (int i = 0; i < 4; ++i) steps.next();
    PlanRequest wider = r;
    wider.boardWidth = 5.0;  // the passes do not depend on it
    const PlanResult again = solve(wider);
    steps.follow(again.passes, sawSetUp(wider, again));
    EXPECT_EQ(steps.position(), 4);
    EXPECT_FALSE(steps.startedOver());
    EXPECT_EQ(steps.setUp().boardWidth, 5.0);
}

TEST(Follow, AChangedScheduleStartsOverAndSaysSoUntilTheNextMove) {
    const PlanRequest r = workedExample();
    PassSteps steps = following(r);
    EXPECT_FALSE(steps.startedOver());  // the first schedule is no start-over
    for (int i = 0; i < 6; ++i) steps.next();
    PlanRequest deeper = r;
    deeper.coveDepth = 0.75;
    const PlanResult changed = solve(deeper);
    steps.follow(changed.passes, sawSetUp(deeper, changed));
    EXPECT_EQ(steps.position(), 0);
    EXPECT_EQ(steps.count(), 12);
    EXPECT_TRUE(steps.startedOver());
    EXPECT_FALSE(steps.back());  // no move: still to be said
    EXPECT_TRUE(steps.startedOver());
    steps.follow(changed.passes, sawSetUp(deeper, changed));  // worked out again, unchanged
    EXPECT_TRUE(steps.startedOver());
    EXPECT_TRUE(steps.next());
    EXPECT_FALSE(steps.startedOver());
}

// The planner works the plan out on every keystroke from the moment it opens: until a pass
// is made there is no count to start over, and nothing to say about it.
TEST(Follow, BeforeThePassesAreStartedThereIsNoStartingOver) {
    PassSteps steps = following(workedExample());
    PlanRequest finer = workedExample(1.0 / 32);
    const PlanResult changed = solve(finer);
    steps.follow(changed.passes, sawSetUp(finer, changed));
    EXPECT_FALSE(steps.startedOver());
    EXPECT_EQ(steps.count(), 20);
    steps.next();
    steps.back();  // back at the first pass: nothing made
    const PlanResult coarse = solve(workedExample());
    steps.follow(coarse.passes, sawSetUp(workedExample(), coarse));
    EXPECT_FALSE(steps.startedOver());
    EXPECT_EQ(steps.count(), 10);
}

struct HoldRow {
    const char* name;
    std::vector<double> through;  // cove depths the planner passes through; 0 cannot be cut
    double comeBackDepth;         // and the one it ends on
    int position;
    bool startedOver;
};

class Hold : public testing::TestWithParam<HoldRow> {};

// A box retyped key by key passes through other plans, some of which cannot be cut
// ("0" on the way to "0.625"); the count waits for the schedule being worked to come back.
TEST_P(Hold, TheScheduleBeingWorkedUntilAnotherIsStepped) {
    const HoldRow& row = GetParam();
    PassSteps steps = following(workedExample());
    for (int i = 0; i < 5; ++i) steps.next();
    const auto handOver = [&](double depth) {
        PlanRequest r = workedExample();
        r.coveDepth = depth;
        const PlanResult result = solve(r);
        steps.follow(result.passes, sawSetUp(r, result));
    };
    for (const double depth : row.through) {
        handOver(depth);
        EXPECT_EQ(steps.position(), 0) << depth;
        if (depth == 0) {
            EXPECT_EQ(steps.count(), 0);
            EXPECT_EQ(steps.current(), nullptr);
            EXPECT_FALSE(steps.startedOver());  // nothing to start: the plan cannot be cut
            EXPECT_FALSE(steps.next());
        } else {
            EXPECT_TRUE(steps.startedOver()) << depth;
        }
    }
    handOver(row.comeBackDepth);
    EXPECT_EQ(steps.position(), row.position);
    EXPECT_EQ(steps.startedOver(), row.startedOver);
}

INSTANTIATE_TEST_SUITE_P(
    Plans, Hold,
    testing::Values(HoldRow{"through_one_that_cannot_be_cut", {0.0}, 0.625, 5, false},
                    HoldRow{"typed_key_by_key", {0.0, 0.6, 0.62}, 0.625, 5, false},
                    HoldRow{"another_comes_instead", {0.0}, 0.5, 0, true},
                    HoldRow{"ends_on_another", {0.6, 0.62}, 0.75, 0, true}),
    rowName<HoldRow>);

TEST(Hold, AMoveOnTheNewScheduleLetsTheOldOneGo) {
    PassSteps steps = following(workedExample());
    for (int i = 0; i < 5; ++i) steps.next();
    PlanRequest deeper = workedExample();
    deeper.coveDepth = 0.75;
    const PlanResult changed = solve(deeper);
    steps.follow(changed.passes, sawSetUp(deeper, changed));
    ASSERT_TRUE(steps.next());  // the woodworker cuts to the new plan
    const PlanRequest r = workedExample();
    const PlanResult again = solve(r);
    steps.follow(again.passes, sawSetUp(r, again));
    EXPECT_EQ(steps.position(), 0);
    EXPECT_TRUE(steps.startedOver());
}

// ---- which outlines a long schedule draws ---------------------------------------------------

struct PickRow {
    const char* name;
    int count, position;
    int every;
    int drawn;
};

class Pick : public testing::TestWithParam<PickRow> {};

TEST_P(Pick, EveryNthWithTheFirstTheCurrentAndTheLast) {
    const PickRow& row = GetParam();
    const OutlinePick pick = outlinesToDraw(row.count, row.position);
    EXPECT_EQ(pick.every, row.every);
    const auto& got = pick.indices;
    EXPECT_EQ(static_cast<int>(got.size()), row.drawn);
    EXPECT_TRUE(std::is_sorted(got.begin(), got.end()));
    EXPECT_EQ(std::adjacent_find(got.begin(), got.end()), got.end());
    const auto has = [&](int index) {
        return std::find(got.begin(), got.end(), index) != got.end();
    };
    EXPECT_TRUE(has(0));
    EXPECT_TRUE(has(row.count - 1));
    if (row.position < row.count) {
        EXPECT_TRUE(has(row.position));
    }
    for (int number = row.every; number <= row.count; number += row.every) {
        EXPECT_TRUE(has(number - 1)) << number;
    }
}

// Pass numbers drawn, beyond the multiples: 41 passes every 2nd draws 2..40 with 1, 21
// (the current) and 41; 500 every 13th draws 13..494 with 1, 251 and 500.
INSTANTIATE_TEST_SUITE_P(
    Schedules, Pick,
    testing::Values(PickRow{"one_pass", 1, 0, 1, 1}, PickRow{"ten_passes", 10, 3, 1, 10},
                    PickRow{"forty_all_drawn", 40, 39, 1, 40},
                    PickRow{"forty_one_every_second", 41, 20, 2, 23},
                    PickRow{"eighty_every_second", 80, 0, 2, 41},
                    PickRow{"eighty_one_every_third", 81, 80, 3, 28},
                    PickRow{"most_passes_at_the_start", kMaxPasses, 0, 13, 40},
                    PickRow{"most_passes_between", kMaxPasses, 250, 13, 41},
                    PickRow{"most_passes_all_made", kMaxPasses, kMaxPasses, 13, 40}),
    rowName<PickRow>);

TEST(Pick, NoPassesNoOutlines) {
    EXPECT_TRUE(outlinesToDraw(0, 0).indices.empty());
}

}  // namespace
}  // namespace arcwright
