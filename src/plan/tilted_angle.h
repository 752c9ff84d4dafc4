// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tilted planner's inverse: the fence angle that cuts the cove wanted, at its depth, on
// this blade at this tilt. What is assumed is in plan/blade_tilt.h. Lengths in inches,
// angles in degrees; never a non-finite number.

namespace arcwright {

struct TiltedAngle {
    // The fence along the blade (0°) cuts the tilted kerf, k / cos β; on a cove shallower
    // than the kerf's rise, k · sin β, only the part of it that reaches the board.
    double narrowest = 0.0;
    // The widest cove at this depth over fence angles from 0° to 90°.
    double widest = 0.0;
    bool hasAngle = false;  // narrowest ≤ width ≤ widest
    double angleDeg = 0.0;  // the smallest fence angle that cuts the width
};

// For a tilted blade (a usable tilt of at least kUprightBelowDeg; the lean does not change
// the width). The width at the face climbs from `narrowest` as the fence swings square to
// the blade; on deep or very shallow coves it can fall back a little before it climbs again,
// and the angle given is then still the smallest. All zero for an upright blade (the
// upright planner's solve has its own closed form) and where tiltedCoveAtFace gives no
// cove.
TiltedAngle tiltedFenceAngle(double coveWidth, double coveDepth, double bladeDiameter, double kerf,
                             double tiltDeg);

class TiltedSection;

// The same on a blade height already worked out (plan/tilted_section.h).
TiltedAngle tiltedFenceAngle(double coveWidth, const TiltedSection& section);

}  // namespace arcwright
