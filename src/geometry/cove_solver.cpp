// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometry/cove_solver.h"

#include <cmath>

#include "geometry/shop_rules.h"

namespace arcwright {

void solveCove(const CoveInputs& in, CoveSolution& out) {
    // The quotient first, then the product: the widths the shop has always seen.
    out.boardAngleRad = in.boardAngleDeg * (kTenDigitPi / 180);
    out.profileWidth.fill(0.0);
    out.profileHalfWidth.fill(0.0);
    out.pointCount = 0;

    const double across = std::sin(out.boardAngleRad);

    // One level per 0.005 in. from the board face inward. h is stepped by addition, so
    // the rounding accumulates: 0.5 in. of blade gives 100 levels, not 101. A blade
    // raised past the tables' depth (or so high that the step no longer changes h)
    // stops at the last level the tables hold.
    double h = in.bladeHeight;
    while (h >= 0 && out.pointCount < kMaxLevels) {
        const int n = ++out.pointCount;
        out.profileWidth[n] = across * bladeChord(h, kBladeDiameter);
        out.profileHalfWidth[n] = out.profileWidth[n] / 2;
        h = h + (-kLevelStep);
    }

    // Less than a quarter inch of wood left either side of a centred cut is too wide;
    // exactly a quarter is fine.
    out.tooWide = out.cutWidth() > in.boardWidth - 2 * kQuarterInchOfWood;
}

}  // namespace arcwright
