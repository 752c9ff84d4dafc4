// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <span>
#include <string_view>

namespace arcwright {

inline constexpr double kPointsPerInch = 72.0;

// Points and boxes on a printed page, in points, y down, and the few tests the page
// layout needs on them.
struct PagePoint {
    double x = 0.0;
    double y = 0.0;
};

inline PagePoint operator+(PagePoint a, PagePoint b) {
    return {a.x + b.x, a.y + b.y};
}
inline PagePoint operator-(PagePoint a, PagePoint b) {
    return {a.x - b.x, a.y - b.y};
}
inline PagePoint operator*(PagePoint a, double s) {
    return {a.x * s, a.y * s};
}
inline double length(PagePoint v) {
    return std::hypot(v.x, v.y);
}
inline PagePoint unit(PagePoint v) {
    return v * (1.0 / length(v));
}

struct PageBox {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool overlaps(const PageBox& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool contains(const PageBox& inner) const {
        return inner.left >= left && inner.right <= right && inner.top >= top &&
               inner.bottom <= bottom;
    }
};

// Whether a convex polygon (corners in order) and a box share any area.
bool polygonOverlapsBox(std::span<const PagePoint> polygon, const PageBox& box);

// Whether a point lies inside a triangle, at least `inset` from each of its edges.
bool insideTriangle(PagePoint p, PagePoint a, PagePoint b, PagePoint c, double inset);

// How wide a text prints in the page's sans-serif face at the given size, a little on the
// generous side: the page is laid out before any font is at hand.
double estimatedTextWidth(std::string_view utf8, double points);

}  // namespace arcwright
