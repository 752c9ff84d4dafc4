// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/cove_placement.h"

#include <cmath>

#include "geometry/shop_rules.h"
#include "plan/plan_rules.h"

namespace arcwright {

CovePlacement placeCove(double boardWidth, const CoveHalves& cove,
                        std::optional<double> nearEdgeFromFence) {
    CovePlacement out;
    out.centred = !nearEdgeFromFence;
    const double width = cove.fenceSide + cove.farSide;
    // One half may be negative: a steep wall leaning far under puts the deepest line
    // beyond the face's edge, under the wood. The cove still needs a width at the face.
    if (!std::isfinite(boardWidth) || !std::isfinite(width) || !(boardWidth > 0) || !(width > 0)) {
        out.problem = PlacementProblem::NoBoard;
        return out;
    }
    out.nearestOffset = kQuarterInchOfWood;
    out.farthestOffset = boardWidth - width - kQuarterInchOfWood;
    if (nearEdgeFromFence && !std::isfinite(*nearEdgeFromFence)) {
        out.problem = PlacementProblem::NoBoard;
        return out;
    }
    out.woodFenceSide = nearEdgeFromFence ? *nearEdgeFromFence : (boardWidth - width) / 2;
    out.woodFarSide = boardWidth - width - out.woodFenceSide;
    out.fenceToDeepest = out.woodFenceSide + cove.fenceSide;
    out.thinFenceSide = !enoughWood(out.woodFenceSide);
    out.thinFarSide = !enoughWood(out.woodFarSide);
    if (out.centred && width > boardWidth) {
        out.problem = PlacementProblem::WiderThanBoard;
    } else if (!out.centred && (out.thinFenceSide || out.thinFarSide)) {
        out.problem = PlacementProblem::ThinWoodOffCentre;
    }
    return out;
}

std::vector<BoardEndPoint> placedOnBoard(std::vector<BoardEndPoint> outline,
                                         const CovePlacement& placement, double boardWidth) {
    const double shift = placement.fenceToDeepest - boardWidth / 2;
    if (!std::isfinite(shift)) return outline;
    for (BoardEndPoint& p : outline) p.x += shift;
    return outline;
}

}  // namespace arcwright
