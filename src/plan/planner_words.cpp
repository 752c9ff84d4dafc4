// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/planner_words.h"

#include <cmath>
#include <string_view>
#include <utility>

#include "geometry/cove_levels.h"
#include "geometry/shop_rules.h"
#include "plan/fence_position.h"
#include "plan/plan_words.h"

namespace arcwright {

namespace {

constexpr const char* kContext = "PlannerWords";

Sentence words(const char* text, std::vector<SentenceArg> args = {}) {
    return {kContext, text, std::move(args)};
}

// A length as the planner shows it: "0.625 in. (5/8 in.)" or "15.9 mm".
std::string len(double inches, LengthUnit unit) {
    return spokenLength(inches, unit);
}

// The wood-left rule's own length in the planner's unit: "1/4 in." or "6.4 mm".
std::string quarterInch(LengthUnit unit) {
    return ruleLength(kQuarterInchOfWood, unit);
}

// A refusal that names a box and closes with the usual examples.
Sentence lengthBoxSentence(PlanBox box, BoxFault fault) {
    switch (fault) {
        case BoxFault::None:
            return {};
        case BoxFault::Empty:
            return words(ARCWRIGHT_TR_NOOP(
                             "PlannerWords",
                             "%1 is empty: type a length, e.g. 3 1/2, 3.5 in., 89 mm or 8.9 cm."),
                         {boxName(box)});
        case BoxFault::BelowZero:
            if (takesZero(box)) {
                return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                               "%1 cannot be less than zero: type 0 or a length, "
                                               "e.g. 3 1/2, 3.5 in., 89 mm or 8.9 cm."),
                             {boxName(box)});
            }
            return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                           "%1 must be more than zero: type a length, e.g. 3 1/2, "
                                           "3.5 in., 89 mm or 8.9 cm."),
                         {boxName(box)});
        case BoxFault::NotALength:
            break;
    }
    return words(
        ARCWRIGHT_TR_NOOP("PlannerWords",
                          "%1 is not a length: type e.g. 3 1/2, 3.5 in., 89 mm or 8.9 cm."),
        {boxName(box)});
}

std::vector<Sentence> leaningWalls(const PlannerModel& model) {
    std::vector<Sentence> out;
    if (!model.tilted() || !model.result().hasAngle) return out;
    const TiltedCove& cove = model.result().cove;
    const std::pair<const CoveWall*, Sentence> walls[] = {
        {&cove.fenceSide, words(ARCWRIGHT_TR_NOOP("PlannerWords", "fence-side"))},
        {&cove.farSide, words(ARCWRIGHT_TR_NOOP("PlannerWords", "far-side"))},
    };
    for (const auto& [wall, name] : walls) {
        if (!wall->leansUnder()) continue;
        out.push_back(words(
            ARCWRIGHT_TR_NOOP("PlannerWords",
                              "The %1 wall leans under by %2: the cove is wider inside the board "
                              "than at its face, so the moulding cannot be lifted straight off a "
                              "flat face. A larger fence angle or a smaller tilt keeps it "
                              "upright."),
            {name, len(wall->undercut, model.unit())}));
    }
    return out;
}

}  // namespace

Sentence boxName(PlanBox box) {
    switch (box) {
        case PlanBox::CoveWidth:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords", "Cove width"));
        case PlanBox::CoveDepth:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords", "Cove depth"));
        case PlanBox::BoardWidth:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords", "Board width"));
        case PlanBox::BoardThickness:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords", "Board thickness"));
        case PlanBox::BladeDiameter:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords", "Blade diameter"));
        case PlanBox::Kerf:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords", "Kerf"));
        case PlanBox::PassDepth:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords", "Depth per pass"));
        case PlanBox::CoveOffset:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords", "Cove from the fence-side edge"));
        case PlanBox::Tilt:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords", "Blade tilt"));
        case PlanBox::MaxHeight:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords", "Highest blade setting"));
    }
    return {};
}

