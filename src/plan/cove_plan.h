// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The cove planner's woodworking: from the cove a woodworker wants, on their own blade,
// to the fence angle, the wood left beside the cove and the passes that cut it. Lengths
// in inches, angles in degrees. No Qt, no text: the window words the results.

#include <vector>

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
};

inline constexpr int kMaxPasses = 500;

// One pass: the blade raised to this height cuts a cove this wide (kerf included).
struct PlanPass {
    int number = 0;
    double bladeHeight = 0.0;
    double coveWidth = 0.0;

    bool operator==(const PlanPass&) const = default;
};

struct PlanResult {
    PlanProblem problem = PlanProblem::None;
    bool hasAngle = false;       // the inverse has a root; the angles below are meaningful
    double angleDeg = 0.0;       // fence to blade
    double complementDeg = 0.0;  // fence to the saw's front edge, 90° − angle
    // The widest this blade cuts at the requested depth (θ = 90° − φ); 0 without a blade.
    double widestCove = 0.0;
    double bladeRadius = 0.0;
    double woodEachSide = 0.0;  // (board width − cove width) / 2
    bool thinSides = false;     // less than kQuarterInchOfWood beside the cove
    bool thinAboveBlade = false;
    // Pass depth that keeps the schedule within kMaxPasses (for TooManyPasses).
    double smallestPassDepth = 0.0;
    std::vector<PlanPass> passes;  // empty unless the cove can be cut

    bool canCut() const { return problem == PlanProblem::None; }
};

// Solves the request. Never fails and never gives a non-finite number, whatever it is
// given (nan and infinity included): a request that
// cannot be cut says why in `problem`, with the numbers that explain it.
PlanResult solve(const PlanRequest& request);

// The passes for a cove: heights of at most passDepth apart, the last at full depth,
// each with the width it leaves. Empty when the pass depth is not positive or would
// take more than kMaxPasses passes.
std::vector<PlanPass> passSchedule(double coveDepth, double passDepth, double angleDeg,
                                   double bladeDiameter, double kerf);

}  // namespace arcwright
