// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator as the woodworker first sees it, and the start-up sequence behind it.
#include "calculator_harness.h"

namespace arcwright {
namespace {

using testing::row;

TEST(StartUp, FirstSight) {
    const Calculator calc;
    EXPECT_EQ(calc.text(Box::Text1), "0.5 in.");
    EXPECT_EQ(calc.text(Box::Text2), "45°");
    EXPECT_EQ(calc.text(Box::Text3), "0.75 in.");
    EXPECT_EQ(calc.text(Box::Text4), "4.0 in.");
    EXPECT_EQ(calc.label3(), "Width of cut =");
    EXPECT_EQ(calc.label4(), "3.082 in.");
    EXPECT_EQ(row(calc, Readout::Cut), "3|1|/|16|+ in.");
    EXPECT_TRUE(calc.shown(Shown::Frame2));
    EXPECT_FALSE(calc.shown(Shown::Label1));
    EXPECT_FALSE(calc.shown(Shown::Label2));
    EXPECT_EQ(calc.angleBarPosition(), 45);
    EXPECT_TRUE(calc.angleBarEnabled());
    EXPECT_EQ(calc.minFraction(), 16);
    EXPECT_EQ(calc.drawScale(), 1000);
    EXPECT_EQ(calc.solution().pointCount, 100);
    EXPECT_EQ(calc.target(), AdjustTarget::BoardWidth);
}

TEST(StartUp, OnlyTheTargetsRowIsRefreshed) {
    const Calculator calc;
    // The width is the adjustment target; the other two rows keep their sample captions.
    EXPECT_EQ(row(calc, Readout::Width), "4|||| in.");
    EXPECT_EQ(row(calc, Readout::Thickness), "|3|/|4|in.");
    EXPECT_EQ(row(calc, Readout::BladeHeight), "|1|/|2|in.");
}

TEST(StartUp, BoxColours) {
    const Calculator calc;
    EXPECT_EQ(calc.colour(Box::Text4), BoxColour::Highlight);
    EXPECT_EQ(calc.colour(Box::Text3), BoxColour::Desktop);
    EXPECT_EQ(calc.colour(Box::Text2), BoxColour::Desktop);
    EXPECT_EQ(calc.colour(Box::Text1), BoxColour::Desktop);
}

struct ScaleRow {
    const char* name;
    View view;
    Scale scale;
};

class StartUpScale : public ::testing::TestWithParam<ScaleRow> {};

TEST_P(StartUpScale, EveryDrawingHasItsScaleAndAFinishedDrawing) {
    const Calculator calc;
    const DisplayList& list = calc.view(GetParam().view);
    const Scale& s = list.scale();
    const Scale& want = GetParam().scale;
    EXPECT_EQ(s.left, want.left);
    EXPECT_EQ(s.top, want.top);
    EXPECT_EQ(s.width, want.width);
    EXPECT_EQ(s.height, want.height);
    EXPECT_FALSE(list.primitives().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Views, StartUpScale,
    ::testing::Values(ScaleRow{"section", View::Picture1, {0, 4000, 8000, -4000}},
                      ScaleRow{"plan", View::Picture2, {0, 15, 15, -15}},
                      ScaleRow{"iso", View::Picture4, {0, 20, 23, -17}}),
    testing::rowName<ScaleRow>);

TEST(StartUp, OkHidesTheSafetyNoteAndNothingElse) {
    Calculator calc;
    (void)calc.takeChanges();
    calc.pressOk();
    EXPECT_FALSE(calc.shown(Shown::Frame2));
    const CalculatorChanges changes = calc.takeChanges();
    EXPECT_EQ(changes.shown.count(), 1U);
    EXPECT_FALSE(changes.views.any() || changes.readouts.any() || changes.texts.any());
    EXPECT_EQ(calc.label4(), "3.082 in.");
}

// Whoever listens is told once an event has run to its end, with everything it changed.
TEST(StartUp, TheListenerHearsOncePerEvent) {
    Calculator calc;
    (void)calc.takeChanges();
    int told = 0;
    CalculatorChanges seen;
    calc.setListener([&] {
        ++told;
        seen = calc.takeChanges();
    });
    calc.chooseTarget(AdjustTarget::BladeHeight);
    calc.pressStep({0.0625, false});  // writes the blade height box, which recomputes
    EXPECT_EQ(told, 2);
    EXPECT_TRUE(seen.texts[static_cast<std::size_t>(Box::Text1)]);
    EXPECT_TRUE(seen.views.all());
    // The same text is no change, and the bar at the angle the box holds writes the same
    // text: nobody is told.
    calc.editBox(Box::Text1, calc.text(Box::Text1));
    calc.moveAngleBar(45);
    EXPECT_EQ(told, 2);
}

}  // namespace
}  // namespace arcwright
