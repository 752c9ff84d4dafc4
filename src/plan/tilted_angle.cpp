// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/tilted_angle.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "plan/blade_tilt.h"
#include "plan/bracketed_root.h"
#include "plan/plan_rules.h"
#include "plan/tilted_section.h"

namespace arcwright {

namespace {

// The fence square across the blade.
constexpr double kSquareAcross = 90 * kRadPerDeg;

// The cove's width at the face as a function of the fence angle θ. Where the fence-side
// edge is made by one slice τ of the kerf (TiltedSection), the width is the support of the
// arc p(τ) = (τ / cos β, L(0) + L(τ)) in the direction (cos θ, sin θ), and θ and τ go
// together: θ(τ) = atan2(L(τ), sin β · m(τ)), from the slice at the far end of the kerf at
// small angles to the upper face at θc = θ(0). Below θ(kerfAtTable) the far end of the
// kerf, the corner p1, makes the edge alone and W = p1 · (cos θ, sin θ); above θc the
// upper face does, and W = 2 L(0) sin θ.
//
// Along the arc the width climbs as θ does where |p|² falls with τ: its slope
// F(τ) = τ / cos² β − tan β · m (L(0) + L) / L is below 0. F is concave (m grows and L
// shrinks along the kerf), F(0) ≤ 0, so the width has at most one hump before it climbs to
// 2 L(0) at 90°: at the corner when F ≥ 0 at the far end of the kerf, else between the two
// roots of F if F rises above 0.
class WidthCurve {
  public:
    explicit WidthCurve(const TiltedSection& s) : s_(s) {
        const double end = s.kerfAtTable();
        cornerX_ = end / s.cosTilt();
        cornerY_ = s.upperHalfChord() + s.halfChord(end);
        cornerReach_ = std::hypot(cornerX_, cornerY_);
        cornerAngle_ = std::atan2(cornerY_, cornerX_);
        cornerEnds_ = end > 0 && !(s.halfChord(end) > 0) ? 0.0 : sliceAngle(end);
        upperStarts_ = sliceAngle(0.0);
        findHump();
    }

    double narrowest() const { return cornerX_; }
    double widest() const {
        const double atSquare = 2 * s_.upperHalfChord();
        return hump_ ? std::max(hump_->width, atSquare) : atSquare;
    }

    // The smallest fence angle, in radians, that cuts `width` (narrowest ≤ width ≤ widest).
    double angleFor(double width) const {
        if (hump_ && width <= hump_->width) {
            // Before the hump the width climbs; past the corner only where the hump is on
            // the arc.
            if (hump_->slice == s_.kerfAtTable() || width <= cornerWidth(cornerEnds_)) {
                return fromCorner(width);
            }
            return onArc(width, hump_->slice, s_.kerfAtTable());
        }
        // After any hump the width climbs all the way to 2 L(0) at 90°.
        const double atSquare = 2 * s_.upperHalfChord();
        if (width >= atSquare * std::sin(upperStarts_)) {
            return std::asin(std::min(1.0, width / atSquare));
        }
        if (!hump_ && width <= cornerWidth(cornerEnds_)) return fromCorner(width);
        return onArc(width, 0.0, hump_ ? hump_->dip : s_.kerfAtTable());
    }

  private:
    struct Hump {
        double width;
        double slice;  // τ at its top (the far end of the kerf for the corner)
        double dip;    // τ at the bottom of the dip after it
    };

    double sliceAngle(double tau) const {
        return std::atan2(s_.halfChord(tau), s_.sinTilt() * s_.centreBelowTable(tau));
    }

    // The width at the angle θ(τ) whose fence-side edge slice τ makes.
    double arcWidth(double tau) const {
        const double l = s_.halfChord(tau);
        const double across = s_.sinTilt() * s_.centreBelowTable(tau);
        // Called a dozen times a solve: hypot only where the squares leave the doubles.
        double n = std::sqrt(l * l + across * across);
        if (!(n > 0) || !std::isfinite(n)) n = std::hypot(l, across);
        if (!(n > 0)) return cornerX_;
        return (tau / s_.cosTilt() * across + (s_.upperHalfChord() + l) * l) / n;
    }

