// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/cove_outline.h"

#include <algorithm>
#include <cmath>

#include "geometry/cove_solver.h"

namespace arcwright {

std::vector<BoardEndPoint> coveOutline(double coveDepth, double angleDeg, double bladeDiameter,
                                       double kerf, int stepsPerFlank) {
    std::vector<BoardEndPoint> points;
    const double r = bladeDiameter / 2;
    if (!std::isfinite(coveDepth) || !std::isfinite(angleDeg) || !std::isfinite(r) ||
        !std::isfinite(kerf) || !(r > 0) || !(coveDepth > 0) || coveDepth > r || kerf < 0) {
        return points;
    }
    const int steps = std::clamp(stepsPerFlank, 1, 10000);
    const double theta = angleDeg * (kTenDigitPi / 180);
    const double across = std::sin(theta);
    const double halfFlat = kerf * std::cos(theta) / 2;

    // The rim from where it crosses the table (α0) to its top (α = 0): the blade centre
    // sits r − H below the table, so z = (H − r) + r cos α and the half chord is r sin α.
    const double centre = coveDepth - r;
    const double alpha0 = std::acos(std::clamp(-centre / r, -1.0, 1.0));
    points.reserve(static_cast<std::size_t>(2 * steps + 2));
    auto rim = [&](int i) {
        const double alpha = alpha0 * (1.0 - static_cast<double>(i) / steps);
        const double z = i == 0 ? 0.0 : std::min(coveDepth, centre + r * std::cos(alpha));
        return BoardEndPoint{halfFlat + across * r * std::sin(alpha), z};
    };
    for (int i = 0; i <= steps; ++i) {
        const BoardEndPoint p = rim(i);
        points.push_back({-p.x, p.depth});
    }
    for (int i = steps; i >= 0; --i) points.push_back(rim(i));
    return points;
}

}  // namespace arcwright
