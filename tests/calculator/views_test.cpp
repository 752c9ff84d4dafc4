// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three drawings the calculator keeps: drawn again by every recomputation, the
// isometric view kept while a warning is up.
#include <algorithm>
#include <cmath>

#include "calculator_harness.h"

namespace arcwright {
namespace {

using testing::redraws;
using testing::Session;

bool hasLine(const DisplayList& list, float x1, float y1, float x2, float y2,
             std::optional<Rgb> colour) {
    return std::any_of(list.primitives().begin(), list.primitives().end(), [&](const Primitive& p) {
        return p.kind == Primitive::Kind::Line && p.colour == colour && std::abs(p.x1 - x1) < 1 &&
               std::abs(p.y1 - y1) < 1 && std::abs(p.x2 - x2) < 1 && std::abs(p.y2 - y2) < 1;
    });
}

// The white line that opens the mouth of the cove across the board's face.
bool mouthOpen(const Calculator& calc) {
    return std::any_of(calc.view(View::Picture1).primitives().begin(),
                       calc.view(View::Picture1).primitives().end(),
                       [](const Primitive& p) { return p.colour == palette::kBrightWhite; });
}

TEST(Views, TheSectionShowsTheCoveUntilTheCutIsTooWide) {
    Session s;
    const DisplayList& section = s.calc.view(View::Picture1);
    // The board, 4 by 3/4 in. centred in the 8 by 4 in. field, and the open mouth.
    EXPECT_TRUE(hasLine(section, 2000, 1625, 6000, 1625, std::nullopt));
    EXPECT_TRUE(mouthOpen(s.calc));
    s.calc.editBox(Box::Text4, "3.5");
    EXPECT_TRUE(s.calc.shown(Shown::Label2));
    EXPECT_FALSE(mouthOpen(s.calc));
    EXPECT_EQ(section.primitives().size(), 4U);  // the board alone
}

TEST(Views, ThePlanFollowsTheAngleAndTheShownCut) {
    Session s;
    s.calc.editBox(Box::Text2, "90");
    // Square across the blade, the board's near edge runs level through the centre.
    EXPECT_TRUE(hasLine(s.calc.view(View::Picture2), 15, 7.5f, 0, 7.5f, palette::kLightRed));
    // Too wide: the two dotted cove edges meet on the board's centre line.
    s.calc.editBox(Box::Text4, "3");
    std::vector<Primitive> dotted;
    for (const Primitive& p : s.calc.view(View::Picture2).primitives()) {
        if (p.style == LineStyle::Dotted) dotted.push_back(p);
    }
    ASSERT_EQ(dotted.size(), 2U);
    EXPECT_EQ(dotted[0].y1, dotted[1].y1);
}

TEST(Views, TheIsometricViewKeepsItsDrawingWhileAWarningIsUp) {
    Session s;
    const auto before = s.calc.view(View::Picture4).primitives();
    const auto same = [&] {
        const auto& now = s.calc.view(View::Picture4).primitives();
        return now.size() == before.size() &&
               std::equal(now.begin(), now.end(), before.begin(), [](const auto& a, const auto& b) {
                   return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
               });
    };

    s.calc.editBox(Box::Text4, "3");  // too wide
    s.calc.clickIsoView();
    EXPECT_TRUE(same());

    // Blade height high, from a refused 1/32 step on the blade height.
    s.calc.editBox(Box::Text4, "4");
    s.calc.chooseTarget(AdjustTarget::BladeHeight);
    s.calc.editBox(Box::Text3, "0.75");
    s.calc.pressStep({0.03125, true});
    EXPECT_TRUE(s.calc.shown(Shown::Label1));
    (void)s.take();
    s.calc.editBox(Box::Text2, "30");  // the angle box does not hide the warning
    s.calc.clickIsoView();
    EXPECT_EQ(redraws(s.take(), View::Picture4), 0);
    EXPECT_TRUE(same());

    // Both warnings gone: the next drawing catches up with the boxes.
    s.calc.editBox(Box::Text1, "0.5 ");
    EXPECT_FALSE(same());
}

TEST(Views, AClickOnTheIsometricViewDrawsItAgain) {
    Session s;
    s.calc.clickIsoView();
    const auto events = s.take();
    ASSERT_EQ(events.size(), 1U);
    EXPECT_EQ(redraws(events, View::Picture4), 1);
    EXPECT_EQ(redraws(events, View::Picture1), 0);
}

// However deep the blade or wild the boxes, every drawing stays within what its tables hold
// and holds only finite coordinates.
TEST(Views, HostileBoxesDrawOnlyFiniteLines) {
    Session s;
    for (const char* blade : {"4.99", "9.99", "12", "-3", "1e308", "nan"}) {
        for (const char* width : {"6", "1e30", "-4", "abc"}) {
            s.calc.editBox(Box::Text4, width);
            s.calc.editBox(Box::Text1, blade);
            for (const View v : {View::Picture1, View::Picture2, View::Picture4}) {
                for (const Primitive& p : s.calc.view(v).primitives()) {
                    ASSERT_TRUE(std::isfinite(p.x1) && std::isfinite(p.y1) && std::isfinite(p.x2) &&
                                std::isfinite(p.y2))
                        << blade << " " << width;
                }
            }
            EXPECT_EQ(s.calc.label4().find("nan"), std::string::npos);
            EXPECT_EQ(s.calc.label4().find("inf"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace arcwright
