// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/cove_plan.h"

#include <algorithm>
#include <cmath>

#include "geometry/shop_rules.h"
#include "plan/plan_rules.h"

namespace arcwright {

double coveWidthAtFace(double angleDeg, double bladeHeight, double bladeDiameter, double kerf) {
    const double theta = angleDeg * kRadPerDeg;
    return std::sin(theta) * bladeChord(bladeHeight, bladeDiameter) + kerf * std::cos(theta);
}

std::vector<PlanPass> passSchedule(double coveDepth, double passDepth, double angleDeg,
                                   double bladeDiameter, double kerf) {
    std::vector<PlanPass> passes;
    const int n = scheduledPasses(coveDepth, passDepth);
    passes.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const double height = passHeight(i, n, coveDepth, passDepth);
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
    const PlanProblem onBoard = placeOnBoard(r, std::max(0.0, theta / kRadPerDeg), out);
    if (onBoard != PlanProblem::None) return fail(onBoard);
    out.passes = passSchedule(r.coveDepth, r.passDepth, out.angleDeg, r.bladeDiameter, r.kerf);
    return out;
}

}  // namespace arcwright
