// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometry/cove_outline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace arcwright {
namespace {

constexpr auto L = Side::Left;
constexpr auto C = Side::Centre;
constexpr auto R = Side::Right;

std::vector<OutlinePoint> walk(const CoveOutline& outline) {
    std::vector<OutlinePoint> points;
    for (int p = 1; p <= outline.size(); ++p) points.push_back(outline[p]);
    return points;
}

// Small outlines point by point, in each of the three ways the drawings close them.
struct SmallCase {
    const char* name;
    int pointCount;
    OutlineEnds ends;
    std::vector<OutlinePoint> points;
};

class CoveOutlinePoints : public ::testing::TestWithParam<SmallCase> {};

TEST_P(CoveOutlinePoints, FollowTheMirrorRule) {
    const SmallCase& c = GetParam();
    EXPECT_EQ(walk(CoveOutline(c.pointCount, c.ends)), c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, CoveOutlinePoints,
    ::testing::Values(
        SmallCase{"NoLevels", 0, {}, {}}, SmallCase{"NoLevelsNoApex", 0, {.apex = true}, {}},
        SmallCase{"NoLevelsNoLevelZero", 0, {.throughLevelZero = true}, {}},
        SmallCase{"NegativeCount", -3, {.apex = true}, {}}, SmallCase{"OneLevel", 1, {}, {{1, L}}},
        SmallCase{"OneLevelApex", 1, {.apex = true}, {{1, L}, {2, C}, {1, R}}},
        SmallCase{"OneLevelToZero", 1, {.throughLevelZero = true}, {{1, L}, {0, R}}},
        SmallCase{"TwoLevels", 2, {}, {{1, L}, {2, L}, {1, R}}},
        SmallCase{"TwoLevelsApex", 2, {.apex = true}, {{1, L}, {2, L}, {3, C}, {2, R}, {1, R}}},
        SmallCase{
            "TwoLevelsToZero", 2, {.throughLevelZero = true}, {{1, L}, {2, L}, {1, R}, {0, R}}},
        SmallCase{"FourLevels", 4, {}, {{1, L}, {2, L}, {3, L}, {4, L}, {3, R}, {2, R}, {1, R}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Large and capped outlines: the count, the turn and the last point.
struct SizeCase {
    const char* name;
    int pointCount;
    OutlineEnds ends;
    int levels, size;
    OutlinePoint deepest, last;
};

class CoveOutlineSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(CoveOutlineSize, StaysInsideTheTables) {
    const SizeCase& c = GetParam();
    const CoveOutline outline(c.pointCount, c.ends);
    EXPECT_EQ(outline.levels(), c.levels);
    ASSERT_EQ(outline.size(), c.size);
    ASSERT_LT(outline.size(), kOutlineTableSize);  // points are numbered from 1
    EXPECT_EQ(outline[c.levels], c.deepest);
    EXPECT_EQ(outline[c.size], c.last);
    // Every point names a level the level table holds; only the apex, on the centre
    // line, stands past the deepest.
    for (int p = 1; p <= outline.size(); ++p) {
        const auto [level, side] = outline[p];
        ASSERT_GE(level, 0) << p;
        ASSERT_LE(level, c.levels + 1) << p;
        ASSERT_EQ(level > c.levels, side == Side::Centre) << p;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Levels, CoveOutlineSize,
    ::testing::Values(
        SizeCase{"StartUp", 100, {}, 100, 199, {100, L}, {1, R}},
        SizeCase{"StartUpSheet", 100, {.apex = true}, 100, 201, {100, L}, {1, R}},
        SizeCase{"StartUpSection", 100, {.throughLevelZero = true}, 100, 200, {100, L}, {0, R}},
        SizeCase{"AllLevels", kMaxLevels, {}, kMaxLevels, 1999, {kMaxLevels, L}, {1, R}},
        SizeCase{"CappedAtTheTable", 5 * kMaxLevels, {}, kMaxLevels, 1999, {kMaxLevels, L}, {1, R}},
        SizeCase{"CappedSheet",
                 kMaxLevels + 1,
                 {.apex = true},
                 kMaxLevels,
                 2001,
                 {kMaxLevels, L},
                 {1, R}},
        SizeCase{"CappedSection",
                 kMaxLevels + 1,
                 {.throughLevelZero = true},
                 kMaxLevels,
                 2000,
                 {kMaxLevels, L},
                 {0, R}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace arcwright
