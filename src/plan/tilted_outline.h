// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tilted cove's outline at the board end, for the planner's drawing and the printed
// template. What is assumed, and the directions, are in plan/blade_tilt.h.

#include <vector>

#include "plan/blade_tilt.h"
#include "plan/cove_outline.h"

namespace arcwright {

// The outline from the fence-side edge at the face (x < 0) down the fence-side wall, over
// the bottom and up the far-side wall to the far-side edge, x measured from the deepest
// point as tiltedCoveAtFace measures it. Seen along the feed the blade's rims are ellipses
// and the kerf joins them with a flat that leans with the blade; each wall follows one rim,
// `stepsPerFlank` points spaced evenly round it, and the flat is where the steep wall's rim
// hands over to the gentle wall's. An undercut wall runs out past its edge and back.
// Upright (tilt 0) exactly coveOutline. Empty when tiltedCoveAtFace gives no cove; never
// holds a non-finite point.
std::vector<BoardEndPoint> tiltedCoveOutline(double coveDepth, double angleDeg,
                                             double bladeDiameter, double kerf,
                                             const BladeTilt& tilt, int stepsPerFlank = 48);

}  // namespace arcwright
