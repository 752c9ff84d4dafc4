// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The eight step buttons: which box a press writes, what it writes, what it refuses, and
// the two flags it drives ("Blade height high!" and the angle bar).
#include <map>
#include <string>
#include <vector>

#include "calculator_harness.h"
#include "model/number_text.h"

namespace arcwright {
namespace {

using testing::expectedCutWidth;
using testing::redraws;
using testing::retype;
using testing::row;
using testing::Session;

// The buttons by their names in the window.
const std::map<std::string, StepButton> kButtons{
    {"Command9", {0.25, true}},    {"Command8", {0.25, false}},    {"Command2", {0.125, true}},
    {"Command3", {0.125, false}},  {"Command6", {0.0625, true}},   {"Command7", {0.0625, false}},
    {"Command5", {0.03125, true}}, {"Command4", {0.03125, false}},
};

Readout rowOf(AdjustTarget target) {
    switch (target) {
        case AdjustTarget::BoardThickness:
            return Readout::Thickness;
        case AdjustTarget::BladeHeight:
            return Readout::BladeHeight;
        case AdjustTarget::BoardWidth:
            break;
    }
    return Readout::Width;
}

Box boxOf(AdjustTarget target) {
    switch (target) {
        case AdjustTarget::BoardThickness:
            return Box::Text3;
        case AdjustTarget::BladeHeight:
            return Box::Text1;
        case AdjustTarget::BoardWidth:
            break;
    }
    return Box::Text4;
}

// Leaves the two flags as earlier presses would have, with the boxes as they are. The only
// presses that raise the warning are refused steps, which need less than half an inch
// between the thickness and the blade: where the boxes have more, the boxes are set to such
// a set-up for the press and put back after it, which hides the warning again.
void leaveFlags(Calculator& calc, bool warned, bool barEnabled) {
    if (!warned && barEnabled) return;
    const std::string thickness = calc.text(Box::Text3);
    const std::string blade = calc.text(Box::Text1);
    const double t = calc.value(Box::Text3);
    const bool elsewhere = !(t >= 0 && t - calc.value(Box::Text1) < 0.5);
    ASSERT_FALSE(elsewhere && warned) << "no press can leave the warning up at these boxes";
    if (elsewhere) {
        calc.editBox(Box::Text3, "0.75");
        calc.editBox(Box::Text1, "0.5");
    }
    if (barEnabled) {
        calc.chooseTarget(AdjustTarget::BladeHeight);
        calc.pressStep({0.25, true});  // refused: raising the blade frees the bar anyway
    } else {
        calc.chooseTarget(AdjustTarget::BoardThickness);
        calc.pressStep({0.25, false});  // refused: the thinning locks the bar
    }
    ASSERT_TRUE(calc.shown(Shown::Label1));
    if (elsewhere) {
        calc.editBox(Box::Text3, thickness);
        calc.editBox(Box::Text1, blade);
    } else if (!warned) {
        calc.editBox(Box::Text3, thickness + " ");  // the same thickness: hides the warning
    }
    ASSERT_EQ(calc.shown(Shown::Label1), warned);
    ASSERT_EQ(calc.angleBarEnabled(), barEnabled);
}

// One press from a set-up. `written` is the target box's new text, empty for a refused
// press, after which all three boxes must read as before. The flags give the state of
// "Blade height high!" and the angle bar before and after.
struct PressRow {
    const char* name;
    AdjustTarget target;
    const char* width;
    const char* thickness;
    const char* blade;
    const char* button;
    bool warnedBefore;
    bool barBefore;
    const char* written;
    const char* row;  // the target's read-out afterwards
    bool warnedAfter;
    bool barAfter;
};

class OnePress : public ::testing::TestWithParam<PressRow> {};

TEST_P(OnePress, WritesOnlyItsTarget) {
    Session s;
    const PressRow& r = GetParam();
    s.calc.chooseTarget(r.target);
    s.calc.editBox(Box::Text4, r.width);
    s.calc.editBox(Box::Text3, r.thickness);
    s.calc.editBox(Box::Text1, r.blade);
    leaveFlags(s.calc, r.warnedBefore, r.barBefore);
    // The target's row as the boxes leave it: the angle box recomputes without touching
    // either flag.
    s.calc.chooseTarget(r.target);
    s.calc.editBox(Box::Text2, "45");
    const std::vector<std::string> before{s.calc.text(Box::Text4), s.calc.text(Box::Text3),
                                          s.calc.text(Box::Text1)};
    (void)s.take();

    s.calc.pressStep(kButtons.at(r.button));

    // A press that changes nothing at all tells nobody.
    const auto events = s.take();
    ASSERT_LE(events.size(), 1U);
    const CalculatorChanges changes = events.empty() ? CalculatorChanges{} : events[0];
    const bool accepted = std::string(r.written) != "";
    const std::vector<Box> boxes{Box::Text4, Box::Text3, Box::Text1};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const bool isTarget = boxes[i] == boxOf(r.target);
        EXPECT_EQ(changes.texts[static_cast<std::size_t>(boxes[i])], isTarget && accepted);
        EXPECT_EQ(s.calc.text(boxes[i]), isTarget && accepted ? r.written : before[i]);
    }
    // The write's own change handling is the one recomputation.
    EXPECT_EQ(redraws(events, View::Picture1), accepted ? 1 : 0);
    if (accepted) {
        EXPECT_EQ(s.calc.label4(), expectedCutWidth(s.calc));
    }
    EXPECT_EQ(row(s.calc, rowOf(r.target)), r.row);
    EXPECT_EQ(s.calc.shown(Shown::Label1), r.warnedAfter);
    EXPECT_EQ(s.calc.angleBarEnabled(), r.barAfter);
}

constexpr auto W = AdjustTarget::BoardWidth;
constexpr auto T = AdjustTarget::BoardThickness;
constexpr auto H = AdjustTarget::BladeHeight;
constexpr const char* kRefused = "";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Presses, OnePress, ::testing::Values(
    //       name                                  opt width     thickness blade      button      warn   bar    written        row              warn   bar
    PressRow{"width 5.875 1/4+ over 6",            W, "5.875",  "0.75",  "0.5",     "Command9", false, true,  kRefused,      "5|7|/|8| in.",  false, true},
    PressRow{"width 5.875 1/8+ reaches 6",         W, "5.875",  "0.75",  "0.5",     "Command2", false, true,  "6.0 in.",     "6|||| in.",     false, true},
    PressRow{"width 6 1/32+ over 6",               W, "6",      "0.75",  "0.5",     "Command5", true,  false, kRefused,      "6|||| in.",     false, true},
    PressRow{"width 4 1/16+",                      W, "4",      "0.75",  "0.5",     "Command6", false, true,  "4.0625 in.",  "4|1|/|16| in.", false, true},
    PressRow{"width 4 1/32- carries",              W, "4",      "0.75",  "0.5",     "Command4", true,  true,  "3.96875 in.", "4||||-in.",     false, true},
    PressRow{"width 2.25 1/4- reaches 2",          W, "2.25",   "0.75",  "0.5",     "Command8", false, false, "2.0 in.",     "2|||| in.",     false, true},
    PressRow{"width 2.0625 1/4- under 2",          W, "2.0625", "0.75",  "0.5",     "Command8", false, false, kRefused,      "2|1|/|16| in.", false, true},
    PressRow{"width 2.0625 1/8- slips under",      W, "2.0625", "0.75",  "0.5",     "Command3", false, false, "1.9375 in.",  "1|15|/|16| in.", false, false},
    PressRow{"width 1.9375 1/4-",                  W, "1.9375", "0.75",  "0.5",     "Command8", false, true,  kRefused,      "1|15|/|16| in.", false, true},
    PressRow{"width 1.9375 1/8-",                  W, "1.9375", "0.75",  "0.5",     "Command3", true,  true,  kRefused,      "1|15|/|16| in.", false, true},
    PressRow{"width 1.9375 1/16-",                 W, "1.9375", "0.75",  "0.5",     "Command7", false, false, kRefused,      "1|15|/|16| in.", false, false},
    PressRow{"width 1.9375 1/32-",                 W, "1.9375", "0.75",  "0.5",     "Command4", false, true,  kRefused,      "1|15|/|16| in.", false, true},
    PressRow{"width 2 1/32- at the limit",         W, "2",      "0.75",  "0.5",     "Command4", false, true,  kRefused,      "2|||| in.",     false, true},
    PressRow{"width 2.03125 1/32- reaches 2",      W, "2.03125", "0.75", "0.5",     "Command4", false, true,  "2.0 in.",     "2|||| in.",     false, true},
    PressRow{"width empty 1/4+",                   W, "",       "0.75",  "0.5",     "Command9", false, true,  "0.25 in.",    "0|1|/|4| in.",  false, true},
    PressRow{"width empty 1/16-",                  W, "",       "0.75",  "0.5",     "Command7", false, true,  kRefused,      "0|||| in.",     false, true},
    PressRow{"width 5 1/2 1/4+",                   W, "5 1/2",  "0.75",  "0.5",     "Command9", false, true,  "5.75 in.",    "5|3|/|4| in.",  false, true},
    PressRow{"thickness 1.875 1/8+ reaches 2",     T, "4",      "1.875", "0.5",     "Command2", false, true,  "2.0 in.",     "2|||| in.",     false, true},
    PressRow{"thickness 2 1/4+",                   T, "4",      "2",     "0.5",     "Command9", false, false, kRefused,      "2|||| in.",     false, true},
    PressRow{"thickness 2 1/32+",                  T, "4",      "2",     "0.5",     "Command5", false, false, kRefused,      "2|||| in.",     false, true},
    PressRow{"thickness 1 1/2 1/8+",               T, "4",      "1 1/2", "0.5",     "Command2", false, true,  "1.625 in.",   "1|5|/|8| in.",  false, true},
    PressRow{"thickness 0.75 1/32- too thin",      T, "4",      "0.75",  "0.5",     "Command4", false, true,  kRefused,      "|3|/|4| in.",   true,  false},
    PressRow{"thickness 0.75 1/4- too thin",       T, "4",      "0.75",  "0.5",     "Command8", false, true,  kRefused,      "|3|/|4| in.",   true,  false},
    PressRow{"thickness 1 1/4- leaves 1/4",        T, "4",      "1",     "0.5",     "Command8", false, false, "0.75 in.",    "|3|/|4| in.",   false, true},
    PressRow{"thickness 0.75 1/8- blade 3/8",      T, "4",      "0.75",  "0.375",   "Command3", false, false, "0.625 in.",   "|5|/|8| in.",   false, false},
    PressRow{"thickness 0.75 1/16- blade 3/8",     T, "4",      "0.75",  "0.375",   "Command7", true,  true,  "0.6875 in.",  "|11|/|16| in.", false, true},
    PressRow{"thickness negative 1/16-",           T, "4",      "-0.5",  "0.5",     "Command7", false, true,  kRefused,      "-1|1|/|2| in.", false, true},
    PressRow{"thickness negative locked bar",      T, "4",      "-0.5",  "0.5",     "Command7", false, false, kRefused,      "-1|1|/|2| in.", false, false},
    PressRow{"blade 0.5 1/32+ too high",           H, "4",      "0.75",  "0.5",     "Command5", false, false, kRefused,      "|1|/|2| in.",   true,  true},
    PressRow{"blade 0.375 1/8+ leaves 1/4",        H, "4",      "0.75",  "0.375",   "Command2", true,  false, "0.5",         "|1|/|2| in.",   false, true},
    PressRow{"blade 0.5 1/16+ plain text",         H, "4",      "1",     "0.5",     "Command6", false, true,  "0.5625",      "|9|/|16| in.",  false, true},
    PressRow{"blade 0.03125 1/32- to 0.0 in.",     H, "4",      "0.75",  "0.03125", "Command4", false, false, "0.0 in.",     "|||| in.",      false, false},
    PressRow{"blade 0.1 1/16- with unit",          H, "4",      "0.75",  "0.1",     "Command7", false, true,  "0.0375 in.",  "||||+in.",      false, true},
    PressRow{"blade 0.25 1/4- to 0",               H, "4",      "0.75",  "0.25",    "Command8", false, false, "0",           "|||| in.",      false, true},
    PressRow{"blade 0.375 1/4- plain text",        H, "4",      "0.75",  "0.375",   "Command8", true,  true,  "0.125",       "|1|/|8| in.",   false, true},
    PressRow{"blade 0.1 1/8- below 0",             H, "4",      "0.75",  "0.1",     "Command3", false, false, kRefused,      "|1|/|8|-in.",   false, false},
    PressRow{"blade 0.1 1/4- below 0",             H, "4",      "0.75",  "0.1",     "Command8", false, false, kRefused,      "|1|/|8|-in.",   false, true}),
    testing::rowName<PressRow>);
