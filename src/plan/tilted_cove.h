// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The cove a tilted blade cuts at one blade height and fence angle: its width at the board
// face, how far each wall reaches from the deepest point, whether a wall leans under, and
// where on the table the deepest point lies. What is assumed, and the directions, are in
// plan/blade_tilt.h. Lengths in inches, angles in degrees; never a non-finite number.

#include "plan/blade_tilt.h"
#include "plan/cove_outline.h"

namespace arcwright {

// One wall of the cove, from the deepest point across the board face to where the wall
// meets the face.
struct CoveWall {
    // Across the face from the deepest point to this wall's edge. Below 0 only when a wall
    // leans under so far that the deepest point lies beyond the wall's edge at the face.
    double reach = 0.0;
    // How much farther across the cove reaches inside the board than at the face on this
    // side; 0 unless the wall leans under (by more than a billionth of an inch), so that the
    // moulding cannot be lifted straight off a flat face.
    double undercut = 0.0;

    bool leansUnder() const { return undercut > 0; }
    bool operator==(const CoveWall&) const = default;
};

struct TiltedCove {
    double width = 0.0;  // at the board face, as coveWidthAtFace for the upright blade
    CoveWall fenceSide;
    CoveWall farSide;
    // The bottom of the cove, where the blade's highest point passes: x from the deepest
    // point as BoardEndPoint measures it (within half a kerf of it), depth the blade height.
    BoardEndPoint bottom;

    bool operator==(const TiltedCove&) const = default;
};

// The wall on the side the blade leans toward: the shorter, steeper one (the same as the
// other when the blade is upright or the fence square across it).
const CoveWall& steepWall(const TiltedCove& cove, BladeLean lean);
const CoveWall& gentleWall(const TiltedCove& cove, BladeLean lean);

// The cove this set-up cuts. Upright (tilt 0) exactly the upright planner's cove:
// coveWidthAtFace, half of it each side, no undercut. All zero when the set-up makes no
// cove: a tilt that is not usableTilt, a fence angle outside 0° to 90°, no blade, a kerf
// below 0 or as wide as the blade, a blade height not above 0 or above r · cos β.
TiltedCove tiltedCoveAtFace(double angleDeg, double bladeHeight, double bladeDiameter, double kerf,
                            const BladeTilt& tilt);

class TiltedSection;
struct FenceAngleTerms;

// The same on a blade height and fence angle already worked out (plan/tilted_section.h).
TiltedCove tiltedCoveAtFace(const TiltedSection& section, const FenceAngleTerms& angle,
                            BladeLean lean);

// The point of the table under the middle of the highest tooth, over which the cove's
// deepest point runs: its distance from the blade line (the middle of the slot the blade
// comes up through), square to the blade line, (h − (k/2) sin β) · tan β. Signed as
// BoardEndPoint::x: negative when it lies off the blade line toward the fence side of the
// board (the blade leaning toward the fence), positive toward the far side; across the
// board face that is the offset times cos θ. 0 upright or for a tilt that is not usable.
double tableOffset(double bladeHeight, double kerf, const BladeTilt& tilt);

}  // namespace arcwright
