// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The planner's arithmetic for a tilted blade, behind solve() and passSchedule() in
// plan/cove_plan.h: the fence angle for the cove wanted, the reasons it cannot be cut, how
// the two walls differ and how each grows pass by pass, and where on the table the deepest
// point lies. What is assumed, and the directions, are in plan/blade_tilt.h. Lengths in
// inches, angles in degrees; never a non-finite number, whatever it is given.

#include <vector>

#include "plan/cove_plan.h"

namespace arcwright {

// Fills `out`, whose tilt is usable and not upright, for the request.
void solveOnTiltedBlade(const PlanRequest& request, PlanResult& out);

// The passes at the heights the upright schedule gives, each with its width and walls.
// Empty where that schedule is, for a tilt that is not usable, a fence angle outside 0° to
// 90°, or where tiltedCoveAtFace gives no cove at full depth.
std::vector<PlanPass> passesOnTiltedBlade(double coveDepth, double passDepth, double angleDeg,
                                          double bladeDiameter, double kerf, const BladeTilt& tilt);

}  // namespace arcwright
