// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// geometry owns the cove itself: the solver that works it out level by level, the level
// tables, and the outline of its end that every drawing of it follows. Numbers only; how
// they are written for a person is the read-outs' business.

#include "geometry/cove_levels.h"

namespace arcwright {

// pi as the calculations have always used it: ten digits, not full double precision.
inline constexpr double kTenDigitPi = 3.141592654;

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

    double cutWidth() const { return profileWidth[1]; }
};

// Solves the cove level by level from the board face inward. Writes every field of
// `out` (tables emptied first), so a solution can be reused without reallocating.
void solveCove(const CoveInputs& in, CoveSolution& out);

}  // namespace arcwright
