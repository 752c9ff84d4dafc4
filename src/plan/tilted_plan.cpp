// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/tilted_plan.h"

#include <cmath>

#include "plan/plan_rules.h"
#include "plan/tilted_angle.h"
#include "plan/tilted_section.h"

namespace arcwright {

namespace {

TiltProblem tiltValueProblem(double degrees) {
    if (!std::isfinite(degrees)) return TiltProblem::NotANumber;
    if (degrees < 0) return TiltProblem::Negative;
    if (degrees > kMaxTiltDeg) return TiltProblem::PastMaxTilt;
    return TiltProblem::None;
}

std::vector<PlanPass> widthsOnly(const std::vector<TiltedPass>& passes) {
    std::vector<PlanPass> out;
    out.reserve(passes.size());
    for (const TiltedPass& p : passes) out.push_back({p.number, p.bladeHeight, p.coveWidth});
    return out;
}

// The upright blade's passes: the cove symmetric about its centre.
std::vector<TiltedPass> halved(const std::vector<PlanPass>& passes) {
    std::vector<TiltedPass> out;
    out.reserve(passes.size());
    for (const PlanPass& p : passes) {
        out.push_back({p.number, p.bladeHeight, p.coveWidth, p.coveWidth / 2, p.coveWidth / 2});
    }
    return out;
}

// The passes up to the finished cove's section.
std::vector<TiltedPass> passesOn(const TiltedSection& finished, const FenceAngleTerms& angle,
                                 double passDepth, BladeLean lean) {
    const double coveDepth = finished.height();
    const int n = scheduledPasses(coveDepth, passDepth);
    std::vector<TiltedPass> passes;
    passes.reserve(static_cast<std::size_t>(n));
    // The blade rises in its own plane: a pass h below full depth has the middle of its
    // highest tooth h tan β farther from the lean, cos θ of that across the face.
    const double perInch = angle.cos * finished.sinTilt() / finished.cosTilt();
    const bool towardFence = lean == BladeLean::TowardFence;
    for (int i = 1; i <= n; ++i) {
        const double height = passHeight(i, n, coveDepth, passDepth);
        const auto section = finished.lowered(height);
        if (!section) return {};
        const TiltedEdges e = section->edges(angle);
        const double shift = (coveDepth - height) * perInch;
        const double leanSide = -(e.fenceSideX + shift);
        const double otherSide = e.farSideX + shift;
        passes.push_back({i, height, e.farSideX - e.fenceSideX, towardFence ? leanSide : otherSide,
                          towardFence ? otherSide : leanSide});
    }
    return passes;
}

TiltedPlanResult solveUpright(const PlanRequest& r, const BladeTilt& tilt) {
    TiltedPlanResult out;
    out.plan = solve(r);
    if (soundBlade(r)) {
        out.narrowestCove = r.kerf;
        out.deepestCut = r.bladeDiameter / 2;
    }
    if (out.plan.hasAngle) {
        out.cove = tiltedCoveAtFace(out.plan.angleDeg, r.coveDepth, r.bladeDiameter, r.kerf, tilt);
    }
    out.passes = halved(out.plan.passes);
    return out;
}

}  // namespace

std::vector<TiltedPass> tiltedPassSchedule(double coveDepth, double passDepth, double angleDeg,
                                           double bladeDiameter, double kerf,
                                           const BladeTilt& tilt) {
    if (!usableTilt(tilt.degrees) || !std::isfinite(angleDeg) || !(angleDeg >= 0) ||
        !(angleDeg <= 90)) {
        return {};
    }
    if (uprightTilt(tilt.degrees)) {
        return halved(passSchedule(coveDepth, passDepth, angleDeg, bladeDiameter, kerf));
    }
    const auto finished =
        TiltedSection::make(coveDepth, bladeDiameter, kerf, tilt.degrees * kRadPerDeg);
    if (!finished) return {};
    return passesOn(*finished, finished->angleTerms(angleDeg * kRadPerDeg), passDepth, tilt.lean);
}

TiltedPlanResult solveTilted(const PlanRequest& r, const BladeTilt& tilt) {
    TiltedPlanResult out;
    out.tiltProblem = tiltValueProblem(tilt.degrees);
    if (out.tiltProblem != TiltProblem::None) return out;
    if (uprightTilt(tilt.degrees)) return solveUpright(r, tilt);

    PlanResult& plan = out.plan;
    auto fail = [&out](PlanProblem p) {
        out.plan.problem = p;
        return out;
    };
    if (!soundBlade(r)) return fail(PlanProblem::BadBlade);
    if (!soundBoard(r)) return fail(PlanProblem::NoBoard);
    const double beta = tilt.degrees * kRadPerDeg;
    plan.bladeRadius = r.bladeDiameter / 2;
    out.deepestCut = plan.bladeRadius * std::cos(beta);
    out.narrowestCove = r.kerf / std::cos(beta);
    if (!(r.coveDepth > 0)) return fail(PlanProblem::NoDepth);
    if (r.coveDepth > plan.bladeRadius) return fail(PlanProblem::DeeperThanBladeRadius);
    if (r.coveDepth > out.deepestCut) {
        out.tiltProblem = TiltProblem::DeeperThanTiltedBlade;
        return out;
    }

    const auto section = TiltedSection::make(r.coveDepth, r.bladeDiameter, r.kerf, beta);
    if (!section) {  // not reached: the same depth test as above
        out.tiltProblem = TiltProblem::DeeperThanTiltedBlade;
        return out;
    }
    const TiltedAngle angle = tiltedFenceAngle(r.coveWidth, *section);
    out.narrowestCove = angle.narrowest;
    plan.widestCove = angle.widest;
    if (!(r.coveWidth > 0)) return fail(PlanProblem::NoWidth);
    if (r.coveWidth < angle.narrowest) return fail(PlanProblem::NarrowerThanKerf);
    if (!angle.hasAngle) return fail(PlanProblem::WiderThanBladeReaches);

    const PlanProblem onBoard = placeOnBoard(r, angle.angleDeg, plan);
    const FenceAngleTerms terms = section->angleTerms(angle.angleDeg * kRadPerDeg);
    out.cove = tiltedCoveAtFace(*section, terms, tilt.lean);
    out.tableOffset = tableOffset(r.coveDepth, r.kerf, tilt);
    if (onBoard != PlanProblem::None) return fail(onBoard);
    out.passes = passesOn(*section, terms, r.passDepth, tilt.lean);
    plan.passes = widthsOnly(out.passes);
    return out;
}

}  // namespace arcwright