// clang-format on

// The flags carried across presses. After each press the trace records "W" or "-" for the
// warning and "E" or "D" for the angle bar.
struct FlagsRow {
    const char* name;
    std::vector<std::string> actions;  // "T", "W", "H" choose a target, others press
    const char* trace;
};

class FlagsAcrossPresses : public ::testing::TestWithParam<FlagsRow> {};

TEST_P(FlagsAcrossPresses, Trace) {
    Session s;
    std::string seen;
    for (const std::string& action : GetParam().actions) {
        if (action == "T") {
            s.calc.chooseTarget(AdjustTarget::BoardThickness);
        } else if (action == "W") {
            s.calc.chooseTarget(AdjustTarget::BoardWidth);
        } else if (action == "H") {
            s.calc.chooseTarget(AdjustTarget::BladeHeight);
        } else {
            s.calc.pressStep(kButtons.at(action));
            if (!seen.empty()) seen += ' ';
            seen += s.calc.shown(Shown::Label1) ? 'W' : '-';
            seen += s.calc.angleBarEnabled() ? 'E' : 'D';
        }
    }
    EXPECT_EQ(seen, GetParam().trace);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, FlagsAcrossPresses,
    ::testing::Values(FlagsRow{"refused thinning locks the bar until a plus",
                               {"T", "Command4", "W", "Command3", "Command7", "Command4",
                                "Command9"},
                               "WD -D -D -D -E"},
                      FlagsRow{"quarter minus on the width frees the bar",
                               {"T", "Command4", "W", "Command8"},
                               "WD -E"},
                      FlagsRow{"quarter minus on the thickness locks it again",
                               {"T", "Command3", "Command8", "Command7"},
                               "WD WD WD"},
                      FlagsRow{"blade steps under a locked bar",
                               {"T", "Command7", "H", "Command4", "Command2", "Command4"},
                               "WD -D WE -E"},
                      FlagsRow{"refused raise keeps the bar free",
                               {"H", "Command5", "Command7", "Command6", "Command6"},
                               "WE -E -E WE"}),
    testing::rowName<FlagsRow>);

