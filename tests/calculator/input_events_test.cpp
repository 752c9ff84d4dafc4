// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What every input event does: typing, the angle bar, focus, the target options.
#include <string>

#include "calculator_harness.h"

namespace arcwright {
namespace {

using testing::expectedCutWidth;
using testing::redraws;
using testing::retype;
using testing::row;
using testing::Session;

TEST(AngleBar, WritesTheAngleBoxWhichRecomputes) {
    Session s;
    s.calc.moveAngleBar(46);
    EXPECT_EQ(s.calc.text(Box::Text2), "46°");
    const auto events = s.take();
    ASSERT_EQ(events.size(), 1U);
    EXPECT_TRUE(events[0].views.all());
    EXPECT_EQ(s.calc.label4(), expectedCutWidth(s.calc));
    s.calc.moveAngleBar(5);
    EXPECT_EQ(s.calc.text(Box::Text2), "5°");
    EXPECT_EQ(s.calc.label4(), "0.380 in.");
}

// With less than a quarter inch of wood above the blade the bar leaves the angle alone;
// exactly a quarter inch is enough.
TEST(AngleBar, DoesNothingWhileTheBladeIsTooHigh) {
    Session s;
    retype(s.calc, Box::Text1, "0.6");
    const std::string cut = s.calc.label4();
    (void)s.take();
    s.calc.moveAngleBar(46);
    EXPECT_EQ(s.calc.text(Box::Text2), "45°");
    EXPECT_EQ(s.calc.label4(), cut);
    EXPECT_EQ(redraws(s.take(), View::Picture1), 0);
    EXPECT_EQ(s.calc.angleBarPosition(), 46);  // the bar itself did move

    retype(s.calc, Box::Text1, "0.5");
    s.calc.moveAngleBar(47);
    EXPECT_EQ(s.calc.text(Box::Text2), "47°");
}

TEST(AngleBar, ATypedAngleNeverMovesIt) {
    Session s;
    retype(s.calc, Box::Text2, "95");
    EXPECT_EQ(s.calc.angleBarPosition(), 45);
    EXPECT_EQ(s.calc.label4(), expectedCutWidth(s.calc));
}

// Every keystroke is a recomputation of its own (none while the width reads above 6 in.),
// and leaves the result line matching the boxes.
struct TypingRow {
    const char* name;
    Box box;
    const char* typed;
};

class Typing : public ::testing::TestWithParam<TypingRow> {};

TEST_P(Typing, EveryKeystrokeRecomputesOnce) {
    Session s;
    const TypingRow& r = GetParam();
    s.calc.editBox(r.box, "");
    (void)s.take();
    std::string typed;
    for (const char c : std::string(r.typed)) {
        typed += c;
        s.calc.editBox(r.box, typed);
        const auto events = s.take();
        ASSERT_EQ(events.size(), 1U) << typed;
        const bool recomputed = s.calc.value(Box::Text4) <= 6;
        EXPECT_EQ(redraws(events, View::Picture1), recomputed ? 1 : 0) << typed;
        EXPECT_EQ(s.calc.label4(), s.calc.shown(Shown::Label2) ? "" : expectedCutWidth(s.calc))
            << typed;
    }
    EXPECT_EQ(s.calc.text(r.box), r.typed);
}

INSTANTIATE_TEST_SUITE_P(Boxes, Typing,
                         ::testing::Values(TypingRow{"blade 0.25", Box::Text1, "0.25"},
                                           TypingRow{"blade as a fraction", Box::Text1, "3/8 in."},
                                           TypingRow{"angle 30", Box::Text2, "30"},
                                           TypingRow{"width 3.5 turns too wide", Box::Text4, "3.5"},
                                           TypingRow{"width with junk", Box::Text4, "x5"},
                                           TypingRow{"width over 6", Box::Text4, "16.5"},
                                           TypingRow{"thickness", Box::Text3, "1.25"},
                                           TypingRow{"hostile numbers", Box::Text3, "1e999"}),
                         testing::rowName<TypingRow>);

TEST(Typing, AWidthAboveSixKeepsEveryResult) {
    Session s;
    retype(s.calc, Box::Text4, "6");
    EXPECT_EQ(row(s.calc, Readout::Width), "6|||| in.");
    const auto section = s.calc.view(View::Picture1).primitives();
    (void)s.take();
    s.calc.editBox(Box::Text4, "6.");  // still 6
    s.calc.editBox(Box::Text4, "6.5");
    s.calc.editBox(Box::Text4, "7");  // typed over the selection: from 6.5 straight to 7
    EXPECT_EQ(redraws(s.take(), View::Picture4), 1);
    EXPECT_EQ(s.calc.text(Box::Text4), "7");
    EXPECT_EQ(row(s.calc, Readout::Width), "6|||| in.");
    EXPECT_EQ(s.calc.label4(), "3.082 in.");
    EXPECT_EQ(s.calc.view(View::Picture1).primitives().size(), section.size());
}

TEST(Typing, TooWideEmptiesTheResultLineAndComesBack) {
    Session s;
    retype(s.calc, Box::Text4, "3.5");
    EXPECT_TRUE(s.calc.shown(Shown::Label2));
    EXPECT_EQ(s.calc.label4(), "");
    EXPECT_EQ(row(s.calc, Readout::Cut), "||||");
    retype(s.calc, Box::Text4, "4");
    EXPECT_FALSE(s.calc.shown(Shown::Label2));
    EXPECT_EQ(s.calc.label4(), "3.082 in.");
    EXPECT_EQ(row(s.calc, Readout::Cut), "3|1|/|16|+ in.");
}

// The result line and the read-outs of each outcome of the solver.
struct OutcomeRow {
    const char* name;
    const char* blade;
    const char* angle;
    const char* width;
    const char* label4;
    const char* cut16;
};

class Outcomes : public ::testing::TestWithParam<OutcomeRow> {};

TEST_P(Outcomes, ResultLine) {
    Session s;
    const OutcomeRow& r = GetParam();
    s.calc.editBox(Box::Text4, r.width);
    s.calc.editBox(Box::Text2, r.angle);
    s.calc.editBox(Box::Text1, r.blade);
    EXPECT_EQ(s.calc.label4(), r.label4);
    EXPECT_EQ(row(s.calc, Readout::Cut), r.cut16);
    EXPECT_EQ(s.calc.shown(Shown::Label2), std::string(r.label4).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Solver, Outcomes,
    ::testing::Values(OutcomeRow{"start-up", "0.5", "45", "4", "3.082 in.", "3|1|/|16|+ in."},
                      OutcomeRow{"shallow at 30", "0.25", "30", "4", "1.561 in.", "1|9|/|16|- in."},
                      OutcomeRow{"narrow angle", "0.5", "5", "4", "0.380 in.", "0|3|/|8|+ in."},
                      OutcomeRow{"square across", "0.5", "90", "4", "", "||||"},
                      OutcomeRow{"narrow board", "0.5", "45", "3.5", "", "||||"},
                      OutcomeRow{"deep", "0.75", "45", "4", "", "||||"},
                      OutcomeRow{"no blade", "0", "45", "4", "0.000 in.", "0|||| in."},
                      OutcomeRow{"below the table", "-1", "45", "4", "0.000 in.", "0|||| in."},
                      OutcomeRow{"out of reach", "12", "45", "4", "0.000 in.", "0|||| in."}),
    testing::rowName<OutcomeRow>);

TEST(Typing, ATypedBladeHeightNeverShowsTheWarning) {
    Session s;
    retype(s.calc, Box::Text1, "0.7");
    EXPECT_FALSE(s.calc.shown(Shown::Label1));
}

TEST(Focus, TheAngleBoxIsGreyWhileFocused) {
    Session s;
    s.calc.focusAngleBox(true);
    EXPECT_EQ(s.calc.colour(Box::Text2), BoxColour::Grey);
    s.calc.focusAngleBox(false);
    EXPECT_EQ(s.calc.colour(Box::Text2), BoxColour::White);
    EXPECT_EQ(redraws(s.take(), View::Picture1), 0);
}

struct TargetRow {
    const char* name;
    AdjustTarget target;
    Box highlighted;
};

class Targets : public ::testing::TestWithParam<TargetRow> {};

// Choosing a target only recolours the three length boxes.
TEST_P(Targets, RecolourOnly) {
    Session s;
    s.calc.chooseTarget(AdjustTarget::BladeHeight);
    (void)s.take();
    s.calc.chooseTarget(GetParam().target);
    EXPECT_EQ(s.calc.target(), GetParam().target);
    for (const Box box : {Box::Text1, Box::Text3, Box::Text4}) {
        EXPECT_EQ(s.calc.colour(box),
                  box == GetParam().highlighted ? BoxColour::Highlight : BoxColour::White);
    }
    EXPECT_EQ(s.calc.colour(Box::Text2), BoxColour::Desktop);
    for (const CalculatorChanges& c : s.take()) {
        EXPECT_FALSE(c.views.any() || c.readouts.any() || c.texts.any());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, Targets,
    ::testing::Values(TargetRow{"thickness", AdjustTarget::BoardThickness, Box::Text3},
                      TargetRow{"blade", AdjustTarget::BladeHeight, Box::Text1},
                      TargetRow{"width", AdjustTarget::BoardWidth, Box::Text4}),
    testing::rowName<TargetRow>);

}  // namespace
}  // namespace arcwright
