// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/tilted_section.h"

#include <algorithm>
#include <cmath>

#include "geometry/shop_rules.h"
#include "plan/blade_tilt.h"
#include "plan/plan_rules.h"

namespace arcwright {

std::optional<TiltedSection> TiltedSection::make(double bladeHeight, double bladeDiameter,
                                                 double kerf, double tiltRad) {
    if (!std::isfinite(bladeHeight) || !std::isfinite(bladeDiameter) || !std::isfinite(kerf) ||
        !std::isfinite(tiltRad) || !(bladeDiameter > 0) || !(kerf >= 0) ||
        !(kerf < bladeDiameter) || !(tiltRad <= kMaxTiltDeg * kRadPerDeg)) {
        return std::nullopt;
    }
    const double sb = std::sin(tiltRad);
    const double cb = std::cos(tiltRad);
    if (!(sb > 0) || !(bladeHeight > 0) || !(bladeHeight <= bladeDiameter / 2 * cb)) {
        return std::nullopt;
    }
    return TiltedSection(bladeHeight, bladeDiameter, kerf, sb, cb);
}

std::optional<TiltedSection> TiltedSection::lowered(double bladeHeight) const {
    if (!(bladeHeight > 0) || !(bladeHeight <= h_)) return std::nullopt;
    return TiltedSection(bladeHeight, d_, k_, sb_, cb_);
}

TiltedSection::TiltedSection(double h, double d, double k, double sb, double cb)
    : h_(h),
      d_(d),
      r_(d / 2),
      k_(k),
      sb_(sb),
      cb_(cb),
      tb_(sb / cb),
      kerfAtTable_(std::min(k, h / sb)),
      upperHalfChord_(halfChord(0.0)) {}

double TiltedSection::halfChord(double tau) const {
    return bladeChord(inPlaneHeight(tau), d_) / 2;
}

FenceAngleTerms TiltedSection::angleTerms(double fenceAngleRad) const {
    FenceAngleTerms a;
    a.cos = std::cos(fenceAngleRad);
    a.sin = std::sin(fenceAngleRad);
    const double rho = std::sqrt(a.sin * a.sin * sb_ * sb_ + a.cos * a.cos);
    a.reachingCentre = rho > 0 ? a.cos / rho : 0.0;
    return a;
}

TiltedEdges TiltedSection::edges(const FenceAngleTerms& a) const {
    TiltedEdges out;
    const double ct = a.cos;
    const double st = a.sin;
    // The middle of the highest tooth stands (h − (k/2) sin β) tan β off the blade line
    // toward the fence, the upper face meets the table k / (2 cos β) the other way: between
    // them, across the blade line, (k/2) cos β + h tan β.
    const double upperFace = k_ / 2 * cb_ + h_ * tb_;
    out.farSideX = ct * upperFace + st * upperHalfChord_;

    const double tau =
        std::clamp((h_ - r_ * (1 - a.reachingCentre) * cb_) / sb_, 0.0, kerfAtTable_);
    out.fenceSideX = ct * (upperFace - tau / cb_) - st * halfChord(tau);
    return out;
}

TiltedFarthest TiltedSection::farthest(const FenceAngleTerms& a) const {
    TiltedFarthest out;
    const double ct = a.cos;
    const double st = a.sin;
    // The blade's outline seen along the feed reaches farthest across where its rim's
    // tangent runs square to the face: on the lower face's rim toward the fence, on the
    // upper face's rim the other way, at the rim angle α* from the top with
    // cos α* = sin β cos θ / ρ2, ρ2 = √(sin² β cos² θ + sin² θ).
    const double rho2 = std::sqrt(sb_ * sb_ * ct * ct + st * st);
    const double cosStar = rho2 > 0 ? sb_ * ct / rho2 : 1.0;
    out.fenceSideX = ct * (r_ * sb_ - k_ / 2 * cb_) - r_ * rho2;
    out.fenceSideDepth = h_ - k_ * sb_ - r_ * cb_ * (1 - cosStar);
    out.farSideX = ct * (r_ * sb_ + k_ / 2 * cb_) + r_ * rho2;
    out.farSideDepth = h_ - r_ * cb_ * (1 + cosStar);
    return out;
}

}  // namespace arcwright