Sentence badBoxSentence(PlanBox box, BoxFault fault) {
    if (box != PlanBox::Tilt) return lengthBoxSentence(box, fault);
    if (fault == BoxFault::None) return {};
    return words(
        ARCWRIGHT_TR_NOOP("PlannerWords",
                          "%1 is not an angle: type the tilt in degrees from 0 to 45, e.g. "
                          "30, or leave it empty for an upright blade."),
        {boxName(box)});
}

Sentence statusSentence(const PlannerModel& model) {
    const PlanResult& result = model.result();
    const LengthUnit unit = model.unit();
    // A box that cannot be read is named first: the plan beside it is the last one read.
    if (const auto bad = model.firstUnreadable()) {
        return badBoxSentence(*bad,
                              *bad == PlanBox::Tilt ? BoxFault::NotALength : model.fault(*bad));
    }
    if (Sentence tilt = tiltSentence(model); !tilt.empty()) return tilt;
    if (Sentence saw = sawLimitSentence(result, model.tilt(), unit); !saw.empty()) return saw;
    if (!result.canCut()) return problemSentence(model.request(), result, unit);
    return placementSentence(model.placement(), unit);
}

Sentence tiltSentence(const PlannerModel& model) {
    const PlanResult& tilted = model.result();
    const LengthUnit unit = model.unit();
    switch (tilted.tiltProblem) {
        case TiltProblem::None:
            break;
        case TiltProblem::NotANumber:
            return words(
                ARCWRIGHT_TR_NOOP("PlannerWords",
                                  "Type the blade's tilt in degrees from 0 to 45, or leave "
                                  "it empty for an upright blade."));
        case TiltProblem::Negative:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                           "A tilt is measured from upright, 0°, to the side the "
                                           "blade leans: type 0 to 45, and choose toward or away "
                                           "from the fence for the side."));
        case TiltProblem::PastMaxTilt:
            return words(
                ARCWRIGHT_TR_NOOP("PlannerWords",
                                  "A table saw's blade tilts no further than 45°: type a tilt from "
                                  "0 to 45."));
        case TiltProblem::DeeperThanTiltedBlade:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                           "Tilted %1, this blade reaches no higher than %2 above "
                                           "the table: make the cove shallower or the tilt "
                                           "smaller."),
                         {angleText(model.tilt().degrees), len(tilted.deepestCut, unit)});
    }
    // The narrowest cove of a tilted blade is its kerf across, tilted with it.
    if (model.tilted() && tilted.problem == PlanProblem::NarrowerThanKerf) {
        return words(
            ARCWRIGHT_TR_NOOP("PlannerWords",
                              "A cove narrower than the tilted kerf cannot be cut: even "
                              "with the fence along the blade the teeth, tilted %1, cut %2 "
                              "wide. Make the cove at least that wide."),
            {angleText(model.tilt().degrees), len(tilted.narrowestCove, unit)});
    }
    return {};
}

Sentence problemSentence(const PlanRequest& r, const PlanResult& result, LengthUnit unit) {
    switch (result.problem) {
        case PlanProblem::None:
            return {};
        case PlanProblem::BadBlade:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                           "The blade needs a diameter above 0 and a kerf of 0 or "
                                           "more, less than the diameter: enter your blade, e.g. "
                                           "10 in. with a 1/8 in. kerf."));
        case PlanProblem::NoBoard:
            return words(ARCWRIGHT_TR_NOOP(
                "PlannerWords", "Enter the board's width and thickness: both must be above 0."));
        case PlanProblem::NoDepth:
            return words(ARCWRIGHT_TR_NOOP(
                "PlannerWords",
                "Enter a cove depth above 0: it is the blade height of the last pass."));
        case PlanProblem::DeeperThanBladeRadius:
            return words(
                ARCWRIGHT_TR_NOOP("PlannerWords",
                                  "A %1 blade cuts no deeper than its radius, %2: make the "
                                  "cove shallower or use a larger blade."),
                {len(r.bladeDiameter, unit), len(result.bladeRadius, unit)});
        case PlanProblem::NoWidth:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords", "Enter a cove width above 0."));
        case PlanProblem::NarrowerThanKerf:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                           "A cove narrower than the kerf cannot be cut: even with "
                                           "the fence along the blade the teeth cut %1 wide. Make "
                                           "the cove at least that wide."),
                         {len(r.kerf, unit)});
        case PlanProblem::WiderThanBladeReaches:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                           "At %1 deep this blade cuts at most %2 wide: make the "
                                           "cove narrower or deeper, or use a larger blade."),
                         {len(r.coveDepth, unit), len(result.widestCove, unit)});
        case PlanProblem::WiderThanBoard:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                           "The cove is wider than the %1 board: use a wider board "
                                           "or a narrower cove."),
                         {len(r.boardWidth, unit)});
        case PlanProblem::DeeperThanBoard:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                           "The blade would come through the back of a %1 board: "
                                           "use a thicker board or a shallower cove."),
                         {len(r.boardThickness, unit)});
        case PlanProblem::NoPassDepth:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                           "Enter how far to raise the blade between passes, above "
                                           "0, e.g. 1/16 in."));
        case PlanProblem::TooManyPasses:
            return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                           "Passes of %1 would take more than %2 passes: raise the "
                                           "blade at least %3 a pass."),
                         {len(r.passDepth, unit), std::to_string(kMaxPasses),
                          len(result.smallestPassDepth, unit)});
        case PlanProblem::BladeSizeUnusual:
        case PlanProblem::DeeperThanSawReaches:
            break;  // the saw's limits: sawLimitSentence, with the tilt
    }
    return {};
}

