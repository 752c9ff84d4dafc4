// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/saw_limits.h"

#include <cmath>

#include "plan/plan_rules.h"

namespace arcwright {

namespace {

// The problems the geometry finds before it knows the fence angle: the saw's limits come
// after them, so that a blade or a board that makes no sense is named first.
bool refusedEarlier(const PlanResult& plan) {
    if (plan.tiltProblem != TiltProblem::None) return true;
    switch (plan.problem) {
        case PlanProblem::BadBlade:
        case PlanProblem::NoBoard:
        case PlanProblem::NoDepth:
        case PlanProblem::DeeperThanBladeRadius:
            return true;
        default:
            return false;
    }
}

void refuse(PlanResult& plan, PlanProblem problem) {
    plan.problem = problem;
    plan.hasAngle = false;
    plan.angleDeg = 0;
    plan.complementDeg = 0;
    plan.thinSides = false;
    plan.thinAboveBlade = false;
    plan.passes.clear();
    plan.cove = {};
    plan.tableOffset = 0;
}

}  // namespace

double defaultMaxHeight(double bladeDiameter) {
    return kDefaultReachPerDiameter * bladeDiameter;
}

double reachAtTilt(double maxHeight, double tiltDegrees) {
    return maxHeight * std::cos(tiltDegrees * kRadPerDeg);
}

void applySawLimits(const PlanRequest& r, double maxHeight, PlanResult& plan) {
    if (refusedEarlier(plan)) return;
    const double tolerance = 1e-9;  // a diameter or depth typed in millimetres
    if (!(r.bladeDiameter >= kSmallestTableSawBlade - tolerance) ||
        !(r.bladeDiameter <= kLargestTableSawBlade + tolerance)) {
        refuse(plan, PlanProblem::BladeSizeUnusual);
        return;
    }
    const double tilt = plan.tilt.degrees;
    const double reach = reachAtTilt(maxHeight, usableTilt(tilt) ? tilt : 0.0);
    plan.sawReach = std::isfinite(reach) ? reach : 0.0;
    if (!(r.coveDepth <= reach + tolerance)) refuse(plan, PlanProblem::DeeperThanSawReaches);
}

}  // namespace arcwright
