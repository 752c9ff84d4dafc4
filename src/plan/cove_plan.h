// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The cove planner's woodworking: from the cove a woodworker wants, on their own blade,
// upright or tilted, to the fence angle, the wood left beside the cove, the two walls and
// the passes that cut it. An upright blade is a blade tilted 0°: one plan for any tilt.
// Lengths in inches, angles in degrees. No Qt, no text: the window words the results.

#include <vector>

#include "plan/blade_tilt.h"
#include "plan/cove_outline.h"
#include "plan/tilted_cove.h"

namespace arcwright {

// A blade of diameter D and kerf k raised H above the table, the board crossing the blade
// plane at angle θ: the hollow at the board face is W(θ) = sin θ · c + k · cos θ wide,
// with c = 2√(H(D − H)) the blade's chord at the table (bladeChord).
double coveWidthAtFace(double angleDeg, double bladeHeight, double bladeDiameter, double kerf);

struct PlanRequest {
    double coveWidth = 0.0;  // wanted at the board face
    double coveDepth = 0.0;  // the final blade height
    double boardWidth = 0.0;
    double boardThickness = 0.0;
    double bladeDiameter = 10.0;
    double kerf = 0.125;
    double passDepth = 0.0625;  // the most the blade goes up between passes
};

// Why a cove cannot be planned, checked in this order; the first that holds is given.
enum class PlanProblem {
    None,
    BadBlade,               // diameter not above 0, kerf below 0 or as wide as the blade
    NoBoard,                // board width or thickness not above 0
    NoDepth,                // depth not above 0
    DeeperThanBladeRadius,  // depth above D / 2: the blade's widest chord is at its centre
    NoWidth,                // cove width not above 0
    NarrowerThanKerf,       // even square along the blade the teeth cut the kerf
    WiderThanBladeReaches,  // wider than √(c² + k²), the widest at this depth
    WiderThanBoard,         // the cove would run off the board's edges
    DeeperThanBoard,        // the blade would come through the back of the board
    NoPassDepth,            // pass depth not above 0
    TooManyPasses,          // more than kMaxPasses passes of this depth
    // The saw's own limits (plan/saw_limits.h), checked by the planner after the geometry:
    BladeSizeUnusual,      // a blade no table saw takes
    DeeperThanSawReaches,  // deeper than the saw raises this blade (sawReach)
};

// Why the tilt itself cannot be planned with, beside PlanProblem: checked before anything
// else, the tilted blade's depth right after PlanProblem::DeeperThanBladeRadius.
enum class TiltProblem {
    None,
    NotANumber,             // the tilt is nan or infinite
    Negative,               // below 0
    PastMaxTilt,            // above kMaxTiltDeg (45°)
    DeeperThanTiltedBlade,  // the depth is above r · cos β (deepestCut)
};

inline constexpr int kMaxPasses = 500;

// One pass: the blade raised to this height cuts a cove this wide (kerf included), reaching
// this far across the face on each side of the finished cove's deepest point. Upright each
// side is half the width; tilted the walls grow unevenly, the point under the top of the
// blade moving toward the lean as the blade rises.
struct PlanPass {
    int number = 0;
    double bladeHeight = 0.0;
    double coveWidth = 0.0;
    double fenceSide = 0.0;  // from the finished cove's deepest point to this pass's edge
    double farSide = 0.0;

    bool operator==(const PlanPass&) const = default;
};

struct PlanResult {
    BladeTilt tilt;  // the blade the plan is for
    // Read first: with a problem in the tilt itself the rest says nothing (no problem, no
    // angle); use canCut() below.
    TiltProblem tiltProblem = TiltProblem::None;
    PlanProblem problem = PlanProblem::None;
    bool hasAngle = false;       // the inverse has a root; the angles below are meaningful
    double angleDeg = 0.0;       // fence to blade
    double complementDeg = 0.0;  // fence to the saw's front edge, 90° − angle
    // The widest this blade cuts at the requested depth (upright at θ = 90° − φ); 0 without
    // a blade.
    double widestCove = 0.0;
    // The narrowest: with the fence along the blade the teeth cut the kerf, tilted k / cos β
    // (PlanProblem::NarrowerThanKerf); 0 without a blade.
    double narrowestCove = 0.0;
    double bladeRadius = 0.0;
    // r · cos β, the deepest this blade cuts tilted (TiltProblem::DeeperThanTiltedBlade);
    // the radius upright.
    double deepestCut = 0.0;
    // The deepest cove the woodworker's saw cuts with this blade and tilt; 0 until the
    // saw's limits are checked.
    double sawReach = 0.0;
    double woodEachSide = 0.0;  // (board width − cove width) / 2
    bool thinSides = false;     // less than kQuarterInchOfWood beside the cove
    bool thinAboveBlade = false;
    // Pass depth that keeps the schedule within kMaxPasses (for TooManyPasses).
    double smallestPassDepth = 0.0;
    // With an angle: the cove at full depth, its width and both walls from the deepest
    // point (upright half the width wanted each). Its outline: planOutline below.
    TiltedCove cove;
    // Where on the table the cove's deepest point lies, off the blade line (tableOffset):
    // 0 upright.
    double tableOffset = 0.0;
    std::vector<PlanPass> passes;  // empty unless the cove can be cut

    bool canCut() const { return tiltProblem == TiltProblem::None && problem == PlanProblem::None; }
};

// Solves the request for the blade at this tilt, upright unless given. Never fails and
// never gives a non-finite number, whatever it is given (nan and infinity included): a
// request that cannot be cut says why in `tiltProblem` or `problem`, with the numbers that
// explain it. Upright the arithmetic is the upright blade's own, not the tilted
// arithmetic's limit.
PlanResult solve(const PlanRequest& request, const BladeTilt& tilt = {});

// The passes for a cove: heights of at most passDepth apart, the last at full depth,
// each with the width it leaves and its walls. Empty when the pass depth is not positive
// or would take more than kMaxPasses passes, the tilt is not usableTilt, or, tilted, the
// fence angle is outside 0° to 90° or tiltedCoveAtFace gives no cove at full depth.
std::vector<PlanPass> passSchedule(double coveDepth, double passDepth, double angleDeg,
                                   double bladeDiameter, double kerf, const BladeTilt& tilt = {});

// The cove's outline at the board end as the plan's blade, at the plan's tilt and fence
// angle, cuts it at `depth` (a pass, or the final depth); empty without an angle. Worked out
// when drawn, not by solve(): a hundred points cost ten times the plan itself.
std::vector<BoardEndPoint> planOutline(const PlanRequest& request, const PlanResult& plan,
                                       double depth);

}  // namespace arcwright
