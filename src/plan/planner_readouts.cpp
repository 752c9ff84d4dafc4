// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/planner_readouts.h"

#include "plan/plan_words.h"
#include "plan/planner_words.h"
#include "plan/tilted_cove.h"

namespace arcwright {

PlannerReadouts plannerReadouts(const PlannerModel& model) {
    PlannerReadouts out;
    // A box that cannot be read is named in the status line, and the results go: a figure
    // of the last plan beside a refusal would be read as this one's.
    const bool planShown = !model.firstUnreadable();
    out.centrePoint = planShown ? findingTheDeepestLine(model) : findingTheCentrePoint();
    const PlanResult& result = model.result();
    if (!planShown || !result.hasAngle) return out;

    const LengthUnit unit = model.unit();
    out.angle = angleText(result.angleDeg);
    out.complement = angleText(result.complementDeg);
    out.bladeHeight = spokenLength(model.request().coveDepth, unit);

    const CovePlacement& placement = model.placement();
    if (placement.problem != PlacementProblem::NoBoard) {
        out.woodFenceSide = woodSentence(placement.woodFenceSide, placement.thinFenceSide, unit);
        out.woodFarSide = woodSentence(placement.woodFarSide, placement.thinFarSide, unit);
        out.thinFenceSide = placement.thinFenceSide;
        out.thinFarSide = placement.thinFarSide;
    }

    const FencePosition& fence = model.fence();
    if (result.canCut() && placement.canPlace() && fence.found) {
        out.fenceDistance = spokenLength(fence.distance, unit);
        out.bladeMark = markSentence(fence.bladeMark, unit);
        out.squareMark = markSentence(fence.squareMark, unit);
        out.fenceSide = fenceSideRule();
    }

    if (result.tiltProblem == TiltProblem::None) {
        const BladeLean lean = model.tilt().lean;
        out.steepWall = spokenLength(steepWall(result.cove, lean).reach, unit);
        out.gentleWall = spokenLength(gentleWall(result.cove, lean).reach, unit);
    }
    return out;
}

}  // namespace arcwright
