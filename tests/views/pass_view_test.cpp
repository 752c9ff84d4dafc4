// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/pass_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "plan/cove_plan.h"
#include "views/display_list.h"

namespace arcwright {
namespace {

constexpr PassColours kColours{{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}};

// A 3-in. cove 5/8 in. deep in a 4 1/2 x 1 1/4 board, in passes of this depth.
PassSteps schedule(double passDepth, int made) {
    const PlanRequest r{3.0, 0.625, 4.5, 1.25, 10.0, 0.125, passDepth};
    const PlanResult result = solve(r);
    PassSteps steps;
    steps.follow(result.passes, sawSetUp(r, result));
    for (int i = 0; i < made; ++i) steps.next();
    return steps;
}

std::vector<Primitive> inColour(const DisplayList& dl, Rgb colour) {
    std::vector<Primitive> out;
    for (const Primitive& p : dl.primitives()) {
        if (p.colour == colour) out.push_back(p);
    }
    return out;
}

// Each outline's flat bottom is its one level line inside the board: the depths of the
// level lines of a colour below the board's back are the blade heights drawn in it.
std::vector<double> levelDepths(const DisplayList& dl, Rgb colour, double thickness) {
    std::vector<double> depths;
    for (const Primitive& p : inColour(dl, colour)) {
        if (p.y1 == p.y2 && p.y1 > 0.0005 && p.y1 < thickness - 0.0005) depths.push_back(p.y1);
    }
    return depths;
}

// The passes whose blade heights those depths are, each within `tolerance`; -1 for a depth
// that is no pass's.
std::set<int> passesAt(const std::vector<double>& depths, const PassSteps& steps,
                       double tolerance) {
    std::set<int> found;
    for (const double d : depths) {
        int index = -1;
        for (int i = 0; i < steps.count(); ++i) {
            const double off =
                std::fabs(steps.passes()[static_cast<std::size_t>(i)].bladeHeight - d);
            if (off <= tolerance) index = i;
        }
        found.insert(index);
    }
    return found;
}

constexpr double kExact = 1e-6;  // single precision of the canvas, and no more

TEST(PassView, MadePassesCurrentAndToComeEachInTheirColour) {
    const PassSteps steps = schedule(0.0625, 3);  // pass 4 of 10 next
    DisplayList dl;
    const OutlinePick pick = drawPasses(dl, steps, {600, 300, 1}, kColours);
    EXPECT_EQ(pick.every, 1);
    // 600 x 300 pixels hold the board at over 100 pixels an inch: the current pass, two
    // pixels wide, lies within 0.01 in. of its height.
    EXPECT_EQ(passesAt(levelDepths(dl, kColours.done, 1.25), steps, kExact),
              (std::set<int>{0, 1, 2}));
    EXPECT_EQ(passesAt(levelDepths(dl, kColours.current, 1.25), steps, 0.01), std::set<int>{3});
    EXPECT_EQ(passesAt(levelDepths(dl, kColours.toCome, 1.25), steps, kExact),
              (std::set<int>{4, 5, 6, 7, 8, 9}));
    // The current pass reaches the width it will leave, give or take its pen.
    double widest = 0;
    for (const Primitive& p : inColour(dl, kColours.current)) {
        widest = std::max({widest, std::fabs(double(p.x1)), std::fabs(double(p.x2))});
    }
    EXPECT_NEAR(widest, steps.current()->coveWidth / 2, 0.01);
}

TEST(PassView, TheFaceIsOpenWhereThePassesMadeCutIt) {
    for (const int made : {0, 3, 10}) {
        const PassSteps steps = schedule(0.0625, made);
        DisplayList dl;
        drawPasses(dl, steps, {600, 300, 1}, kColours);
        const double mouth = made == 0 ? 0.0 : steps.passes()[made - 1].coveWidth;
        double face = 0;
        for (const Primitive& p : inColour(dl, kColours.board)) {
            if (p.y1 != 0 || p.y2 != 0) continue;
            face += std::fabs(double(p.x2) - p.x1);
            EXPECT_GE(std::min(std::fabs(double(p.x1)), std::fabs(double(p.x2))), mouth / 2 - 1e-6);
        }
        EXPECT_NEAR(face, 4.5 - mouth, 1e-5) << made;
    }
}

// 500 passes: the first, every 13th, the current (pass 251) and the last.
TEST(PassView, ALongScheduleDrawsEveryNthOutline) {
    const PassSteps steps = schedule(0.00125, 250);
    ASSERT_EQ(steps.count(), kMaxPasses);
    DisplayList dl;
    const OutlinePick pick = drawPasses(dl, steps, {800, 400, 1}, kColours);
    EXPECT_EQ(pick.every, 13);
    std::set<int> wanted{0, 499};
    for (int number = 13; number <= kMaxPasses; number += 13) wanted.insert(number - 1);
    std::set<int> drawn = passesAt(levelDepths(dl, kColours.done, 1.25), steps, kExact);
    const std::set<int> toCome = passesAt(levelDepths(dl, kColours.toCome, 1.25), steps, kExact);
    drawn.insert(toCome.begin(), toCome.end());
    EXPECT_EQ(drawn, wanted);
    // The current pass in its own colour, two pixels (about 0.012 in.) wide round its height.
    const std::vector<double> current = levelDepths(dl, kColours.current, 1.25);
    ASSERT_FALSE(current.empty());
    for (const double d : current) EXPECT_NEAR(d, steps.current()->bladeHeight, 0.007);
}

struct SurfaceRow {
    const char* name;
    PassSurface surface;
};

class Proportions : public testing::TestWithParam<SurfaceRow> {};

// An inch across is as many pixels as an inch up, the board sits inside the surface, and
// nothing is drawn off it.
TEST_P(Proportions, TheBoardKeepsItsShapeOnTheSurface) {
    const PassSurface& surface = GetParam().surface;
    const PassSteps steps = schedule(0.0625, 4);
    DisplayList dl;
    drawPasses(dl, steps, surface, kColours);
    const Scale& s = dl.scale();
    ASSERT_LT(s.height, 0);  // y grows upward, into the board from its face
    EXPECT_NEAR(surface.width / s.width, surface.height / -s.height, 1e-3);
    const double right = s.left + s.width;
    const double bottom = s.top + s.height;
    EXPECT_LT(s.left, -4.5 / 2);
    EXPECT_GT(right, 4.5 / 2);
    EXPECT_GT(s.top, 1.25);
    EXPECT_LT(bottom, 0.0);
    // The board fills the surface one way or the other.
    EXPECT_GT(std::max(4.5 / s.width, 1.25 / -s.height), 0.6);
    for (const Primitive& p : dl.primitives()) {
        for (const auto& [x, y] : {std::pair{p.x1, p.y1}, std::pair{p.x2, p.y2}}) {
            EXPECT_GE(x, s.left - 1e-4);
            EXPECT_LE(x, right + 1e-4);
            EXPECT_LE(y, s.top + 1e-4);
            EXPECT_GE(y, bottom - 1e-4);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Surfaces, Proportions,
                         testing::Values(SurfaceRow{"wide", {900, 200, 2}},
                                         SurfaceRow{"tall", {300, 600, 1}},
                                         SurfaceRow{"full_screen", {1900, 500, 4}},
                                         SurfaceRow{"small", {80, 50, 1}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PassView, NothingToDraw) {
    DisplayList dl;
    PassSteps none;
    EXPECT_TRUE(drawPasses(dl, none, {600, 300, 1}, kColours).indices.empty());
    EXPECT_TRUE(dl.primitives().empty());
    const PassSteps steps = schedule(0.0625, 0);
    drawPasses(dl, steps, {0, 300, 1}, kColours);
    EXPECT_TRUE(dl.primitives().empty());
}

// Each pass is drawn as the blade at its tilt cuts it: the current pass reaches its two
// walls, tilted the shorter one on the side the blade leans to, upright the same both sides.
struct LeanRow {
    const char* name;
    BladeTilt tilt;
};

class PassViewLean : public testing::TestWithParam<LeanRow> {};

TEST_P(PassViewLean, TheCurrentPassReachesItsWalls) {
    const PlanRequest r{3.0, 0.625, 4.5, 1.25, 10.0, 0.125, 0.0625};
    const BladeTilt tilt = GetParam().tilt;
    const PlanResult plan = solve(r, tilt);
    ASSERT_TRUE(plan.canCut());
    PassSteps steps;
    steps.follow(plan.passes, sawSetUp(r, plan));
    steps.last();  // the final pass is the current one
    DisplayList dl;
    drawPasses(dl, steps, {600, 300, 1}, kColours);
    double fenceSide = 0, farSide = 0;
    for (const Primitive& p : inColour(dl, kColours.current)) {
        for (const float x : {p.x1, p.x2}) {
            fenceSide = std::max(fenceSide, -double(x));
            farSide = std::max(farSide, double(x));
        }
    }
    EXPECT_NEAR(fenceSide, plan.cove.fenceSide.reach, 0.01);
    EXPECT_NEAR(farSide, plan.cove.farSide.reach, 0.01);
    if (tilt.degrees == 0) {
        EXPECT_NEAR(fenceSide, farSide, 1e-4);
    } else {
        EXPECT_EQ(fenceSide < farSide, tilt.lean == BladeLean::TowardFence);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blades, PassViewLean,
    testing::Values(LeanRow{"TiltedTowardFence", {30, BladeLean::TowardFence}},
                    LeanRow{"TiltedAwayFromFence", {30, BladeLean::AwayFromFence}},
                    LeanRow{"Upright", {0, BladeLean::TowardFence}},
                    LeanRow{"UprightLeaningAway", {0, BladeLean::AwayFromFence}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace arcwright
