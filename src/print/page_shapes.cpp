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

// Advances of the page's sans-serif face in bold (Liberation Sans Bold, metric twin of the
// common Helvetica-style faces), in thousandths of an em, for the printable ASCII characters
// from the blank on. Bold is at least as wide as regular type letter for letter.
// clang-format off
constexpr std::array<int, 95> kAdvance = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,  //  !"#$%&'()*+,-./
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,  // 0-9:;<=>?
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,  // @A-O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,  // P-Z[\]^_
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,  // `a-o
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};      // p-z{|}~
// clang-format on
// Anything else (the degree sign, other scripts) is taken as wide as a capital M.
constexpr int kOtherAdvance = 833;
// Room for rounding to the printer's dots.
constexpr double kMargin = 1.03;

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
    int thousandths = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0U) == 0x80U) continue;  // inside a multi-byte character
        thousandths += byte >= 32 && byte < 127 ? kAdvance[byte - 32] : kOtherAdvance;
    }
    return thousandths / 1000.0 * points * kMargin;
}

}  // namespace arcwright
