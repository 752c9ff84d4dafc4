// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/setup.h"

namespace arcwright {

// The four set-up values as read from their boxes.
struct CoveInputs {
    double bladeHeight = 0.0;    // inch above the table
    double boardAngleDeg = 0.0;  // board to blade, degrees
    double boardWidth = 0.0;     // inch
};

// Everything one recomputation works out; replaced as a whole by the next.
struct CoveSolution {
    int pointCount = 0;  // N, the number of levels
    double boardAngleRad = 0.0;
    LevelTable profileWidth{};      // entry n: width of the hollow at level n; entry 1 is the cut
    LevelTable profileHalfWidth{};  // entry n: half of profileWidth[n]
    bool tooWide = false;           // less than 1/4 in. of board left on a side
    std::string cutWidthText;       // "0.##0 in." text of the cut width; empty when too wide

    double cutWidth() const { return profileWidth[1]; }
};

// Solves the cove level by level from the board face inward. Writes every field of
// `out` (tables emptied first), so a solution can be reused without reallocating.
void solveCove(const CoveInputs& in, CoveSolution& out);

}  // namespace arcwright
