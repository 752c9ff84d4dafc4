// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/tilted_cove.h"

#include <cmath>

#include "plan/cove_plan.h"
#include "plan/plan_rules.h"
#include "plan/tilted_section.h"

namespace arcwright {

namespace {

// Less overhang than this is rounding, not a wall leaning under.
constexpr double kNoUndercut = 1e-9;

// How far past its edge at the face a wall reaches inside the board.
double undercut(double pastEdge, double farthestDepth) {
    return farthestDepth > 0 && pastEdge > kNoUndercut ? pastEdge : 0.0;
}

// Lengths that are 0 are written as 0, never as -0.
double unsignedZero(double v) {
    return v == 0 ? 0.0 : v;
}

bool finiteCove(const TiltedCove& c) {
    return std::isfinite(c.width) && std::isfinite(c.fenceSide.reach) &&
           std::isfinite(c.fenceSide.undercut) && std::isfinite(c.farSide.reach) &&
           std::isfinite(c.farSide.undercut) && std::isfinite(c.bottom.x) &&
           std::isfinite(c.bottom.depth);
}

}  // namespace

const CoveWall& steepWall(const TiltedCove& cove, BladeLean lean) {
    return lean == BladeLean::TowardFence ? cove.fenceSide : cove.farSide;
}

const CoveWall& gentleWall(const TiltedCove& cove, BladeLean lean) {
    return lean == BladeLean::TowardFence ? cove.farSide : cove.fenceSide;
}

TiltedCove tiltedCoveAtFace(double angleDeg, double bladeHeight, double bladeDiameter, double kerf,
                            const BladeTilt& tilt) {
    TiltedCove cove;
    if (!usableTilt(tilt.degrees) || !std::isfinite(angleDeg) || !(angleDeg >= 0) ||
        !(angleDeg <= 90)) {
        return cove;
    }
    if (uprightTilt(tilt.degrees)) {
        const double r = bladeDiameter / 2;
        if (!std::isfinite(bladeHeight) || !std::isfinite(r) || !std::isfinite(kerf) || !(r > 0) ||
            !(kerf >= 0) || !(kerf < bladeDiameter) || !(bladeHeight > 0) || bladeHeight > r) {
            return cove;
        }
        cove.width = coveWidthAtFace(angleDeg, bladeHeight, bladeDiameter, kerf);
        cove.fenceSide.reach = cove.width / 2;
        cove.farSide.reach = cove.width / 2;
        cove.bottom.depth = bladeHeight;
        return cove;
    }
    const auto section =
        TiltedSection::make(bladeHeight, bladeDiameter, kerf, tilt.degrees * kRadPerDeg);
    if (!section) return cove;

    return tiltedCoveAtFace(*section, section->angleTerms(angleDeg * kRadPerDeg), tilt.lean);
}

TiltedCove tiltedCoveAtFace(const TiltedSection& section, const FenceAngleTerms& angle,
                            BladeLean lean) {
    TiltedCove cove;
    const TiltedEdges e = section.edges(angle);
    const TiltedFarthest most = section.farthest(angle);
    cove.width = e.farSideX - e.fenceSideX;
    // The section leans toward the fence; leaning away is its mirror image.
    const CoveWall leanSide{unsignedZero(-e.fenceSideX),
                            undercut(e.fenceSideX - most.fenceSideX, most.fenceSideDepth)};
    const CoveWall otherSide{unsignedZero(e.farSideX),
                             undercut(most.farSideX - e.farSideX, most.farSideDepth)};
    const bool towardFence = lean == BladeLean::TowardFence;
    cove.fenceSide = towardFence ? leanSide : otherSide;
    cove.farSide = towardFence ? otherSide : leanSide;
    const double bottomX = unsignedZero(section.deepestX(angle.cos));
    cove.bottom = {towardFence ? bottomX : unsignedZero(-bottomX), section.height()};
    return finiteCove(cove) ? cove : TiltedCove{};
}

double tableOffset(double bladeHeight, double kerf, const BladeTilt& tilt) {
    if (!usableTilt(tilt.degrees) || uprightTilt(tilt.degrees) || !std::isfinite(bladeHeight) ||
        !std::isfinite(kerf)) {
        return 0.0;
    }
    const double beta = tilt.degrees * kRadPerDeg;
    const double offset = (bladeHeight - kerf / 2 * std::sin(beta)) * std::tan(beta);
    if (!std::isfinite(offset) || offset == 0) return 0.0;
    return tilt.lean == BladeLean::TowardFence ? -offset : offset;
}

}  // namespace arcwright