Sentence placementSentence(const CovePlacement& p, LengthUnit unit) {
    switch (p.problem) {
        case PlacementProblem::None:
            return {};
        case PlacementProblem::ThinWoodOffCentre:
            if (p.nearestOffset > p.farthestOffset) {
                return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                               "This board is too narrow to leave %1 of wood on "
                                               "each side of the cove wherever it goes: leave the "
                                               "cove's place empty to centre it, or use a wider "
                                               "board or a narrower cove."),
                             {quarterInch(unit)});
            }
            if (p.woodFenceSide < 0 || p.woodFarSide < 0) {
                return words(
                    ARCWRIGHT_TR_NOOP("PlannerWords",
                                      "There the cove runs off the board's %1: place its near edge "
                                      "%2 to %3 from the fence-side edge, or leave the box empty "
                                      "to centre it."),
                    {p.woodFenceSide < 0
                         ? words(ARCWRIGHT_TR_NOOP("PlannerWords", "fence-side edge"))
                         : words(ARCWRIGHT_TR_NOOP("PlannerWords", "far edge")),
                     len(p.nearestOffset, unit), len(p.farthestOffset, unit)});
            }
            return words(
                ARCWRIGHT_TR_NOOP("PlannerWords",
                                  "There the cove leaves %1 of wood on the fence side and "
                                  "%2 on the far side, less than %5: place its near edge "
                                  "%3 to %4 from the fence-side edge, or leave the box "
                                  "empty to centre it."),
                {len(p.woodFenceSide, unit), len(p.woodFarSide, unit), len(p.nearestOffset, unit),
                 len(p.farthestOffset, unit), quarterInch(unit)});
        case PlacementProblem::NoBoard:
        case PlacementProblem::WiderThanBoard:
            // The plan's own sentence says it first.
            return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                           "The cove does not fit on the board: use a wider board "
                                           "or a narrower cove."));
    }
    return {};
}

Sentence woodSentence(double inches, bool thin, LengthUnit unit) {
    if (inches < 0) {
        return words(
            ARCWRIGHT_TR_NOOP("PlannerWords", "none: the cove runs off the board, less than %1!"),
            {quarterInch(unit)});
    }
    if (!thin) return asIs(len(inches, unit));
    return words(ARCWRIGHT_TR_NOOP("PlannerWords", "%1, less than %2!"),
                 {len(inches, unit), quarterInch(unit)});
}

Sentence markSentence(const std::optional<double>& inches, LengthUnit unit) {
    if (inches) return asIs(len(*inches, unit));
    return words(ARCWRIGHT_TR_NOOP("PlannerWords", "more than %1 away: use the other mark"),
                 {len(kFarthestMark, unit)});
}

// Worked out in plan/fence_position.h: the teeth drag the board toward the woodworker, so
// the fence stands in front of the board where it crosses the blade.
Sentence fenceSideRuleInOneLine() {
    return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                   "Fence in front of the blade's centre, the board behind it: "
                                   "feed from the front of the saw toward the back."));
}

