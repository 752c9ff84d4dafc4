// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/tilted_outline.h"

#include <algorithm>
#include <cmath>

#include "plan/plan_rules.h"
#include "plan/tilted_section.h"

namespace arcwright {

namespace {

// The blade's two rims seen along the feed, in the frame where the blade leans toward the
// fence: rim angle α from the top of the rim, positive toward the fence.
class ProjectedRims {
  public:
    ProjectedRims(const TiltedSection& s, double ct, double st) : s_(s), ct_(ct), st_(st) {}

    // Upper face (upper = true) or lower face, at rim angle alpha.
    BoardEndPoint at(bool upper, double alpha) const {
        const double r = s_.radius();
        const double half = s_.kerf() / 2 * s_.cosTilt() * ct_;
        const double x = r * s_.sinTilt() * ct_ * (1 - std::cos(alpha)) -
                         r * st_ * std::sin(alpha) + (upper ? half : -half);
        const double drop =
            r * s_.cosTilt() * (1 - std::cos(alpha)) + (upper ? 0.0 : s_.kerf() * s_.sinTilt());
        return {x, std::clamp(s_.height() - drop, 0.0, s_.height())};
    }

    // Points from rim angle `from` to `to` in `intervals` even steps, `to` included and
    // `from` unless the points already end there.
    void arc(std::vector<BoardEndPoint>& points, bool upper, double from, double to, int intervals,
             bool withFrom = true) const {
        for (int i = withFrom ? 0 : 1; i <= intervals; ++i) {
            const double t = intervals == 0 ? 0.0 : static_cast<double>(i) / intervals;
            points.push_back(at(upper, from + (to - from) * t));
        }
    }

  private:
    const TiltedSection& s_;
    double ct_, st_;
};

// The rim angle at which a rim whose top stands `top` above the table meets it.
double meetsTable(const TiltedSection& s, double top) {
    return std::acos(std::clamp(1 - top / (s.radius() * s.cosTilt()), -1.0, 1.0));
}

std::vector<BoardEndPoint> leaningTowardFence(const TiltedSection& s, double ct, double st,
                                              int steps) {
    const ProjectedRims rims(s, ct, st);
    std::vector<BoardEndPoint> points;
    points.reserve(static_cast<std::size_t>(2 * steps + 2));

    // Toward the fence the upper rim runs down from the top to where the kerf's flat
    // leaves it (the rim's tangent there runs along the kerf), the flat goes down to the
    // lower rim, and the lower rim goes on down to the face; the face cuts one of the three.
    const double handOver = std::atan2(s.sinTilt() * st, ct);
    const double upperMeets = meetsTable(s, s.height());
    const double flatTop = rims.at(true, handOver).depth;
    const double rise = s.kerf() * s.sinTilt();
    if (upperMeets <= handOver || s.kerf() == 0) {
        rims.arc(points, true, upperMeets, 0.0, steps);
    } else if (flatTop <= rise) {
        const BoardEndPoint top = rims.at(true, handOver);
        points.push_back({top.x - flatTop / rise * s.kerf() * s.cosTilt() * ct, 0.0});
        rims.arc(points, true, handOver, 0.0, steps);
    } else {
        const double lowerMeets = meetsTable(s, s.height() - rise);
        // The steps shared between the two rims by the angle each turns through.
        const int upperSteps =
            handOver > 0 ? std::clamp(static_cast<int>(std::lround(steps * handOver / lowerMeets)),
                                      1, std::max(1, steps - 1))
                         : 0;
        rims.arc(points, false, lowerMeets, handOver, std::max(1, steps - upperSteps));
        rims.arc(points, true, handOver, 0.0, upperSteps);
    }
    points.front().depth = 0.0;
    // The far side is the upper rim all the way down: the blade cuts no deeper than
    // r · cos β, so its lower rim stays inside.
    rims.arc(points, true, 0.0, -upperMeets, steps, false);
    points.back().depth = 0.0;
    return points;
}

bool finitePoints(const std::vector<BoardEndPoint>& points) {
    return std::all_of(points.begin(), points.end(), [](const BoardEndPoint& p) {
        return std::isfinite(p.x) && std::isfinite(p.depth);
    });
}

}  // namespace

std::vector<BoardEndPoint> tiltedCoveOutline(double coveDepth, double angleDeg,
                                             double bladeDiameter, double kerf,
                                             const BladeTilt& tilt, int stepsPerFlank) {
    if (!usableTilt(tilt.degrees) || !std::isfinite(angleDeg) || !(angleDeg >= 0) ||
        !(angleDeg <= 90)) {
        return {};
    }
    if (uprightTilt(tilt.degrees)) {
        return coveOutline(coveDepth, angleDeg, bladeDiameter, kerf, stepsPerFlank);
    }
    const auto section =
        TiltedSection::make(coveDepth, bladeDiameter, kerf, tilt.degrees * kRadPerDeg);
    if (!section) return {};
    const int steps = std::clamp(stepsPerFlank, 1, 10000);
    const double theta = angleDeg * kRadPerDeg;
    std::vector<BoardEndPoint> points =
        leaningTowardFence(*section, std::cos(theta), std::sin(theta), steps);
    if (tilt.lean == BladeLean::AwayFromFence) {
        std::reverse(points.begin(), points.end());
        for (BoardEndPoint& p : points) p.x = p.x == 0 ? 0.0 : -p.x;
    }
    if (!finitePoints(points)) return {};
    return points;
}

}  // namespace arcwright
