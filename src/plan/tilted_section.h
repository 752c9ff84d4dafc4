// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The arithmetic of one blade height on a tilted blade (see plan/blade_tilt.h for what is
// assumed), for the tilted planner's read-outs, outline and inverse. Always in the frame
// where the blade leans toward the fence; the callers mirror it for the other lean.
//
// Slice the blade, parallel to its faces, at τ from its upper face (0 ≤ τ ≤ k). Each slice
// is a disk of radius r whose top stands H(τ) = (h − τ sin β) / cos β above the table,
// measured along the tilted disk, so it cuts the table in a chord of half-length
// L(τ) = √(H (D − H)), at (k/2 − τ) / cos β from the blade line. Seen along the feed, at θ to
// the blade line, each chord spans cos θ times its distance from the blade line, ± sin θ · L;
// the cove at the face is the union of these spans. On the far side the upper face's chord
// reaches farthest (with the blade no deeper than r · cos β every slice's centre is below
// the table, so L falls with τ); on the fence side the slice whose span reaches farthest
// is where m(τ) = r − H(τ) = r cos θ / √(sin² θ sin² β + cos² θ), clamped to the kerf.
//
// x is measured across the board face from the point over the middle of the highest
// tooth, negative toward the fence (the side the blade leans toward here).

#include <optional>

namespace arcwright {

// Where the cove meets the board face, at one fence angle.
struct TiltedEdges {
    double fenceSideX = 0.0;  // the fence-side edge at the face (negative)
    double farSideX = 0.0;    // the far-side edge at the face (positive)
};

// The farthest each wall reaches across, anywhere in the blade's outline, and how deep: a
// wall leans under when that point is inside the board rather than below its face.
struct TiltedFarthest {
    double fenceSideX = 0.0;
    double fenceSideDepth = 0.0;
    double farSideX = 0.0;
    double farSideDepth = 0.0;
};

// A fence angle θ as the tilted arithmetic uses it, worked out once for every blade height:
// its cosine and sine, and cos θ / √(sin² θ sin² β + cos² θ), the depth below the table, as
// a share of r, of the centre of the slice that makes the fence-side edge.
struct FenceAngleTerms {
    double cos = 0.0;
    double sin = 0.0;
    double reachingCentre = 0.0;
};

class TiltedSection {
  public:
    // Nothing unless 0 < sin β, β ≤ 45°, 0 < h ≤ r cos β, D > 0 and 0 ≤ k < D, all finite.
    static std::optional<TiltedSection> make(double bladeHeight, double bladeDiameter, double kerf,
                                             double tiltRad);
    // The same blade at the same tilt raised only to bladeHeight (0 < bladeHeight ≤ h).
    std::optional<TiltedSection> lowered(double bladeHeight) const;

    double height() const { return h_; }
    double radius() const { return r_; }
    double kerf() const { return k_; }
    double sinTilt() const { return sb_; }
    double cosTilt() const { return cb_; }

    // The part of the kerf whose slices reach the table: k, or less on a cove shallower
    // than the tilted kerf's rise (k sin β).
    double kerfAtTable() const { return kerfAtTable_; }
    double inPlaneHeight(double tau) const { return (h_ - tau * sb_) / cb_; }
    double halfChord(double tau) const;
    double centreBelowTable(double tau) const { return r_ - inPlaneHeight(tau); }
    // The upper face's half chord, L(0).
    double upperHalfChord() const { return upperHalfChord_; }

    // At a fence angle from 0 to 90° (in radians).
    FenceAngleTerms angleTerms(double fenceAngleRad) const;
    TiltedEdges edges(const FenceAngleTerms& angle) const;
    TiltedFarthest farthest(const FenceAngleTerms& angle) const;

    // Where the blade's highest point, the top of the upper face's rim, passes through the
    // board end: the cove's deepest point, x from the middle of the highest tooth.
    double deepestX(double cosAngle) const { return k_ / 2 * cb_ * cosAngle; }

  private:
    TiltedSection(double h, double d, double k, double sb, double cb);

    double h_, d_, r_, k_, sb_, cb_, tb_;
    double kerfAtTable_;
    double upperHalfChord_;
};

}  // namespace arcwright
