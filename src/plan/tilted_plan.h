// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The cove planner with the blade tilted: the fence angle for the cove wanted, the reasons
// it cannot be cut, how the two walls differ and how each grows pass by pass, and where on
// the table the deepest point lies. What is assumed, and the directions, are in
// plan/blade_tilt.h. Upright it is the upright planner's solve, unchanged. Lengths in
// inches, angles in degrees; never a non-finite number, whatever it is given.

#include <vector>

#include "plan/blade_tilt.h"
#include "plan/cove_plan.h"
#include "plan/tilted_cove.h"

namespace arcwright {

// Why a tilted cove cannot be planned, beside PlanProblem: the tilt itself is checked
// first, the tilted blade's depth right after PlanProblem::DeeperThanBladeRadius.
enum class TiltProblem {
    None,
    NotANumber,             // the tilt is nan or infinite
    Negative,               // below 0
    PastMaxTilt,            // above kMaxTiltDeg (45°)
    DeeperThanTiltedBlade,  // the depth is above r · cos β (deepestCut)
};

// One pass on the tilted blade: the blade raised to this height cuts a cove this wide,
// reaching this far across the face on each side of the finished cove's deepest point. The
// walls grow unevenly: the point under the top of the blade moves toward the lean as the
// blade rises.
struct TiltedPass {
    int number = 0;
    double bladeHeight = 0.0;
    double coveWidth = 0.0;
    double fenceSide = 0.0;  // from the finished cove's deepest point to this pass's edge
    double farSide = 0.0;

    bool operator==(const TiltedPass&) const = default;
};

struct TiltedPlanResult {
    // Read first: with a problem in the tilt itself `plan` says nothing (no problem, no
    // angle); use canCut() below.
    TiltProblem tiltProblem = TiltProblem::None;
    // As the upright planner gives it, for the tilted blade: its problem, the angle, the
    // widest cove at this depth, the wood left each side of a cove centred on the board, the
    // warnings, and the passes (their widths).
    PlanResult plan;
    // The fence along the blade cuts the tilted kerf, k / cos β: a narrower cove is
    // PlanProblem::NarrowerThanKerf. The kerf itself upright.
    double narrowestCove = 0.0;
    // r · cos β, the deepest the tilted blade cuts (TiltProblem::DeeperThanTiltedBlade).
    double deepestCut = 0.0;
    // The cove at full depth and the solved angle (with plan.hasAngle): width, both walls.
    TiltedCove cove;
    // Where on the table the cove's deepest point lies, off the blade line (tableOffset).
    double tableOffset = 0.0;
    std::vector<TiltedPass> passes;  // the same passes as plan.passes, with their walls

    bool canCut() const { return tiltProblem == TiltProblem::None && plan.canCut(); }
};

TiltedPlanResult solveTilted(const PlanRequest& request, const BladeTilt& tilt);

// The passes for a tilted cove, at the heights passSchedule gives, each with its width
// (the same doubles as passSchedule upright) and its walls. Empty where passSchedule is, or
// where tiltedCoveAtFace gives no cove at full depth.
std::vector<TiltedPass> tiltedPassSchedule(double coveDepth, double passDepth, double angleDeg,
                                           double bladeDiameter, double kerf,
                                           const BladeTilt& tilt);

}  // namespace arcwright
