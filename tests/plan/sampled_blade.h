// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A second way to the tilted cove, for the tests: the blade built as a solid in space,
// tilted and raised, both rims sampled densely, seen along the feed, and the convex hull of
// what is seen cut by the table. Nothing here comes from the planner's own arithmetic.

#include <algorithm>
#include <cmath>
#include <vector>

#include "geometry/cove_solver.h"
#include "plan/blade_tilt.h"

namespace arcwright::testing_blade {

struct Point {
    double x, z;  // across the board (negative toward the fence), height above the table
};

struct SampledCove {
    double fenceEdge = 0, farEdge = 0;  // at the board face
    double fenceMost = 0, farMost = 0;  // the farthest the cove reaches each way
    double tableOffset = 0;   // the middle of the highest tooth off the blade line, x's sign
    std::vector<Point> hull;  // counter-clockwise, the whole blade seen along the feed
    double areaAboveTable = 0;
};

inline double cross(const Point& o, const Point& a, const Point& b) {
    return (a.x - o.x) * (b.z - o.z) - (a.z - o.z) * (b.x - o.x);
}

inline std::vector<Point> convexHull(std::vector<Point> pts) {
    std::sort(pts.begin(), pts.end(), [](const Point& a, const Point& b) {
        return a.x < b.x || (a.x == b.x && a.z < b.z);
    });
    std::vector<Point> hull(2 * pts.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0) --k;
        hull[k++] = pts[i];
    }
    for (std::size_t i = pts.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(hull[k - 2], hull[k - 1], pts[i - 1]) <= 0) --k;
        hull[k++] = pts[i - 1];
    }
    hull.resize(k - 1);
    return hull;
}

// The blade of diameter d and thickness k, tilted beta degrees with its top toward the
// fence or away, raised so its highest point stands h above the table, the board fed at
// theta degrees to the blade line; x measured from the point over the middle of the
// highest tooth.
inline SampledCove sampleCove(double h, double thetaDeg, double d, double k, double betaDeg,
                              BladeLean lean, double raisedTo = -1, int samples = 8192) {
    const double pi = std::acos(-1.0);
    const double beta = betaDeg * kTenDigitPi / 180;
    const double theta = thetaDeg * kTenDigitPi / 180;
    const double r = d / 2;
    // Upright, the blade's axis runs along x; tilting turns it about the blade line (y) so
    // the top goes toward -x. Rim point: centre + t * axis + r (cos a * up + sin a * y).
    const double axis[3] = {std::cos(beta), 0, std::sin(beta)};
    const double up[3] = {-std::sin(beta), 0, std::cos(beta)};
    auto rim = [&](double t, double a, int i) {
        return t * axis[i] + r * (std::cos(a) * up[i] + (i == 1 ? std::sin(a) : 0.0));
    };
    // Raise the blade so its highest rim point stands h up (a = 0 is sampled), then slide it
    // across so its middle plane meets the table on the blade line, x = 0. A pass below
    // full depth is the same blade moved down its own plane.
    double top = -1e300;
    for (const double t : {-k / 2, k / 2}) top = std::max(top, rim(t, 0, 2));
    double cz = h - top;
    double cx = -cz * std::tan(beta);  // the middle plane through (0, 0)
    if (raisedTo >= 0) {
        const double along = (raisedTo - h) / std::cos(beta);
        cx += along * up[0];
        cz += along * up[2];
    }
    // Across the board: square to the feed (sin θ, cos θ) in the table. The fence side is
    // the way the top of the blade leans (-x) for TowardFence.
    double across[2] = {std::cos(theta), -std::sin(theta)};  // toward the far side
    const bool toward = lean == BladeLean::TowardFence;
    if ((across[0] * -1 < 0) != toward) {
        across[0] = -across[0];
        across[1] = -across[1];
    }
    auto seen = [&](double px, double py, double pz) {
        return Point{px * across[0] + py * across[1], pz};
    };
    // The middle of the highest tooth: the middle plane's rim at its top, at full depth.
    const double fullCx = -(h - top) * std::tan(beta);
    const Point middle = seen(fullCx + rim(0, 0, 0), 0, 0);

    SampledCove out;
    out.tableOffset = (toward ? 1 : -1) * (fullCx + rim(0, 0, 0));
    std::vector<Point> pts;
    pts.reserve(2 * static_cast<std::size_t>(samples));
    for (int i = 0; i < samples; ++i) {
        const double a = 2 * pi * i / samples;
        for (const double t : {-k / 2, k / 2}) {
            Point p = seen(cx + rim(t, a, 0), rim(t, a, 1), cz + rim(t, a, 2));
            p.x -= middle.x;
            pts.push_back(p);
        }
    }
    out.hull = convexHull(pts);

    // Cut by the table: the hull above z = 0.
    std::vector<Point> above;
    std::vector<double> edges;
    const std::size_t n = out.hull.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point& p = out.hull[i];
        const Point& q = out.hull[(i + 1) % n];
        if (p.z >= 0) above.push_back(p);
        if ((p.z >= 0) != (q.z >= 0)) {
            const Point cut{p.x + (q.x - p.x) * p.z / (p.z - q.z), 0};
            above.push_back(cut);
            edges.push_back(cut.x);
        }
    }
    if (edges.size() == 2) {
        out.fenceEdge = std::min(edges[0], edges[1]);
        out.farEdge = std::max(edges[0], edges[1]);
    }
    out.fenceMost = out.fenceEdge;
    out.farMost = out.farEdge;
    for (const Point& p : above) {
        out.fenceMost = std::min(out.fenceMost, p.x);
        out.farMost = std::max(out.farMost, p.x);
    }
    for (std::size_t i = 0; i < above.size(); ++i) {
        const Point& p = above[i];
        const Point& q = above[(i + 1) % above.size()];
        out.areaAboveTable += (p.x * q.z - q.x * p.z) / 2;
    }
    out.areaAboveTable = std::fabs(out.areaAboveTable);
    return out;
}

// The distance from a point to the hull's outline.
inline double distanceToHull(const std::vector<Point>& hull, double x, double z) {
    double best = 1e300;
    for (std::size_t i = 0; i < hull.size(); ++i) {
        const Point& p = hull[i];
        const Point& q = hull[(i + 1) % hull.size()];
        const double dx = q.x - p.x, dz = q.z - p.z;
        const double len2 = dx * dx + dz * dz;
        const double t =
            len2 > 0 ? std::clamp(((x - p.x) * dx + (z - p.z) * dz) / len2, 0.0, 1.0) : 0;
        best = std::min(best, std::hypot(x - p.x - t * dx, z - p.z - t * dz));
    }
    return best;
}

}  // namespace arcwright::testing_blade
