// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the woodworker's own saw allows, beyond the blade's geometry: the blade sizes table
// saws take and how high the saw raises its blade. The planner's geometry would plan a cove
// as deep as the blade's radius; no table saw raises a blade that far.

#include <optional>

#include "plan/cove_plan.h"

namespace arcwright {

// Table saws take blades from the 7 1/4 in. of the smallest job-site saws to the 16 in. of
// the largest cabinet saws; 8 1/4, 10 and 12 in. are the common sizes.
inline constexpr double kSmallestTableSawBlade = 7.25;
inline constexpr double kLargestTableSawBlade = 16.0;

// How high the saw raises its blade above the table, upright, when the woodworker has not
// said. Makers publish a depth of cut at 90° of 3 to 3 9/16 in. for 10-in. saws (job-site,
// contractor and cabinet saws alike), and about 70 % of it at 45°. Three tenths of the
// diameter gives 3 in. for a 10-in. blade: at or under every published figure, so the
// default never promises more than a saw gives.
inline constexpr double kDefaultReachPerDiameter = 0.3;
double defaultMaxHeight(double bladeDiameter);

// The highest the blade's top stands above the table, tilted: the arbor swings about a
// point at the table's surface, so the whole blade, reach and all, turns through the tilt
// and its top comes down to maxHeight · cos β (45°: 71 %, as the makers' figures give).
double reachAtTilt(double maxHeight, double tiltDegrees);

// Refuses, in `plan`, what the saw cannot do, where the geometry found nothing earlier to
// refuse: a blade no table saw takes (PlanProblem::BladeSizeUnusual) and a cove deeper
// than the saw raises this blade at the plan's tilt (PlanProblem::DeeperThanSawReaches, the
// deepest it can cut in plan.sawReach). A refused plan keeps no angle, no cove and no
// passes.
void applySawLimits(const PlanRequest& request, double maxHeight, PlanResult& plan);

}  // namespace arcwright
