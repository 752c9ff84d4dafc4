// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/display_list.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace arcwright {
namespace {

TEST(DisplayList, ClearEmptiesAndCountsAndPrimitivesKeepTheirStyle) {
    DisplayList dl;
    dl.drawLine(0, 0, 1, 1, std::nullopt);
    dl.clear();
    dl.setLineStyle(LineStyle::Dotted);
    dl.drawArc(5, 6, 3, palette::kRed, 1.5F, 2.5F);
    dl.setLineStyle(LineStyle::Solid);
    dl.drawLine(1, 2, 3, 4, palette::kYellow);
    ASSERT_EQ(dl.primitives().size(), 2U);
    const Primitive& arc = dl.primitives()[0];
    EXPECT_EQ(arc.kind, Primitive::Kind::Arc);
    EXPECT_EQ(arc.style, LineStyle::Dotted);
    EXPECT_EQ(arc.end, 2.5F);
    EXPECT_EQ(dl.primitives()[1].style, LineStyle::Solid);
    EXPECT_EQ(dl.primitives()[1].colour, palette::kYellow);
}

// A line takes the first four numbers, an arc all five; anything not finite is dropped.
struct FiniteCase {
    const char* name;
    float a, b, c, d, e;
    bool lineKept, arcKept;
};

class DisplayListFiniteTest : public ::testing::TestWithParam<FiniteCase> {};

TEST_P(DisplayListFiniteTest, DropsWhatCannotBePainted) {
    const FiniteCase& t = GetParam();
    DisplayList lines, arcs;
    lines.drawLine(t.a, t.b, t.c, t.d, std::nullopt);
    arcs.drawArc(t.a, t.b, t.c, palette::kRed, t.d, t.e);
    EXPECT_EQ(lines.primitives().size(), t.lineKept ? 1U : 0U);
    EXPECT_EQ(arcs.primitives().size(), t.arcKept ? 1U : 0U);
}

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNan = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Coordinates, DisplayListFiniteTest,
    ::testing::Values(FiniteCase{"Largest", 3.4e38F, -3.4e38F, 0, 0, 0, true, true},
                      FiniteCase{"NanFirst", kNan, 2, 3, 4, 5, false, false},
                      FiniteCase{"MinusInfThird", 1, 2, -kInf, 4, 5, false, false},
                      FiniteCase{"NanFourth", 1, 2, 3, kNan, 5, false, false},
                      FiniteCase{"InfFifth", 1, 2, 3, 4, kInf, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace arcwright
