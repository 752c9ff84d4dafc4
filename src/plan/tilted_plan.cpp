// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/tilted_plan.h"

#include <cmath>

#include "plan/plan_rules.h"
#include "plan/tilted_angle.h"
#include "plan/tilted_section.h"

namespace arcwright {

namespace {

// The passes up to the finished cove's section.
std::vector<PlanPass> passesOn(const TiltedSection& finished, const FenceAngleTerms& angle,
                               double passDepth, BladeLean lean) {
    const double coveDepth = finished.height();
    const int n = scheduledPasses(coveDepth, passDepth);
    std::vector<PlanPass> passes;
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

}  // namespace

std::vector<PlanPass> passesOnTiltedBlade(double coveDepth, double passDepth, double angleDeg,
                                          double bladeDiameter, double kerf,
                                          const BladeTilt& tilt) {
    if (!usableTilt(tilt.degrees) || !std::isfinite(angleDeg) || !(angleDeg >= 0) ||
        !(angleDeg <= 90)) {
        return {};
    }
    const auto finished =
        TiltedSection::make(coveDepth, bladeDiameter, kerf, tilt.degrees * kRadPerDeg);
    if (!finished) return {};
    return passesOn(*finished, finished->angleTerms(angleDeg * kRadPerDeg), passDepth, tilt.lean);
}

void solveOnTiltedBlade(const PlanRequest& r, PlanResult& out) {
    auto fail = [&out](PlanProblem p) { out.problem = p; };
    if (!soundBlade(r)) return fail(PlanProblem::BadBlade);
    if (!soundBoard(r)) return fail(PlanProblem::NoBoard);
    const double beta = out.tilt.degrees * kRadPerDeg;
    out.bladeRadius = r.bladeDiameter / 2;
    out.deepestCut = out.bladeRadius * std::cos(beta);
    out.narrowestCove = r.kerf / std::cos(beta);
    if (!(r.coveDepth > 0)) return fail(PlanProblem::NoDepth);
    if (r.coveDepth > out.bladeRadius) return fail(PlanProblem::DeeperThanBladeRadius);
    if (r.coveDepth > out.deepestCut) {
        out.tiltProblem = TiltProblem::DeeperThanTiltedBlade;
        return;
    }

    const auto section = TiltedSection::make(r.coveDepth, r.bladeDiameter, r.kerf, beta);
    if (!section) {  // not reached: the same depth test as above
        out.tiltProblem = TiltProblem::DeeperThanTiltedBlade;
        return;
    }
    const TiltedAngle angle = tiltedFenceAngle(r.coveWidth, *section);
    out.narrowestCove = angle.narrowest;
    out.widestCove = angle.widest;
    if (!(r.coveWidth > 0)) return fail(PlanProblem::NoWidth);
    if (r.coveWidth < angle.narrowest) return fail(PlanProblem::NarrowerThanKerf);
    if (!angle.hasAngle) return fail(PlanProblem::WiderThanBladeReaches);

    const PlanProblem onBoard = placeOnBoard(r, angle.angleDeg, out);
    const FenceAngleTerms terms = section->angleTerms(angle.angleDeg * kRadPerDeg);
    out.cove = tiltedCoveAtFace(*section, terms, out.tilt.lean);
    out.tableOffset = tableOffset(r.coveDepth, r.kerf, out.tilt);
    if (onBoard != PlanProblem::None) return fail(onBoard);
    out.passes = passesOn(*section, terms, r.passDepth, out.tilt.lean);
}

}  // namespace arcwright
