// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/planner_words.h"

#include <QStringList>
#include <cmath>
#include <utility>

#include "app/planner/planner.h"
#include "model/number_text.h"
#include "plan/fence_position.h"

namespace arcwright {

namespace {

QString length(double inches, LengthUnit unit) {
    return QString::fromStdString(lengthText(inches, unit));
}

}  // namespace

QString degreesText(double degrees) {
    return QString::fromStdString(formatNumber(degrees, "0.0°"));
}

QString sawLength(double inches, LengthUnit unit) {
    return Planner::tr("%1 (%2)").arg(length(inches, unit),
                                      QString::fromStdString(shopFractionText(inches)));
}

QString woodText(double inches, bool thin, LengthUnit unit) {
    if (inches < 0) return Planner::tr("none: the cove runs off the board, less than 1/4 in.!");
    const QString wood = plannerLength(inches, unit);
    return thin ? Planner::tr("%1, less than 1/4 in.!").arg(wood) : wood;
}

QString markText(const std::optional<double>& inches, LengthUnit unit) {
    if (inches) return sawLength(*inches, unit);
    return Planner::tr("more than %1 away: use the other mark").arg(length(kFarthestMark, unit));
}

QString planSheetsLine(const SawPlanLayout& layout) {
    switch (layout.fit) {
        case PlanFit::Fits:
            if (layout.sheets.size() == 1) {
                return Planner::tr("The full-size plan of the saw table follows on one sheet.");
            }
            return Planner::tr("The full-size plan of the saw table follows on %1 sheets, %2 x %3.")
                .arg(layout.sheets.size())
                .arg(layout.rows)
                .arg(layout.columns);
        case PlanFit::PageTooSmall:
            return Planner::tr("This paper is too small for the full-size plan of the saw table.");
        case PlanFit::TooManySheets:
            return Planner::tr(
                       "The full-size plan of the saw table would take more than %1 sheets of "
                       "this paper: set the fence by its distances instead.")
                .arg(kMostPlanSheets);
        case PlanFit::NoFence:
            break;
    }
    return {};
}

// Worked out in plan/fence_position.h: the teeth drag the board toward the woodworker, so
// the fence stands in front of the board where it crosses the blade.
QString fenceSideRuleInOneLine() {
    return Planner::tr(
        "Fence in front of the blade's centre, the board behind it: feed from the front of the "
        "saw toward the back.");
}

QString fenceSideRule() {
    return Planner::tr(
        "Clamp the fence in front of the blade, running from front left to back right so it "
        "crosses the blade line between the centre point and you; the board rides behind the "
        "fence and is fed from the front of the saw toward the back.");
}

QString findingTheCentrePoint() {
    return Planner::tr(
        "To find the centre point, raise the blade to the final height and mark where the teeth "
        "leave the table at the front and at the back: it is half way between, on the blade's "
        "line.");
}

QString findingTheDeepestLine(const PlannerModel& model) {
    if (!model.tilted() || !model.tiltedPlan().canCut()) return findingTheCentrePoint();
    const TiltedPlanResult& tilted = model.tiltedPlan();
    const QString side = model.tilt().lean == BladeLean::TowardFence
                             ? Planner::tr("toward the fence")
                             : Planner::tr("away from the fence");
    return Planner::
        tr("With the blade tilted, the cove's deepest line runs over the point %1 off the "
           "blade line, %2, where the top of the blade leans. To find it, raise the blade to "
           "the final height, mark the blade line (the middle of the slot the blade comes up "
           "through) and the centre point on it half way between where the teeth leave the "
           "table at the front and at the back, then measure %1 square to the blade line, "
           "toward the lean. The fence's distance and marks are measured from the centre point.")
            .arg(sawLength(std::abs(tilted.tableOffset), model.unit()), side);
}

QString tiltSentence(const PlannerModel& model) {
    const TiltedPlanResult& tilted = model.tiltedPlan();
    const LengthUnit unit = model.unit();
    switch (tilted.tiltProblem) {
        case TiltProblem::None:
            break;
        case TiltProblem::NotANumber:
            return Planner::tr(
                "Type the blade's tilt in degrees from 0 to 45, or leave it empty for an "
                "upright blade.");
        case TiltProblem::Negative:
            return Planner::tr(
                "A tilt is measured from upright, 0°, to the side the blade leans: type 0 to "
                "45, and choose toward or away from the fence for the side.");
        case TiltProblem::PastMaxTilt:
            return Planner::tr(
                "A table saw's blade tilts no further than 45°: type a tilt from "
                "0 to 45.");
        case TiltProblem::DeeperThanTiltedBlade:
            return Planner::tr(
                       "Tilted %1, this blade reaches no higher than %2 above the table: make the "
                       "cove shallower or the tilt smaller.")
                .arg(degreesText(model.tilt().degrees), length(tilted.deepestCut, unit));
    }
    // The narrowest cove of a tilted blade is its kerf across, tilted with it.
    if (model.tilted() && tilted.plan.problem == PlanProblem::NarrowerThanKerf) {
        return Planner::tr(
                   "A cove narrower than the tilted kerf cannot be cut: even with the fence along "
                   "the blade the teeth, tilted %1, cut %2. Make the cove at least that wide.")
            .arg(degreesText(model.tilt().degrees), length(tilted.narrowestCove, unit));
    }
    return {};
}

QString badTiltSentence(const QString& boxLabel, const QString& text) {
    Q_UNUSED(text)
    return Planner::tr(
               "%1 is not an angle: type the tilt in degrees from 0 to 45, e.g. 30, or leave it "
               "empty for an upright blade.")
        .arg(boxLabel);
}

QString leaningWallsLines(const PlannerModel& model) {
    if (!model.tilted() || !model.tiltedPlan().plan.hasAngle) return {};
    const TiltedCove& cove = model.tiltedPlan().cove;
    QStringList lines;
    for (const auto& [wall, name] : {std::pair{&cove.fenceSide, Planner::tr("fence-side")},
                                     std::pair{&cove.farSide, Planner::tr("far-side")}}) {
        if (!wall->leansUnder()) continue;
        lines << Planner::tr(
                     "The %1 wall leans under by %2: the cove is wider inside the board than at "
                     "its face, so the moulding cannot be lifted straight off a flat face. A "
                     "larger fence angle or a smaller tilt keeps it upright.")
                     .arg(name, length(wall->undercut, model.unit()));
    }
    return lines.join(QLatin1Char('\n'));
}

QString plannerLength(double inches, LengthUnit unit) {
    if (unit == LengthUnit::Millimetre) return length(inches, unit);
    return Planner::tr("%1 (%2)").arg(length(inches, unit),
                                      QString::fromStdString(shopFractionText(inches)));
}

QString problemSentence(const PlanRequest& r, const PlanResult& result, LengthUnit unit) {
    const auto len = [unit](double inches) { return length(inches, unit); };
    switch (result.problem) {
        case PlanProblem::None:
            return {};
        case PlanProblem::BadBlade:
            return Planner::tr(
                "The blade needs a diameter above 0 and a kerf of 0 or more, less than the "
                "diameter: enter your blade, e.g. 10 in. with a 1/8 in. kerf.");
        case PlanProblem::NoBoard:
            return Planner::tr("Enter the board's width and thickness: both must be above 0.");
        case PlanProblem::NoDepth:
            return Planner::tr(
                "Enter a cove depth above 0: it is the blade height of the last pass.");
        case PlanProblem::DeeperThanBladeRadius:
            return Planner::tr(
                       "A %1 blade cuts no deeper than its radius, %2: make the cove shallower "
                       "or use a larger blade.")
                .arg(len(r.bladeDiameter), len(result.bladeRadius));
        case PlanProblem::NoWidth:
            return Planner::tr("Enter a cove width above 0.");
        case PlanProblem::NarrowerThanKerf:
            return Planner::tr(
                       "A cove narrower than the kerf cannot be cut: even with the fence along "
                       "the blade the teeth cut %1. Make the cove at least that wide.")
                .arg(len(r.kerf));
        case PlanProblem::WiderThanBladeReaches:
            return Planner::tr(
                       "At %1 deep this blade cuts at most %2 wide: make the cove narrower or "
                       "deeper, or use a larger blade.")
                .arg(len(r.coveDepth), len(result.widestCove));
        case PlanProblem::WiderThanBoard:
            return Planner::tr(
                       "The cove is wider than the board (%1): use a wider board or a narrower "
                       "cove.")
                .arg(len(r.boardWidth));
        case PlanProblem::DeeperThanBoard:
            return Planner::tr(
                       "The blade would come through the back of a %1 board: use a thicker "
                       "board or a shallower cove.")
                .arg(len(r.boardThickness));
        case PlanProblem::NoPassDepth:
            return Planner::tr(
                "Enter how far to raise the blade between passes, above 0, e.g. 1/16 in.");
        case PlanProblem::TooManyPasses:
            return Planner::tr(
                       "Passes of %1 would take more than %2 passes: raise the blade at least %3 "
                       "a pass.")
                .arg(len(r.passDepth))
                .arg(kMaxPasses)
                .arg(len(result.smallestPassDepth));
    }
    return {};
}

QString placementSentence(const CovePlacement& p, LengthUnit unit) {
    const auto len = [unit](double inches) { return length(inches, unit); };
    switch (p.problem) {
        case PlacementProblem::None:
            return {};
        case PlacementProblem::ThinWoodOffCentre:
            if (p.nearestOffset > p.farthestOffset) {
                return Planner::tr(
                    "This board is too narrow to leave 1/4 in. of wood on each side of the cove "
                    "wherever it goes: leave the cove's place empty to centre it, or use a wider "
                    "board or a narrower cove.");
            }
            if (p.woodFenceSide < 0 || p.woodFarSide < 0) {
                return Planner::tr(
                           "There the cove runs off the board's %1: place its near edge %2 to %3 "
                           "from the fence-side edge, or leave the box empty to centre it.")
                    .arg(p.woodFenceSide < 0 ? Planner::tr("fence-side edge")
                                             : Planner::tr("far edge"),
                         len(p.nearestOffset), len(p.farthestOffset));
            }
            return Planner::tr(
                       "There the cove leaves %1 of wood on the fence side and %2 on the far side, "
                       "less than 1/4 in.: place its near edge %3 to %4 from the fence-side edge, "
                       "or leave the box empty to centre it.")
                .arg(len(p.woodFenceSide), len(p.woodFarSide), len(p.nearestOffset),
                     len(p.farthestOffset));
        case PlacementProblem::NoBoard:
        case PlacementProblem::WiderThanBoard:
            // The plan's own sentence says it first.
            return Planner::tr(
                "The cove does not fit on the board: use a wider board or a "
                "narrower cove.");
    }
    return {};
}

QString warningLines(const PlanResult& result) {
    QStringList lines;
    if (result.thinSides) lines << Planner::tr("Less than 1/4 in. of wood beside the cove!");
    if (result.thinAboveBlade) lines << Planner::tr("Less than 1/4 in. of wood above the blade!");
    return lines.join(QLatin1Char('\n'));
}

QString badBoxSentence(const QString& boxLabel, const QString& text) {
    if (text.trimmed().isEmpty()) {
        return Planner::tr("%1 is empty: type a length, e.g. 3 1/2, 3.5 in., 89 mm or 8.9 cm.")
            .arg(boxLabel);
    }
    return Planner::tr("%1 is not a length: type e.g. 3 1/2, 3.5 in., 89 mm or 8.9 cm.")
        .arg(boxLabel);
}

QString printTemplateTip() {
    return Planner::tr(
        "Prints the set-up template on the default printer at actual size: the triangle that "
        "sets the fence angle, the board end with the cove at full size and the passes, then "
        "the full-size plan of the saw table to clamp the fence by.");
}

QString previewTemplateTip() {
    return Planner::tr(
        "Shows the set-up template as it will print; from there it can go to any printer or "
        "be saved as a PDF file.");
}

}  // namespace arcwright
