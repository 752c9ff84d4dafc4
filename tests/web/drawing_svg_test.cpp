// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawings as the page draws them: mapped onto the picture as the desktop maps them,
// lines of one stroke joined into one path, arcs turning the desktop's way.
#include "web/drawing_svg.h"

#include <gtest/gtest.h>

#include <array>
#include <numbers>
#include <string>

namespace arcwright::web {
namespace {

struct SvgCase {
    const char* name;
    void (*draw)(DisplayList&);
    const char* svg;
};

// A 104 by 104 picture over user coordinates 0..10 both ways, y down: 10 pixels a unit.
void scaled(DisplayList& d) {
    d.setScale(0, 0, 10, 10);
}

const std::array kCases{
    SvgCase{
        "two_lines_one_path",
        [](DisplayList& d) {
            scaled(d);
            d.drawLine(0, 0, 10, 10, std::nullopt);
            d.drawLine(5, 0, 5, 2.5f, std::nullopt);
        },
        R"(<path fill="none" stroke="currentColor" stroke-width="1" d="M2 2L102 102 M52 2L52 27"/>)"},
    SvgCase{
        "a_new_colour_a_new_path",
        [](DisplayList& d) {
            scaled(d);
            d.drawLine(0, 0, 1, 0, Rgb{255, 0, 0});
            d.setLineStyle(LineStyle::Dotted);
            d.drawLine(0, 1, 1, 1, Rgb{255, 0, 0});
        },
        R"(<path fill="none" stroke="#ff0000" stroke-width="1" d="M2 2L12 2"/>)"
        R"(<path fill="none" stroke="#ff0000" stroke-width="1" stroke-dasharray="1 2" d="M2 12L12 12"/>)"},
    SvgCase{
        "quarter_arc_counter_clockwise",
        [](DisplayList& d) {
            scaled(d);
            d.drawArc(5, 5, 2, Rgb{}, 0, std::numbers::pi_v<float> / 2);
        },
        R"(<path fill="none" stroke="#000000" stroke-width="1" d="M72 52A20 20 0 0 0 52 32"/>)"},
    SvgCase{"y_up_scale",
            [](DisplayList& d) {
                d.setScale(0, 10, 10, -10);
                d.drawLine(0, 0, 10, 10, std::nullopt);
            },
            R"(<path fill="none" stroke="currentColor" stroke-width="1" d="M2 102L102 2"/>)"},
    SvgCase{"polygon",
            [](DisplayList& d) {
                scaled(d);
                const std::array<CanvasPoint, 3> corners{{{0, 0}, {1, 0}, {0, 1}}};
                d.fillPolygon(corners, Rgb{0, 128, 0});
            },
            R"(<polygon stroke="none" fill="#008000" points="2,2 12,2 2,12"/>)"},
    SvgCase{"an_arc_past_any_picture_is_left_out",
            [](DisplayList& d) {
                scaled(d);
                d.drawArc(5, 5, 1e9f, Rgb{}, 0, 1);
            },
            ""},
};

class DrawingSvg : public ::testing::TestWithParam<SvgCase> {};

TEST_P(DrawingSvg, AsTheDesktopMapsIt) {
    DisplayList drawing;
    GetParam().draw(drawing);
    EXPECT_EQ(drawingSvg(drawing, 104, 104), GetParam().svg);
}

INSTANTIATE_TEST_SUITE_P(Web, DrawingSvg, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace arcwright::web
