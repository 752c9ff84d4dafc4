// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/cove_plan.h"

#include <algorithm>
#include <cmath>

#include "geometry/cove_solver.h"
#include "geometry/shop_rules.h"

namespace arcwright {

namespace {

// The window turns degrees into radians with its ten-digit pi; the planner does the same,
// so that both give the very same width for the same set-up.
constexpr double kRadPerDeg = kTenDigitPi / 180;

bool soundBlade(const PlanRequest& r) {
    return std::isfinite(r.bladeDiameter) && std::isfinite(r.kerf) && r.bladeDiameter > 0 &&
           r.kerf >= 0 && r.kerf < r.bladeDiameter;
}

bool soundBoard(const PlanRequest& r) {
    return std::isfinite(r.boardWidth) && std::isfinite(r.boardThickness) && r.boardWidth > 0 &&
           r.boardThickness > 0;
}

// How many passes of at most passDepth reach depth. A depth that is a whole number of
// passes up to rounding ("0.625 / 0.0625") takes no extra sliver of a pass.
double passCount(double depth, double passDepth) {
    return std::ceil(depth / passDepth - 1e-9);
}

}  // namespace

double coveWidthAtFace(double angleDeg, double bladeHeight, double bladeDiameter, double kerf) {
    const double theta = angleDeg * kRadPerDeg;
    return std::sin(theta) * bladeChord(bladeHeight, bladeDiameter) + kerf * std::cos(theta);
}

std::vector<PlanPass> passSchedule(double coveDepth, double passDepth, double angleDeg,
                                   double bladeDiameter, double kerf) {
    std::vector<PlanPass> passes;
    if (!(passDepth > 0) || !(coveDepth > 0)) return passes;
    const double count = passCount(coveDepth, passDepth);
    if (!(count <= kMaxPasses)) return passes;

    const int n = std::max(1, static_cast<int>(count));
    passes.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const double height = i == n ? coveDepth : std::min(coveDepth, i * passDepth);
        passes.push_back({i, height, coveWidthAtFace(angleDeg, height, bladeDiameter, kerf)});
    }
    return passes;
}

PlanResult solve(const PlanRequest& r) {
    PlanResult out;
    auto fail = [&out](PlanProblem p) {
        out.problem = p;
        return out;
    };
    if (!soundBlade(r)) return fail(PlanProblem::BadBlade);
    if (!soundBoard(r)) return fail(PlanProblem::NoBoard);
    out.bladeRadius = r.bladeDiameter / 2;
    if (!(r.coveDepth > 0)) return fail(PlanProblem::NoDepth);
    if (r.coveDepth > out.bladeRadius) return fail(PlanProblem::DeeperThanBladeRadius);

    // W(θ) = R sin(θ + φ): the widest cove at this depth is R, at θ = 90° − φ.
    const double c = bladeChord(r.coveDepth, r.bladeDiameter);
    const double reach = std::hypot(c, r.kerf);
    const double phi = std::atan2(r.kerf, c);
    out.widestCove = reach;

    if (!(r.coveWidth > 0)) return fail(PlanProblem::NoWidth);
    if (r.coveWidth < r.kerf) return fail(PlanProblem::NarrowerThanKerf);
    if (r.coveWidth > reach) return fail(PlanProblem::WiderThanBladeReaches);

    // The smaller root: the fence nearer the blade's own line, the shallower the sweep.
    const double theta = std::asin(std::min(1.0, r.coveWidth / reach)) - phi;
    out.hasAngle = true;
    out.angleDeg = std::max(0.0, theta / kRadPerDeg);
    out.complementDeg = 90.0 - out.angleDeg;
    out.woodEachSide = (r.boardWidth - r.coveWidth) / 2;
    out.thinSides = out.woodEachSide < kQuarterInchOfWood;
    out.thinAboveBlade = r.coveDepth > r.boardThickness - kQuarterInchOfWood;
    out.smallestPassDepth = r.coveDepth / kMaxPasses;

    if (r.coveWidth > r.boardWidth) return fail(PlanProblem::WiderThanBoard);
    if (r.coveDepth >= r.boardThickness) return fail(PlanProblem::DeeperThanBoard);
    if (!(r.passDepth > 0)) return fail(PlanProblem::NoPassDepth);
    if (!(passCount(r.coveDepth, r.passDepth) <= kMaxPasses)) {
        return fail(PlanProblem::TooManyPasses);
    }
    out.passes = passSchedule(r.coveDepth, r.passDepth, out.angleDeg, r.bladeDiameter, r.kerf);
    return out;
}

}  // namespace arcwright
