// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The shop's rules, each written once for the calculator, its step buttons and the planner
// alike: the wood a cove cut must leave, the boards the calculator's fence set-up takes, and
// the chord of the blade.

#include <cmath>

namespace arcwright {

// Less wood than this beside the cove or above the blade is too little to cut safely.
inline constexpr double kQuarterInchOfWood = 0.25;

// The calculator works out boards up to 6 in. wide; the step buttons never widen a board
// past it, narrow one below 2 in. or thicken one past 2 in.
inline constexpr double kWidestBoard = 6.0;
inline constexpr double kNarrowestBoard = 2.0;
inline constexpr double kThickestBoard = 2.0;

// The chord that a line h below the top of a blade of this diameter cuts from it: at the
// table, with h the blade height, the length of blade standing above the table. A line the
// blade does not reach (h below 0 or past the diameter) cuts nothing, rather than the root
// of a negative number.
inline double bladeChord(double h, double bladeDiameter) {
    const double square = (4 * h) * (bladeDiameter - h);
    return square > 0 ? std::sqrt(square) : 0.0;
}

}  // namespace arcwright
