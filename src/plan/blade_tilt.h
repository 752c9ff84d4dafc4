// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The blade tilted from the vertical, for the asymmetric coves of crown and bed mouldings:
// how far it tilts, which way it leans, and what the planner takes a tilted blade to be.
//
// What the tilted planner assumes:
// - The blade is a flat cylinder of diameter D and thickness k, the kerf: the teeth's set
//   and shape are ignored beyond the kerf, and the teeth's tips are the cylinder's rim.
// - It tilts β from the vertical about the blade line, the line along the middle of the
//   slot the blade comes up through: the blade's middle plane meets the table there at
//   every tilt, as the middle of a zero-clearance insert's slot does.
// - h, the blade height and the depth of the cove, is the height of the blade's highest
//   point above the table: tilted, the top of the rim on the blade's upper face (the face
//   that looks up).
// - Between passes the arbor rises as a tilting saw raises it, in the blade's own tilted
//   plane: the blade meets the table along the same line at every height, each pass lies
//   inside the next, and the point under the top of the blade moves tan β off the blade
//   line, toward the lean, for every inch the blade rises. (A blade raised straight up
//   would move its slot, and at small fence angles the early passes would cut past the
//   finished cove's far wall.)
// - The board lies face down, flat on the table, and is fed along a straight fence at θ to
//   the blade line; the cut seen in its end is the blade projected along the feed, and the
//   cove is the part of that shape above the table.
// - The blade cuts no deeper than r · cos β (r = D / 2), where the centre of its upper
//   face comes up to the table; upright, that is the blade's radius, as for the upright
//   planner. Real saws stop lower still.
//
// Across the board face (BoardEndPoint::x) the tilted cove is measured from its deepest
// point, taken as the point over the middle of the blade's highest tooth: on the upright
// blade the middle of the kerf's flat bottom; tilted, that flat leans with the blade and
// its end on the far side of the lean is deepest, by (k / 2) · sin β (under 0.05 in. for
// a 1/8-in. kerf at 45°). Measured so, the walls change smoothly from the upright cove's as
// the blade starts to tilt, and the wall on the side the blade leans toward is always the
// shorter and steeper one.

#include <cmath>

namespace arcwright {

// Table saws tilt their blades from upright to 45°.
inline constexpr double kMaxTiltDeg = 45.0;

// Which way the top of a tilted blade moves, seen across the board. x runs across the
// board face, negative toward the fence side (the board edge that runs along the fence),
// positive toward the far side. TowardFence: the blade's top stands over the fence side of
// where the blade comes out of the table, so the cove's steep wall is on the fence side;
// AwayFromFence: the mirror image, steep wall on the far side. (With the fence square
// across the blade, at 90°, the lean runs along the board and the cove is symmetric.)
enum class BladeLean { TowardFence, AwayFromFence };

struct BladeTilt {
    double degrees = 0.0;  // from the vertical: 0 upright, up to kMaxTiltDeg
    BladeLean lean = BladeLean::TowardFence;
};

// A tilt the planner works with: a number from 0 to kMaxTiltDeg.
inline bool usableTilt(double degrees) {
    return std::isfinite(degrees) && degrees >= 0 && degrees <= kMaxTiltDeg;
}

// A tilt below a billionth of a degree moves the cove's outline by far less than any saw or
// rule can show; the planner cuts it with the upright blade's arithmetic, which the tilted
// arithmetic (it divides by sin β) approaches as the tilt goes to 0.
inline constexpr double kUprightBelowDeg = 1e-9;

inline bool uprightTilt(double degrees) {
    return degrees < kUprightBelowDeg;
}

}  // namespace arcwright
