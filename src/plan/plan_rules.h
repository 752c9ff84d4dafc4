// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rules the upright and the tilted planner share: which blades and boards can be
// planned at all, what the board allows once the fence angle is found, and how the blade
// climbs pass by pass to full depth. Written once here so
// that both planners check and count in the very same arithmetic.

#include <algorithm>
#include <cmath>

#include "geometry/cove_solver.h"
#include "geometry/shop_rules.h"
#include "plan/cove_plan.h"

namespace arcwright {

// The window turns degrees into radians with its ten-digit pi; the planners do the same, so
// that all give the very same width for the same set-up.
inline constexpr double kRadPerDeg = kTenDigitPi / 180;

// Wood left under or beside the cove, in inches: a quarter inch is enough, a hair less is
// not. A length typed in millimetres comes back a few parts in 10^16 off its inches (6.35 mm
// is not quite 0.25 in. in binary), so the comparison allows a billionth of an inch.
inline constexpr double kWoodTolerance = 1e-9;
inline bool enoughWood(double woodInches) {
    return woodInches >= kQuarterInchOfWood - kWoodTolerance;
}

inline bool soundBlade(const PlanRequest& r) {
    return std::isfinite(r.bladeDiameter) && std::isfinite(r.kerf) && r.bladeDiameter > 0 &&
           r.kerf >= 0 && r.kerf < r.bladeDiameter;
}

inline bool soundBoard(const PlanRequest& r) {
    return std::isfinite(r.boardWidth) && std::isfinite(r.boardThickness) && r.boardWidth > 0 &&
           r.boardThickness > 0;
}

// How many passes of at most passDepth reach depth. A depth that is a whole number of
// passes up to rounding ("0.625 / 0.0625") takes no extra sliver of a pass.
inline double passCount(double depth, double passDepth) {
    return std::ceil(depth / passDepth - 1e-9);
}

// The number of passes a schedule holds: 0 when the pass depth or the cove depth is not
// above 0 or the passes would be more than kMaxPasses.
inline int scheduledPasses(double coveDepth, double passDepth) {
    if (!(passDepth > 0) || !(coveDepth > 0)) return 0;
    const double count = passCount(coveDepth, passDepth);
    if (!(count <= kMaxPasses)) return 0;
    return std::max(1, static_cast<int>(count));
}

// The blade height of pass i of n (1-based): passDepth higher each pass, the last at full
// depth.
inline double passHeight(int i, int n, double coveDepth, double passDepth) {
    return i == n ? coveDepth : std::min(coveDepth, i * passDepth);
}

// With the fence angle found: the angle, the wood left beside and above the cove, and the
// first thing the board or the pass depth does not allow (None when the cove can be cut).
inline PlanProblem placeOnBoard(const PlanRequest& r, double angleDeg, PlanResult& out) {
    out.hasAngle = true;
    out.angleDeg = angleDeg;
    out.complementDeg = 90.0 - out.angleDeg;
    out.woodEachSide = (r.boardWidth - r.coveWidth) / 2;
    out.thinSides = !enoughWood(out.woodEachSide);
    out.thinAboveBlade = !enoughWood(r.boardThickness - r.coveDepth);
    out.smallestPassDepth = r.coveDepth / kMaxPasses;

    if (r.coveWidth > r.boardWidth) return PlanProblem::WiderThanBoard;
    if (r.coveDepth >= r.boardThickness) return PlanProblem::DeeperThanBoard;
    if (!(r.passDepth > 0)) return PlanProblem::NoPassDepth;
    if (!(passCount(r.coveDepth, r.passDepth) <= kMaxPasses)) return PlanProblem::TooManyPasses;
    return PlanProblem::None;
}

}  // namespace arcwright
