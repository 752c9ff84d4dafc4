// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shop-fraction read-outs below the length boxes: the adjustment target's row after
// every recomputation, all three rows when the resolution is switched.
#include <optional>
#include <vector>

#include "calculator_harness.h"

namespace arcwright {
namespace {

using testing::redraws;
using testing::retype;
using testing::row;
using testing::Session;

// What the rows show before any refresh of their own.
constexpr const char* kDesignWidth = "4|||| in.";  // already refreshed at start-up
constexpr const char* kDesignThickness = "|3|/|4|in.";
constexpr const char* kDesignBlade = "|1|/|2|in.";

struct AdjustedRow {
    const char* name;
    AdjustTarget target;
    Box box;
    const char* text;
    const char* width;
    const char* thickness;
    const char* blade;
};

class AdjustedReadout : public ::testing::TestWithParam<AdjustedRow> {};

// One box write, one recomputation: only the target's row is rewritten, then the isometric
// view is drawn again (or kept, while a warning is up).
TEST_P(AdjustedReadout, FollowsItsBox) {
    Session s;
    const AdjustedRow& r = GetParam();
    s.calc.chooseTarget(r.target);
    // Choosing a target refreshes nothing by itself.
    EXPECT_EQ(row(s.calc, Readout::Width), kDesignWidth);
    EXPECT_EQ(row(s.calc, Readout::Thickness), kDesignThickness);
    EXPECT_EQ(row(s.calc, Readout::BladeHeight), kDesignBlade);
    (void)s.take();

    s.calc.editBox(r.box, r.text);
    const auto events = s.take();
    EXPECT_EQ(redraws(events, View::Picture1), 1);
    EXPECT_EQ(redraws(events, View::Picture4), s.calc.shown(Shown::Label2) ? 0 : 1);
    EXPECT_EQ(row(s.calc, Readout::Width), r.width);
    EXPECT_EQ(row(s.calc, Readout::Thickness), r.thickness);
    EXPECT_EQ(row(s.calc, Readout::BladeHeight), r.blade);
}

constexpr auto W = AdjustTarget::BoardWidth;
constexpr auto T = AdjustTarget::BoardThickness;
constexpr auto H = AdjustTarget::BladeHeight;

INSTANTIATE_TEST_SUITE_P(
    Rows, AdjustedReadout,
    ::testing::Values(AdjustedRow{"width 4", W, Box::Text4, "4", kDesignWidth, kDesignThickness,
                                  kDesignBlade},
                      AdjustedRow{"width 0.3 keeps its zero whole", W, Box::Text4, "0.3",
                                  "0|5|/|16|-in.", kDesignThickness, kDesignBlade},
                      AdjustedRow{"width 3.5 too wide still refreshed", W, Box::Text4, "3.5",
                                  "3|1|/|2| in.", kDesignThickness, kDesignBlade},
                      AdjustedRow{"width 4.03 below one unit", W, Box::Text4, "4.03", "4||||+in.",
                                  kDesignThickness, kDesignBlade},
                      AdjustedRow{"width not a number", W, Box::Text4, "abc", "0|||| in.",
                                  kDesignThickness, kDesignBlade},
                      AdjustedRow{"width 5 1/2 typed as a fraction", W, Box::Text4, "5 1/2",
                                  "5|1|/|2| in.", kDesignThickness, kDesignBlade},
                      AdjustedRow{"thickness 0.8 rounds up", T, Box::Text3, "0.8", kDesignWidth,
                                  "|13|/|16|-in.", kDesignBlade},
                      AdjustedRow{"thickness 0.07 rounds down", T, Box::Text3, "0.07", kDesignWidth,
                                  "|1|/|16|+in.", kDesignBlade},
                      AdjustedRow{"thickness 2.97 carries", T, Box::Text3, "2.97", kDesignWidth,
                                  "3||||-in.", kDesignBlade},
                      AdjustedRow{"thickness 0.75 exact", T, Box::Text3, "0.75", kDesignWidth,
                                  "|3|/|4| in.", kDesignBlade},
                      AdjustedRow{"blade 0.53", H, Box::Text1, "0.53", kDesignWidth,
                                  kDesignThickness, "|1|/|2|+in."},
                      AdjustedRow{"blade empty reads 0", H, Box::Text1, "", kDesignWidth,
                                  kDesignThickness, "|||| in."},
                      AdjustedRow{"thickness changed width selected", W, Box::Text3, "0.8",
                                  kDesignWidth, kDesignThickness, kDesignBlade},
                      AdjustedRow{"blade changed thickness selected", T, Box::Text1, "0.3",
                                  kDesignWidth, "|3|/|4| in.", kDesignBlade},
                      AdjustedRow{"angle changed blade selected", H, Box::Text2, "30", kDesignWidth,
                                  kDesignThickness, "|1|/|2| in."}),
    testing::rowName<AdjustedRow>);

// A row not selected shows what it showed when last refreshed, not its box.
TEST(AdjustedReadout, AnUnselectedRowKeepsItsLastRefresh) {
    Session s;
    s.calc.chooseTarget(T);
    s.calc.editBox(Box::Text3, "0.8");
    EXPECT_EQ(row(s.calc, Readout::Thickness), "|13|/|16|-in.");
    s.calc.chooseTarget(W);
    s.calc.editBox(Box::Text3, "1.5");
    s.calc.editBox(Box::Text4, "4.5");
    EXPECT_EQ(row(s.calc, Readout::Thickness), "|13|/|16|-in.");
    EXPECT_EQ(row(s.calc, Readout::Width), "4|1|/|2| in.");
    s.calc.chooseTarget(T);
    EXPECT_EQ(row(s.calc, Readout::Thickness), "|13|/|16|-in.");
    s.calc.editBox(Box::Text2, "40");
    EXPECT_EQ(row(s.calc, Readout::Thickness), "1|1|/|2| in.");
    EXPECT_EQ(row(s.calc, Readout::Width), "4|1|/|2| in.");
}

TEST(AdjustedReadout, EveryKeystrokeRefreshesTheRow) {
    Session s;
    s.calc.chooseTarget(T);
    (void)s.take();
    retype(s.calc, Box::Text3, "0.8");  // "", "0", "0.", "0.8"
    EXPECT_EQ(redraws(s.take(), View::Picture4), 4);
    EXPECT_EQ(row(s.calc, Readout::Thickness), "|13|/|16|-in.");
}

// Choosing a resolution rewrites all three rows from the boxes as they stand, with the
// spaced marks, and recomputes and redraws nothing.
struct ResolutionRow {
    const char* name;
    const char* width;
    const char* thickness;
    const char* blade;
    std::vector<int> chosen;  // in this order
    int minFraction;
    const char* widthRow;
    const char* thicknessRow;
    const char* bladeRow;
};

class Resolution : public ::testing::TestWithParam<ResolutionRow> {};

TEST_P(Resolution, RewritesAllRows) {
    Session s;
    const ResolutionRow& r = GetParam();
    s.calc.editBox(Box::Text4, r.width);
    s.calc.editBox(Box::Text3, r.thickness);
    s.calc.editBox(Box::Text1, r.blade);
    const std::string cutLine = s.calc.label4() + "|" + row(s.calc, Readout::Cut);
    const auto iso = s.calc.view(View::Picture4).primitives().size();
    (void)s.take();

    for (const int denominator : r.chosen) s.calc.chooseResolution(denominator);

    EXPECT_EQ(s.calc.minFraction(), r.minFraction);
    EXPECT_EQ(row(s.calc, Readout::Width), r.widthRow);
    EXPECT_EQ(row(s.calc, Readout::Thickness), r.thicknessRow);
    EXPECT_EQ(row(s.calc, Readout::BladeHeight), r.bladeRow);
    for (const CalculatorChanges& c : s.take()) EXPECT_FALSE(c.views.any());
    EXPECT_EQ(s.calc.label4() + "|" + row(s.calc, Readout::Cut), cutLine);
    EXPECT_EQ(s.calc.view(View::Picture4).primitives().size(), iso);
}

INSTANTIATE_TEST_SUITE_P(Rows, Resolution,
                         ::testing::Values(ResolutionRow{"start-up set-up at 32nds",
                                                         "4.0 in.",
                                                         "0.75 in.",
                                                         "0.5 in.",
                                                         {32},
                                                         32,
                                                         "4|||| in.",
                                                         "|3|/|4| in",
                                                         "|1|/|2| in."},
                                           ResolutionRow{"thickness 0.8 at 32nds",
                                                         "4",
                                                         "0.8",
                                                         "0.5",
                                                         {32},
                                                         32,
                                                         "4|||| in.",
                                                         "|13|/|16|- in.",
                                                         "|1|/|2| in."},
                                           ResolutionRow{"thickness 0.8 back at 16ths",
                                                         "4",
                                                         "0.8",
                                                         "0.5",
                                                         {32, 16},
                                                         16,
                                                         "4|||| in.",
                                                         "|13|/|16|- in.",
                                                         "|1|/|2| in."},
                                           ResolutionRow{"width 0.3 loses its zero whole",
                                                         "0.3",
                                                         "0.75",
                                                         "0.5",
                                                         {32},
                                                         32,
                                                         "|5|/|16|- in.",
                                                         "|3|/|4| in",
                                                         "|1|/|2| in."},
                                           ResolutionRow{"width 4.03 below one 32nd",
                                                         "4.03",
                                                         "0.75",
                                                         "0.5",
                                                         {32},
                                                         32,
                                                         "4||||+in.",
                                                         "|3|/|4| in",
                                                         "|1|/|2| in."},
                                           ResolutionRow{"odd 32nds stay unreduced",
                                                         "1.28125",
                                                         "0.97",
                                                         "0.03125",
                                                         {32},
                                                         32,
                                                         "1|9|/|32| in.",
                                                         "|31|/|32|+ in.",
                                                         "|1|/|32| in."},
                                           ResolutionRow{"same values at 16ths",
                                                         "1.28125",
                                                         "0.97",
                                                         "0.03125",
                                                         {32, 16},
                                                         16,
                                                         "1|5|/|16|- in.",
                                                         "1||||- in.",
                                                         "||||+in."},
                                           ResolutionRow{"16ths chosen again at start-up",
                                                         "4.0 in.",
                                                         "0.75 in.",
                                                         "0.5 in.",
                                                         {16},
                                                         16,
                                                         "4|||| in.",
                                                         "|3|/|4| in",
                                                         "|1|/|2| in."},
                                           ResolutionRow{
                                               "thickness changed width selected rewritten",
                                               "4.0 in.",
                                               "0.8",
                                               "0.5 in.",
                                               {16},
                                               16,
                                               "4|||| in.",
                                               "|13|/|16|- in.",
                                               "|1|/|2| in."}),
                         testing::rowName<ResolutionRow>);

// Choosing the resolution already chosen rewrites the rows again, so the row last refreshed
// by a recomputation switches to the spaced marks; the next recomputation switches it back.
TEST(Resolution, ChoosingTheSameOneAgain) {
    Session s;
    s.calc.editBox(Box::Text4, "4.3");
    EXPECT_EQ(row(s.calc, Readout::Width), "4|5|/|16|-in.");
    s.calc.chooseResolution(16);
    EXPECT_EQ(row(s.calc, Readout::Width), "4|5|/|16|- in.");
    EXPECT_EQ(row(s.calc, Readout::Thickness), "|3|/|4| in");

    s.calc.chooseResolution(32);
    s.calc.chooseTarget(T);
    s.calc.editBox(Box::Text3, "0.75");
    EXPECT_EQ(row(s.calc, Readout::Thickness), "|3|/|4| in.");
    s.calc.chooseResolution(32);
    EXPECT_EQ(s.calc.minFraction(), 32);
    EXPECT_EQ(row(s.calc, Readout::Thickness), "|3|/|4| in");
    EXPECT_EQ(row(s.calc, Readout::Width), "4|5|/|16|- in.");  // 9.6 32nds

    s.calc.editBox(Box::Text2, "45");
    EXPECT_EQ(row(s.calc, Readout::Thickness), "|3|/|4| in.");
}

// The result line keeps its resolution until the next recomputation.
TEST(Resolution, TheCutWidthTakesItAtTheNextRecomputation) {
    Session s;
    EXPECT_EQ(row(s.calc, Readout::Cut), "3|1|/|16|+ in.");
    s.calc.chooseResolution(32);
    EXPECT_EQ(row(s.calc, Readout::Cut), "3|1|/|16|+ in.");
    s.calc.editBox(Box::Text2, "45");  // the same angle, a new text
    EXPECT_EQ(s.calc.label4(), "3.082 in.");
    EXPECT_EQ(row(s.calc, Readout::Cut), "3|3|/|32|- in.");
    EXPECT_EQ(row(s.calc, Readout::Width), "4|||| in.");
}

// What the planner takes from the calculator: the cut width the result line shows, as a
// number, and nothing while the line is empty because the cut is too wide.
struct ShownCut {
    const char* name;
    const char* angle;  // Text2
    const char* blade;  // Text1
    const char* line;   // Label4
    std::optional<double> width;
};

class ShownCutWidth : public ::testing::TestWithParam<ShownCut> {};

TEST_P(ShownCutWidth, IsTheResultLinesNumber) {
    Session s;
    const ShownCut& c = GetParam();
    s.calc.editBox(Box::Text2, c.angle);
    s.calc.editBox(Box::Text1, c.blade);
    EXPECT_EQ(s.calc.label4(), c.line);
    EXPECT_EQ(s.calc.shownCutWidth(), c.width);
}

INSTANTIATE_TEST_SUITE_P(Calculator, ShownCutWidth,
                         ::testing::Values(ShownCut{"at_45", "45", "0.5", "3.082 in.", 3.082},
                                           ShownCut{"at_30", "30", "0.5", "2.179 in.", 2.179},
                                           ShownCut{"too_wide", "89.9", "3", "", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace arcwright