    double slope(double tau) const {
        const double l = s_.halfChord(tau);
        if (!(l > 0)) return -std::numeric_limits<double>::infinity();
        const double cb = s_.cosTilt();
        return tau / (cb * cb) -
               s_.sinTilt() / cb * s_.centreBelowTable(tau) * (s_.upperHalfChord() + l) / l;
    }

    double slopeRate(double tau) const {
        const double l = s_.halfChord(tau);
        if (!(l > 0)) return -std::numeric_limits<double>::infinity();
        const double cb = s_.cosTilt();
        const double tb = s_.sinTilt() / cb;
        const double m = s_.centreBelowTable(tau);
        const double l0 = s_.upperHalfChord();
        return 1 / (cb * cb) - tb * tb * (l0 / l + 1 + m * m * l0 / (l * l * l));
    }

    void findHump() {
        const double end = s_.kerfAtTable();
        if (!(end > 0)) {
            if (slope(0.0) >= 0) hump_ = Hump{cornerReach_, 0.0, 0.0};
            return;
        }
        const auto dipBefore = [this](double tau) {
            return slope(0.0) < 0 ? rootBetween([this](double t) { return slope(t); }, 0.0, tau)
                                  : 0.0;
        };
        if (s_.halfChord(end) > 0 && slope(end) >= 0) {
            hump_ = Hump{cornerReach_, end, dipBefore(end)};
            return;
        }
        // F ≤ end / cos² β − 2 tan β · m(0) everywhere: no hump on most coves.
        if (end <= 2 * s_.sinTilt() * s_.cosTilt() * s_.centreBelowTable(0.0)) return;
        double top = 0.0;
        if (slopeRate(0.0) > 0) {
            top = slopeRate(end) >= 0
                      ? end
                      : rootBetween([this](double t) { return slopeRate(t); }, 0.0, end);
        }
        if (!(slope(top) > 0)) return;
        const double slice = rootBetween([this](double t) { return slope(t); }, top, end);
        hump_ = Hump{arcWidth(slice), slice, dipBefore(top)};
    }

    double cornerWidth(double theta) const {
        return cornerX_ * std::cos(theta) + cornerY_ * std::sin(theta);
    }

    double fromCorner(double width) const {
        return std::max(0.0, cornerAngle_ - std::acos(std::min(1.0, width / cornerReach_)));
    }

    // On the arc between slices `near` (the larger angle) and `far`, where the width falls
    // as τ grows.
    double onArc(double width, double near, double far) const {
        // To a millionth of a millionth of an inch, far past any fence's setting.
        const double tau = rootBetween([this, width](double t) { return arcWidth(t) - width; },
                                       near, far, 1e-12 * (1 + width));
        return sliceAngle(tau);
    }

    const TiltedSection& s_;
    double cornerX_ = 0.0, cornerY_ = 0.0, cornerReach_ = 0.0, cornerAngle_ = 0.0;
    double cornerEnds_ = 0.0;   // θ(kerfAtTable): the corner's angles end here
    double upperStarts_ = 0.0;  // θc: the upper face alone from here to 90°
    std::optional<Hump> hump_;
};

}  // namespace

TiltedAngle tiltedFenceAngle(double coveWidth, double coveDepth, double bladeDiameter, double kerf,
                             double tiltDeg) {
    TiltedAngle out;
    if (!usableTilt(tiltDeg) || uprightTilt(tiltDeg)) return out;
    const auto section = TiltedSection::make(coveDepth, bladeDiameter, kerf, tiltDeg * kRadPerDeg);
    if (!section) return out;
    return tiltedFenceAngle(coveWidth, *section);
}

TiltedAngle tiltedFenceAngle(double coveWidth, const TiltedSection& section) {
    TiltedAngle out;
    const WidthCurve curve(section);
    out.narrowest = curve.narrowest();
    out.widest = curve.widest();
    if (!std::isfinite(out.narrowest) || !std::isfinite(out.widest)) return TiltedAngle{};
    if (!(coveWidth >= out.narrowest) || !(coveWidth <= out.widest)) return out;
    const double theta = curve.angleFor(coveWidth);
    if (!std::isfinite(theta)) return out;
    out.hasAngle = true;
    out.angleDeg = std::clamp(theta, 0.0, kSquareAcross) / kRadPerDeg;
    return out;
}

}  // namespace arcwright
