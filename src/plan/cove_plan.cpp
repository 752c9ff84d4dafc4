// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/cove_plan.h"

#include <algorithm>
#include <cmath>

#include "geometry/shop_rules.h"
#include "plan/plan_rules.h"
#include "plan/tilted_outline.h"
#include "plan/tilted_plan.h"

namespace arcwright {

namespace {

TiltProblem tiltValueProblem(double degrees) {
    if (!std::isfinite(degrees)) return TiltProblem::NotANumber;
    if (degrees < 0) return TiltProblem::Negative;
    if (degrees > kMaxTiltDeg) return TiltProblem::PastMaxTilt;
    return TiltProblem::None;
}

// The upright blade cuts a cove symmetric about its centre: each wall half the width.
std::vector<PlanPass> uprightPasses(double coveDepth, double passDepth, double angleDeg,
                                    double bladeDiameter, double kerf) {
    std::vector<PlanPass> passes;
    const int n = scheduledPasses(coveDepth, passDepth);
    passes.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const double height = passHeight(i, n, coveDepth, passDepth);
        const double width = coveWidthAtFace(angleDeg, height, bladeDiameter, kerf);
        passes.push_back({i, height, width, width / 2, width / 2});
    }
    return passes;
}

void solveUpright(const PlanRequest& r, PlanResult& out) {
    auto fail = [&out](PlanProblem p) { out.problem = p; };
    if (!soundBlade(r)) return fail(PlanProblem::BadBlade);
    out.narrowestCove = r.kerf;
    out.deepestCut = r.bladeDiameter / 2;
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
    // The cove cut is the cove asked for: half of it each side, to the last bit (the width
    // worked forward from the angle comes back a few parts in 10^16 off).
    out.cove = tiltedCoveAtFace(out.angleDeg, r.coveDepth, r.bladeDiameter, r.kerf, out.tilt);
    out.cove.width = r.coveWidth;
    out.cove.fenceSide.reach = r.coveWidth / 2;
    out.cove.farSide.reach = r.coveWidth / 2;
    if (onBoard != PlanProblem::None) return fail(onBoard);
    out.passes = uprightPasses(r.coveDepth, r.passDepth, out.angleDeg, r.bladeDiameter, r.kerf);
}

}  // namespace

double coveWidthAtFace(double angleDeg, double bladeHeight, double bladeDiameter, double kerf) {
    const double theta = angleDeg * kRadPerDeg;
    return std::sin(theta) * bladeChord(bladeHeight, bladeDiameter) + kerf * std::cos(theta);
}

std::vector<PlanPass> passSchedule(double coveDepth, double passDepth, double angleDeg,
                                   double bladeDiameter, double kerf, const BladeTilt& tilt) {
    if (!usableTilt(tilt.degrees)) return {};
    if (uprightTilt(tilt.degrees)) {
        return uprightPasses(coveDepth, passDepth, angleDeg, bladeDiameter, kerf);
    }
    return passesOnTiltedBlade(coveDepth, passDepth, angleDeg, bladeDiameter, kerf, tilt);
}

std::vector<BoardEndPoint> planOutline(const PlanRequest& r, const PlanResult& plan, double depth) {
    if (!plan.hasAngle) return {};
    return tiltedCoveOutline(depth, plan.angleDeg, r.bladeDiameter, r.kerf, plan.tilt);
}

PlanResult solve(const PlanRequest& r, const BladeTilt& tilt) {
    PlanResult out;
    out.tilt = tilt;
    out.tiltProblem = tiltValueProblem(tilt.degrees);
    if (out.tiltProblem != TiltProblem::None) return out;
    if (uprightTilt(tilt.degrees)) {
        solveUpright(r, out);
    } else {
        solveOnTiltedBlade(r, out);
    }
    return out;
}

}  // namespace arcwright
