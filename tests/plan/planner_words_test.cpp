// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's and the saw view's sentences as the core says them: each refusal for the
// set-up typed, in both units; phrases inside a sentence said by the front end as well; the
// lines at the saw pass by pass; and the count at the saw kept by the session.
#include "plan/planner_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plan/saw_session.h"
#include "plan/saw_words.h"
#include "shouted_words.h"

namespace arcwright {
namespace {

using shouting::leaksEnglish;
using shouting::shouted;

using Boxes = std::vector<std::pair<PlanBox, const char*>>;

PlannerModel typed(const Boxes& boxes, LengthUnit unit = LengthUnit::Inch) {
    PlannerModel model;
    model.chooseUnit(unit);
    for (const auto& [box, text] : boxes) model.typeText(box, text);
    return model;
}

// The worked example: a 3 in. cove 5/8 in. deep in a 4 1/2 x 1 1/4 in. board.
const Boxes kWorked = {{PlanBox::CoveWidth, "3"},
                       {PlanBox::CoveDepth, "5/8"},
                       {PlanBox::BoardWidth, "4 1/2"},
                       {PlanBox::BoardThickness, "1 1/4"}};

Boxes with(Boxes boxes, const Boxes& more) {
    boxes.insert(boxes.end(), more.begin(), more.end());
    return boxes;
}

// ---- the status line --------------------------------------------------------------------

TEST(StatusSentence, NamesWhatStopsThePlan) {
    using enum PlanBox;
    const struct {
        const char* name;
        Boxes boxes;
        LengthUnit unit;
        const char* status;
    } rows[] = {
        {"cuts", kWorked, LengthUnit::Inch, ""},
        {"empty box", with(kWorked, {{CoveWidth, ""}}), LengthUnit::Inch,
         "Cove width is empty: type a length, e.g. 3 1/2, 3.5 in., 89 mm or 8.9 cm."},
        {"below zero", with(kWorked, {{CoveWidth, "-3"}}), LengthUnit::Inch,
         "Cove width must be more than zero: type a length, e.g. 3 1/2, 3.5 in., 89 mm or 8.9 "
         "cm."},
        {"kerf below zero", with(kWorked, {{Kerf, "-1/8"}}), LengthUnit::Inch,
         "Kerf cannot be less than zero: type 0 or a length, e.g. 3 1/2, 3.5 in., 89 mm or 8.9 "
         "cm."},
        {"not a length", with(kWorked, {{BoardThickness, "thick"}}), LengthUnit::Inch,
         "Board thickness is not a length: type e.g. 3 1/2, 3.5 in., 89 mm or 8.9 cm."},
        {"tilt not an angle", with(kWorked, {{Tilt, "steep"}}), LengthUnit::Inch,
         "Blade tilt is not an angle: type the tilt in degrees from 0 to 45, e.g. 30, or leave "
         "it empty for an upright blade."},
        {"tilt past 45", with(kWorked, {{Tilt, "50"}}), LengthUnit::Inch,
         "A table saw's blade tilts no further than 45°: type a tilt from 0 to 45."},
        {"through the board", with(kWorked, {{BoardThickness, "1/2"}}), LengthUnit::Inch,
         "The blade would come through the back of a 0.5 in. (1/2 in.) board: use a thicker "
         "board or a shallower cove."},
        {"through the board, mm",
         {{CoveWidth, "76"}, {CoveDepth, "16"}, {BoardWidth, "114"}, {BoardThickness, "12"}},
         LengthUnit::Millimetre,
         "The blade would come through the back of a 12.0 mm board: use a thicker board or a "
         "shallower cove."},
        {"wider than the board", with(kWorked, {{BoardWidth, "2"}}), LengthUnit::Inch,
         "The cove is wider than the 2.0 in. (2 in.) board: use a wider board or a narrower "
         "cove."},
        {"no pass depth", with(kWorked, {{PassDepth, "0"}}), LengthUnit::Inch,
         "Enter how far to raise the blade between passes, above 0, e.g. 1/16 in."},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(english(statusSentence(typed(row.boxes, row.unit))), row.status) << row.name;
    }
}

// ---- phrases said by the front end -------------------------------------------------------

// Each translated pattern in brackets: a phrase said inside a sentence brings its own.
std::string bracketed(const Sentence& s) {
    if (std::string_view(s.context).empty()) return fillSentence(s.text, s, bracketed);
    return "[" + fillSentence(s.text, s, bracketed) + "]";
}

TEST(PlannerWords, PhrasesGoThroughTheFrontEndsWords) {
    const PlannerModel tilted = typed(with(kWorked, {{PlanBox::Tilt, "20"}}));
    const struct {
        const char* name;
        Sentence sentence;
        std::string said;
    } rows[] = {
        {"box name", badBoxSentence(PlanBox::Kerf, BoxFault::NotALength),
         "[[Kerf] is not a length: type e.g. 3 1/2, 3.5 in., 89 mm or 8.9 cm.]"},
        {"no fault, no sentence", badBoxSentence(PlanBox::Kerf, BoxFault::None), ""},
        {"wood alone is a length", woodSentence(0.5, false, LengthUnit::Inch), "0.5 in. (1/2 in.)"},
        {"thin wood", woodSentence(0.125, true, LengthUnit::Inch),
         "[0.125 in. (1/8 in.), less than 1/4 in.!]"},
        {"no wood, mm", woodSentence(-0.1, true, LengthUnit::Millimetre),
         "[none: the cove runs off the board, less than 6.4 mm!]"},
        {"mark found", markSentence(2.25, LengthUnit::Inch), "2.25 in. (2 1/4 in.)"},
        {"mark too far, mm", markSentence(std::nullopt, LengthUnit::Millimetre),
         "[more than 914.4 mm away: use the other mark]"},
        {"walls", wallsCell(0.5, 0.75, LengthUnit::Inch), "[0.5 in. / 0.75 in.]"},
        {"lean", leanPhrase(BladeLean::AwayFromFence), "[away from the fence]"},
        {"upright centre point", findingTheDeepestLine(typed(kWorked)),
         bracketed(findingTheCentrePoint())},
    };
    for (const auto& row : rows) EXPECT_EQ(bracketed(row.sentence), row.said) << row.name;
    // A tilted blade's deepest line names the lean in a phrase of its own.
    EXPECT_NE(bracketed(findingTheDeepestLine(tilted)).find(", [toward the fence], where"),
              std::string::npos);
}

// Every sentence of the window, for set-ups that reach each of them, goes through the front
// end's words: no English is left in lower case when the front end shouts.
TEST(PlannerWords, NoEnglishBypassesTheFrontEnd) {
    using enum PlanBox;
    const std::vector<PlannerModel> models = {
        typed(kWorked),
        typed(with(kWorked, {{Tilt, "30"}})),
        typed(with(kWorked, {{Tilt, "30"}, {CoveWidth, "1/16"}})),
        typed(with(kWorked, {{CoveOffset, "0"}}), LengthUnit::Millimetre),
        typed(with(kWorked, {{CoveOffset, "3"}})),
        typed(with(kWorked, {{CoveDepth, "6"}})),
        typed(with(kWorked, {{CoveWidth, "12"}, {BoardWidth, "14"}})),
        typed(with(kWorked, {{PassDepth, "1/1000"}})),
        typed(with(kWorked, {{Kerf, "0"}, {PassDepth, "1/4"}, {BoardWidth, "2.9"}})),
    };
    for (const PlannerModel& model : models) {
        std::vector<Sentence> all = {statusSentence(model), findingTheDeepestLine(model),
                                     calculatorNote(model), sawFooter(model)};
        for (const Sentence& s : planWarnings(model)) all.push_back(s);
        for (const Sentence& s : model.cautions()) all.push_back(s);
        for (const Sentence& s : all) EXPECT_FALSE(leaksEnglish(shouted(s))) << english(s);
    }
}

TEST(PlannerWords, CalculatorNoteSaysWhyItDiffers) {
    using enum PlanBox;
    const struct {
        const char* name;
        Boxes boxes;
        std::string shownCut;
        const char* note;
    } rows[] = {
        {"ideal blade", with(kWorked, {{Kerf, "0"}}), "3",
         "The calculator has this set-up and shows a cut 3 wide."},
        {"too wide", with(kWorked, {{Kerf, "0"}}), "",
         "The calculator has this set-up and shows \"Cut is too wide!\"."},
        {"kerf", kWorked, "2 7/8",
         "The calculator has this set-up. It works out a 10 in. blade with no kerf, so it shows "
         "a cut 2 7/8 wide, where your blade cuts 3.0 in. wide."},
        {"tilted", with(kWorked, {{Tilt, "15"}}), "2 7/8",
         "The calculator has this set-up. It works out an upright 10 in. blade with no kerf, so "
         "it shows a cut 2 7/8 wide, where your blade, tilted 15.0°, cuts 3.0 in. wide."},
    };
    for (const auto& row : rows) {
        PlannerModel model = typed(row.boxes);
        EXPECT_TRUE(calculatorNote(model).empty()) << row.name;
        model.echoFromCalculator({row.shownCut});
        EXPECT_EQ(english(calculatorNote(model)), row.note) << row.name;
    }
}

// ---- at the saw ---------------------------------------------------------------------------

TEST(SawWords, OrdinalsOfTheOutlinesDrawn) {
    const struct {
        int every;
        const char* note;
    } rows[] = {
        {1, ""},
        {2, "Every 2nd outline is drawn, with the first, this one and the last."},
        {3, "Every 3rd outline is drawn, with the first, this one and the last."},
        {4, "Every 4th outline is drawn, with the first, this one and the last."},
        {11, "Every 11th outline is drawn, with the first, this one and the last."},
        {12, "Every 12th outline is drawn, with the first, this one and the last."},
        {13, "Every 13th outline is drawn, with the first, this one and the last."},
        {21, "Every 21st outline is drawn, with the first, this one and the last."},
        {22, "Every 22nd outline is drawn, with the first, this one and the last."},
        {23, "Every 23rd outline is drawn, with the first, this one and the last."},
        {101, "Every 101st outline is drawn, with the first, this one and the last."},
        {111, "Every 111th outline is drawn, with the first, this one and the last."},
    };
    SawSession session;
    session.follow(typed(kWorked));
    for (const auto& row : rows) {
        EXPECT_EQ(sawTexts(session.steps(), LengthUnit::Inch, row.every).note, row.note)
            << row.every;
    }
}

TEST(SawWords, PassByPass) {
    SawSession session;
    session.follow(typed(kWorked));
    ASSERT_EQ(session.steps().count(), 10);
    const struct {
        int passesMade;
        const char* pass;
        const char* height;
        const char* rise;
        const char* final;
        const char* spoken;
    } rows[] = {
        {0, "Pass 1 of 10", "0.0625 in. (1/16 in.)", "The first pass, up from the table", "",
         "Pass 1 of 10. Set the blade to 0.0625 in. (1/16 in.). The first pass, up from the "
         "table. Leaves the cove 1.0442 in. wide. Then make the pass."},
        {1, "Pass 2 of 10", "0.125 in. (1/8 in.)", "0.0625 in. (1/16 in.) higher than pass 1", "",
         nullptr},
        {9, "Pass 10 of 10", "0.625 in. (5/8 in.)", "0.0625 in. (1/16 in.) higher than pass 9",
         "Final height: this pass cuts the cove to full depth.", nullptr},
        {10, "Done: 10 of 10", "0.625 in. (5/8 in.)", "", "", nullptr},
    };
    for (const auto& row : rows) {
        session.resumeAt(row.passesMade);
        const SawTexts t = sawTexts(session.steps(), LengthUnit::Inch, 1);
        EXPECT_EQ(t.pass, row.pass);
        EXPECT_EQ(t.height, row.height) << row.pass;
        EXPECT_EQ(t.rise, row.rise) << row.pass;
        EXPECT_EQ(t.final, row.final) << row.pass;
        if (row.spoken) {
            EXPECT_EQ(t.spoken, row.spoken);
        }
        EXPECT_FALSE(leaksEnglish(sawTexts(session.steps(), LengthUnit::Inch, 3, shouted).spoken))
            << row.pass;
    }
}

TEST(SawWords, SetUpPageSaysTheFenceAndTheTilt) {
    using enum PlanBox;
    const struct {
        const char* name;
        Boxes boxes;
        const char* height;
        const char* final;
        const char* footer;
    } rows[] = {
        {"upright", kWorked, "36.8° to the blade", "Blade upright, not tilted",
         "Fence in front of the blade's centre, the board behind it: feed from the front of the "
         "saw toward the back."},
        {"tilted", with(kWorked, {{Tilt, "30"}}), nullptr, "Blade tilted 30.0° toward the fence",
         nullptr},
        {"leaning away", with(kWorked, {{Tilt, "30"}}), nullptr,
         "Blade tilted 30.0° away from the fence", nullptr},
    };
    for (const auto& row : rows) {
        PlannerModel model = typed(row.boxes);
        if (std::string_view(row.name) == "leaning away")
            model.chooseLean(BladeLean::AwayFromFence);
        SawSession session;
        session.follow(model);
        const SawTexts t = setUpTexts(session.steps(), session.fence(), LengthUnit::Inch, 1);
        EXPECT_EQ(t.pass, "Set up the saw") << row.name;
        EXPECT_EQ(t.setLine, "Clamp the fence at") << row.name;
        if (row.height) {
            EXPECT_EQ(t.height, row.height) << row.name;
        }
        EXPECT_EQ(t.final, row.final) << row.name;
        EXPECT_EQ(t.rise.rfind("Blade-line mark ", 0), 0u) << row.name;
        EXPECT_EQ(t.then.rfind("Fence in front of the blade, front ", 0), 0u) << row.name;
        if (row.footer) {
            EXPECT_EQ(english(session.footer()), row.footer) << row.name;
        }
        EXPECT_FALSE(leaksEnglish(
            setUpTexts(session.steps(), session.fence(), LengthUnit::Inch, 1, shouted).spoken))
            << row.name;
    }
}

TEST(SawSession, KeepsTheCountAsAJobLeftIt) {
    const struct {
        int from;
        int resumeAt;
        int position;
        bool moved;
    } rows[] = {
        {0, 0, 0, false}, {0, 3, 3, true},   {5, 0, 0, true},
        {4, 4, 4, true},  {0, 99, 10, true}, {0, -2, 0, false},
    };
    for (const auto& row : rows) {
        SawSession session;
        session.follow(typed(kWorked));
        for (int i = 0; i < row.from; ++i) session.next();
        EXPECT_EQ(session.resumeAt(row.resumeAt), row.moved) << row.from << "→" << row.resumeAt;
        EXPECT_EQ(session.steps().position(), row.position) << row.from << "→" << row.resumeAt;
    }
    // No fence, no footer; the cautions go with the plan.
    SawSession refused;
    refused.follow(typed(with(kWorked, {{PlanBox::BoardWidth, "2"}})));
    EXPECT_TRUE(refused.footer().empty());
    EXPECT_EQ(refused.steps().count(), 0);
    SawSession cautioned;
    const PlannerModel deep = typed(with(kWorked, {{PlanBox::PassDepth, "1/4"}}));
    cautioned.follow(deep);
    EXPECT_EQ(cautioned.cautions(), deep.cautions());
    EXPECT_FALSE(cautioned.cautions().empty());
}

}  // namespace
}  // namespace arcwright
