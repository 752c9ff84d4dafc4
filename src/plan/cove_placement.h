// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the cove lies across the board's face: centred, or its near edge a chosen distance
// from the board's fence-side edge (the edge that rides along the fence), and the wood that
// leaves on either side. Lengths in inches. No Qt, no text: the window words the results.

#include <optional>
#include <vector>

#include "plan/cove_outline.h"

namespace arcwright {

// The cove at the board face, measured across the board from its deepest line to each
// edge. An upright blade cuts a symmetric cove: both are half its width. A tilted blade
// makes them differ.
struct CoveHalves {
    double fenceSide = 0.0;  // deepest line to the edge nearer the fence
    double farSide = 0.0;    // deepest line to the edge away from the fence
};

enum class PlacementProblem {
    None,
    NoBoard,            // a board width or a half width that is no length at all
    WiderThanBoard,     // centred, the cove still runs off the board's edges
    ThinWoodOffCentre,  // placed off centre, it leaves under a quarter inch on a side
};

struct CovePlacement {
    PlacementProblem problem = PlacementProblem::None;
    bool centred = true;
    double woodFenceSide = 0.0;  // from the board's fence-side edge to the cove
    double woodFarSide = 0.0;    // from the cove to the board's other edge
    // From the fence face, which the board's fence-side edge rides on, to the cove's deepest
    // line: what the fence's place is worked out from.
    double fenceToDeepest = 0.0;
    bool thinFenceSide = false;  // less than kQuarterInchOfWood
    bool thinFarSide = false;
    // The near edge's distances from the fence-side edge that keep a quarter inch of wood
    // each side; nearestOffset > farthestOffset when the board is too narrow for it.
    double nearestOffset = 0.0;
    double farthestOffset = 0.0;

    bool canPlace() const { return problem == PlacementProblem::None; }
};

// Places the cove. An empty `nearEdgeFromFence` centres it, which leaves the same wood on
// both sides; a centred cove with under a quarter inch each side is only a warning (as it
// is in the calculator), an off-centre one is refused, since the woodworker asked for that
// side. Never gives a non-finite number, whatever it is given.
CovePlacement placeCove(double boardWidth, const CoveHalves& cove,
                        std::optional<double> nearEdgeFromFence);

// The cove's outline across the board end moved to where the cove was placed: x from the
// board's centre line, negative toward the fence side, as the board-end drawings take it.
std::vector<BoardEndPoint> placedOnBoard(std::vector<BoardEndPoint> outline,
                                         const CovePlacement& placement, double boardWidth);

}  // namespace arcwright
