// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/page_shapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace arcwright {

namespace {

// Average advance of the page's sans-serif face per em, rounded up.
constexpr double kAverageAdvance = 0.6;

bool finite(PagePoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Extent of a set of points along an axis.
template <class Points>
std::pair<double, double> project(const Points& points, PagePoint axis) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const PagePoint& p : points) {
        const double d = p.x * axis.x + p.y * axis.y;
        low = std::min(low, d);
        high = std::max(high, d);
    }
    return {low, high};
}

double cross(PagePoint o, PagePoint a, PagePoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

}  // namespace

std::optional<std::pair<PagePoint, PagePoint>> clipToBox(PagePoint from, PagePoint to,
                                                         const PageBox& box) {
    if (!finite(from) || !finite(to)) return std::nullopt;
    // Liang-Barsky: the segment's parameter range inside each of the four edges.
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    double enter = 0.0;
    double leave = 1.0;
    const std::array<std::pair<double, double>, 4> edges = {{{-dx, from.x - box.left},
                                                             {dx, box.right - from.x},
                                                             {-dy, from.y - box.top},
                                                             {dy, box.bottom - from.y}}};
    for (const auto& [p, q] : edges) {
        if (p == 0.0) {
            if (q < 0.0) return std::nullopt;
            continue;
        }
        const double t = q / p;
        if (p < 0.0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) return std::nullopt;
    const auto at = [&](double t) { return PagePoint{from.x + t * dx, from.y + t * dy}; };
    return std::pair{enter == 0.0 ? from : at(enter), leave == 1.0 ? to : at(leave)};
}

bool polygonOverlapsBox(std::span<const PagePoint> polygon, const PageBox& box) {
    const std::array<PagePoint, 4> corners = {{{box.left, box.top},
                                               {box.right, box.top},
                                               {box.right, box.bottom},
                                               {box.left, box.bottom}}};
    // Separating axes: the box's two and every edge normal of the polygon.
    std::vector<PagePoint> axes = {{1.0, 0.0}, {0.0, 1.0}};
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const PagePoint a = polygon[i];
        const PagePoint b = polygon[(i + 1) % polygon.size()];
        axes.push_back({a.y - b.y, b.x - a.x});
    }
    for (const PagePoint& axis : axes) {
        const auto [polyLow, polyHigh] = project(polygon, axis);
        const auto [boxLow, boxHigh] = project(corners, axis);
        if (polyHigh <= boxLow || boxHigh <= polyLow) return false;
    }
    return true;
}

bool insideTriangle(PagePoint p, PagePoint a, PagePoint b, PagePoint c, double inset) {
    const double area = cross(a, b, c);
    if (area == 0.0) return false;
    const double sign = area > 0.0 ? 1.0 : -1.0;
    // Signed distance from each edge, positive inside.
    const auto distance = [&](PagePoint from, PagePoint to) {
        return sign * cross(from, to, p) / std::hypot(to.x - from.x, to.y - from.y);
    };
    return distance(a, b) >= inset && distance(b, c) >= inset && distance(c, a) >= inset;
}

double estimatedTextWidth(std::string_view utf8, double points) {
    // One advance per character: UTF-8 continuation bytes do not start one.
    const auto characters = std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    });
    return static_cast<double>(characters) * kAverageAdvance * points;
}

}  // namespace arcwright
