// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/cove_placement.h"

#include <cmath>

#include "geometry/shop_rules.h"

namespace arcwright {

namespace {

// A quarter inch typed in millimetres (6.35 mm) comes back a hair under 0.25 in.; it is
// still a quarter inch.
constexpr double kRounding = 1e-9;

bool thin(double wood) {
    return wood < kQuarterInchOfWood - kRounding;
}

}  // namespace

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
    out.thinFenceSide = thin(out.woodFenceSide);
    out.thinFarSide = thin(out.woodFarSide);
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
