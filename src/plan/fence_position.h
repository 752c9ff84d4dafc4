// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where to clamp the fence so that the cove lands where it is drawn on the board, and on
// which side of the blade the fence belongs. Lengths in inches, angles in degrees. No Qt,
// no text: the window words the results.
//
// The saw table seen from above, the woodworker standing at the front. O, the blade's
// centre point, is the point of the table straight above the arbor on the middle of the
// kerf, where the teeth stand highest; on the saw it is half way between where the teeth
// leave the table at the front and at the back, on the blade's line. Table coordinates run
// from O, x to the right and y toward the back of the saw; the blade line is x = 0.
//
// The cut's deepest line runs in the direction of feed through the point the highest tooth
// stands over: O for an upright blade (with a kerf the cut is symmetric about that line).
// The fence face runs parallel to it, `fenceToDeepest` from it (the wood left on the fence
// side and the fence-side half of the cove). So the face lies d from O, square to the
// fence, and with θ the angle between fence and blade it crosses the blade line d / sin θ
// from O and the line square to the blade through O d / cos θ from O.
//
// Which side of the blade, worked out on the table from above:
// - The teeth come up through the table at the back of the opening and go down at the
//   front, so where they meet the board they move toward the woodworker: the cut drags the
//   board toward the front of the saw.
// - The board is fed along the fence from the front toward the back, against the teeth.
//   Of the drag, the part along the fence is what the woodworker's push overcomes; the part
//   square to the fence must press the board onto the fence. A board dragged away from the
//   fence wanders across the blade, and the blade can throw it.
// - The drag points to the front, so the fence has to stand on the board's front side where
//   the board crosses the blade: the fence face crosses the blade line in front of O,
//   between O and the woodworker, and the board rides on the side of the fence away from
//   the woodworker. Turned the other way, crossing the blade line behind O, the same drag
//   would pull the board off the fence.
// Either slant across the table obeys that rule; they are mirror images of each other.

#include <optional>

namespace arcwright {

// A mark farther than this from O is of no use on a saw table: its fence is so near to
// the blade's own line, or so near square to it, that the other mark sets it.
inline constexpr double kFarthestMark = 36.0;

// Which way the fence runs across the table, seen from the front of the saw. Feeding is
// from the fence's front end toward its back end.
enum class FenceSlant {
    FrontLeftToBackRight,  // the fence passes to the right of O
    FrontRightToBackLeft,  // the fence passes to the left of O
};

// A point or a direction on the saw table: inches from O, x to the right, y to the back.
struct TablePoint {
    double x = 0.0;
    double y = 0.0;
};

struct FenceSetup {
    double angleDeg = 0.0;        // θ, between fence and blade, 0° to 90°
    double fenceToDeepest = 0.0;  // fence face to the cove's deepest line, square to them
    // How far the cove's deepest point lies from O across the blade line (square to it, on
    // the table), positive toward the board's far side, away from the fence. 0 for an
    // upright blade; a tilted blade's highest tooth stands off the blade line.
    double deepestOffset = 0.0;
    FenceSlant slant = FenceSlant::FrontLeftToBackRight;
};

struct FencePosition {
    bool found = false;     // false: θ outside 0° to 90°, a length that is none, or the
                            // fence would stand over O
    double distance = 0.0;  // d, the fence face's distance from O, square to the fence
    // Where the fence face crosses the blade line, measured from O toward the front of the
    // saw; empty when that is farther than kFarthestMark (or never, at θ = 0°).
    std::optional<double> bladeMark;
    // Where it crosses the line square to the blade through O, measured from O toward the
    // side the fence passes on (see FenceSlant); empty past kFarthestMark.
    std::optional<double> squareMark;
    // For drawing the set-up: unit directions along the fence in the direction of feed
    // (toward the back) and square to it from the board toward the fence (toward the front),
    // and the point of the cove's deepest line nearest O.
    TablePoint feed;
    TablePoint towardFence;
    TablePoint deepestPoint;

    // The foot of the square from O on the fence face.
    TablePoint fenceFoot() const { return {towardFence.x * distance, towardFence.y * distance}; }
};

// The fence's place for a set-up. Never gives a non-finite number, whatever it is given.
FencePosition fencePosition(const FenceSetup& setup);

}  // namespace arcwright
