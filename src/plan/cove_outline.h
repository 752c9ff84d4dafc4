// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The cove as a real blade leaves it at the board end: the outline across the board,
// for drawings and full-size templates.

#include <vector>

namespace arcwright {

// x across the board from the cove's centre line, depth into the board from its face;
// both in inches.
struct BoardEndPoint {
    double x = 0.0;
    double depth = 0.0;

    bool operator==(const BoardEndPoint&) const = default;
};

// The cove's outline from its left edge at the face, down one flank, across the flat
// bottom the teeth leave (k · cos θ wide) and up the other flank to the right edge.
// At height z above the table the blade's chord is ch(z) = 2√(r² − (z − (H − r))²),
// r = D / 2, and the cove there is sin θ · ch(z) + k · cos θ wide. `stepsPerFlank`
// points are spaced evenly round the blade's rim. Empty when the blade or depth make no
// cove (see PlanProblem); never holds a non-finite point.
std::vector<BoardEndPoint> coveOutline(double coveDepth, double angleDeg, double bladeDiameter,
                                       double kerf, int stepsPerFlank = 48);

}  // namespace arcwright