// A typed change of the blade height hides the warning but leaves the bar locked.
TEST(StepButtons, TypingHidesTheWarningOnly) {
    Session s;
    s.calc.chooseTarget(T);
    s.calc.pressStep(kButtons.at("Command4"));
    EXPECT_TRUE(s.calc.shown(Shown::Label1));
    retype(s.calc, Box::Text1, "0.25");
    EXPECT_FALSE(s.calc.shown(Shown::Label1));
    EXPECT_FALSE(s.calc.angleBarEnabled());
}

// With the thickness as target no button writes the width or the blade height, whatever it
// decides: up to the 2 in. limit, then down to 1/4 in. above the blade.
TEST(StepButtons, TheThicknessTargetWritesOnlyItsBox) {
    Session s;
    s.calc.chooseTarget(T);
    s.calc.editBox(Box::Text3, "1.5");
    (void)s.take();
    for (const char* name : {"Command9", "Command9", "Command5", "Command2", "Command6", "Command8",
                             "Command3", "Command7", "Command4", "Command8", "Command8", "Command8",
                             "Command8", "Command4", "Command4"}) {
        s.calc.pressStep(kButtons.at(name));
    }
    int thicknessWrites = 0;
    for (const CalculatorChanges& c : s.take()) {
        EXPECT_FALSE(c.texts[static_cast<std::size_t>(Box::Text4)]);
        EXPECT_FALSE(c.texts[static_cast<std::size_t>(Box::Text1)]);
        thicknessWrites += c.texts[static_cast<std::size_t>(Box::Text3)] ? 1 : 0;
    }
    EXPECT_EQ(thicknessWrites, 10);
    EXPECT_EQ(s.calc.text(Box::Text4), "4.0 in.");
    EXPECT_EQ(s.calc.text(Box::Text1), "0.5 in.");
    EXPECT_EQ(s.calc.text(Box::Text3), "0.75 in.");
    EXPECT_TRUE(s.calc.shown(Shown::Label1));
    EXPECT_FALSE(s.calc.angleBarEnabled());
}

}  // namespace
}  // namespace arcwright