Sentence fenceSideRule() {
    return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                   "Clamp the fence in front of the blade, running from front left "
                                   "to back right so it crosses the blade line between the centre "
                                   "point and you; the board rides behind the fence and is fed "
                                   "from the front of the saw toward the back."));
}

Sentence findingTheCentrePoint() {
    return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                   "To find the centre point, raise the blade to the final height "
                                   "and mark where the teeth leave the table at the front and at "
                                   "the back: it is half way between, on the blade's line."));
}

Sentence findingTheDeepestLine(const PlannerModel& model) {
    if (!model.tilted() || !model.result().canCut()) return findingTheCentrePoint();
    return words(
        ARCWRIGHT_TR_NOOP("PlannerWords",
                          "With the blade tilted, the cove's deepest line runs over the point %1 "
                          "off the blade line, %2, where the top of the blade leans. To find it, "
                          "raise the blade to the final height, mark the blade line (the middle "
                          "of the slot the blade comes up through) and the centre point on it "
                          "half way between where the teeth leave the table at the front and at "
                          "the back, then measure %1 square to the blade line, toward the lean. "
                          "The fence's distance and marks are measured from the centre point."),
        {len(std::abs(model.result().tableOffset), model.unit()),
         leanPhrase(model.tilt().lean)});
}

std::vector<Sentence> planWarnings(const PlannerModel& model) {
    std::vector<Sentence> out;
    if (model.firstUnreadable()) return out;
    if (model.result().hasAngle) out = woodWarnings(model.result(), model.unit());
    for (Sentence& wall : leaningWalls(model)) out.push_back(std::move(wall));
    return out;
}

Sentence calculatorNote(const PlannerModel& model) {
    const auto& echo = model.echo();
    if (!echo) return {};
    const PlanRequest& request = model.request();
    const Sentence calculatorCut =
        echo->shownCut.empty()
            ? words(ARCWRIGHT_TR_NOOP("PlannerWords", "\"Cut is too wide!\""))
            : words(ARCWRIGHT_TR_NOOP("PlannerWords", "a cut %1 wide"), {echo->shownCut});
    const bool idealBlade = request.bladeDiameter == kBladeDiameter && request.kerf == 0;
    if (model.tilted()) {
        return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                       "The calculator has this set-up. It works out an upright "
                                       "10 in. blade with no kerf, so it shows %1, where your "
                                       "blade, tilted %2, cuts %3 wide."),
                     {calculatorCut, angleText(model.tilt().degrees),
                      lengthText(request.coveWidth, model.unit())});
    }
    if (idealBlade) {
        return words(
            ARCWRIGHT_TR_NOOP("PlannerWords", "The calculator has this set-up and shows %1."),
            {calculatorCut});
    }
    return words(ARCWRIGHT_TR_NOOP("PlannerWords",
                                   "The calculator has this set-up. It works out a 10 in. blade "
                                   "with no kerf, so it shows %1, where your blade cuts %2 wide."),
                 {calculatorCut, lengthText(request.coveWidth, model.unit())});
}

std::vector<Sentence> passHeadings() {
    return {words(ARCWRIGHT_TR_NOOP("PlannerWords", "Pass")),
            words(ARCWRIGHT_TR_NOOP("PlannerWords", "Blade height")),
            words(ARCWRIGHT_TR_NOOP("PlannerWords", "Cove width"))};
}

Sentence wallsHeading() {
    return words(ARCWRIGHT_TR_NOOP("PlannerWords", "Fence side / far side"));
}

Sentence wallsCell(double fenceSide, double farSide, LengthUnit unit) {
    return words(ARCWRIGHT_TR_NOOP("PlannerWords", "%1 / %2"),
                 {lengthText(fenceSide, unit), lengthText(farSide, unit)});
}

Sentence leanPhrase(BladeLean lean) {
    return lean == BladeLean::TowardFence
               ? words(ARCWRIGHT_TR_NOOP("PlannerWords", "toward the fence"))
               : words(ARCWRIGHT_TR_NOOP("PlannerWords", "away from the fence"));
}

}  // namespace arcwright
