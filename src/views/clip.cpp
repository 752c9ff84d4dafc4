// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/clip.h"

#include <cmath>

namespace arcwright {
namespace {

bool finite(const Segment& s) {
    return std::isfinite(s.x1) && std::isfinite(s.y1) && std::isfinite(s.x2) && std::isfinite(s.y2);
}

enum Outside : unsigned { kLeft = 1, kRight = 2, kAbove = 4, kBelow = 8 };

unsigned outside(double x, double y, const ClipBox& box) {
    return (x < box.left ? kLeft : 0U) | (x > box.right ? kRight : 0U) |
           (y < box.top ? kAbove : 0U) | (y > box.bottom ? kBelow : 0U);
}

double pin(double v, double lo, double hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

}  // namespace

// Cohen and Sutherland: an end outside the box moves along the line onto the edge it lies
// beyond, until both ends are inside or both lie beyond the same edge. The end moved gets
// the edge's coordinate exactly and the other by proportion, so a level line a million
// inches long stays exactly level.
std::optional<Segment> clipSegment(const Segment& segment, const ClipBox& box) {
    if (!finite(segment)) return std::nullopt;
    double x1 = segment.x1, y1 = segment.y1, x2 = segment.x2, y2 = segment.y2;
    // Two far-apart ends of a finite segment can be an infinite distance apart: the same
    // clip at half scale.
    if (!std::isfinite(x2 - x1) || !std::isfinite(y2 - y1)) {
        const auto clipped =
            clipSegment({x1 / 2, y1 / 2, x2 / 2, y2 / 2},
                        {box.left / 2, box.top / 2, box.right / 2, box.bottom / 2});
        if (!clipped) return std::nullopt;
        return Segment{clipped->x1 * 2, clipped->y1 * 2, clipped->x2 * 2, clipped->y2 * 2};
    }
    unsigned out1 = outside(x1, y1, box);
    unsigned out2 = outside(x2, y2, box);
    // Each pass puts one end on an edge; four edges for each end bound the passes.
    for (int pass = 0; pass < 8; ++pass) {
        if ((out1 | out2) == 0) {
            if (pass == 0) return segment;
            return Segment{pin(x1, box.left, box.right), pin(y1, box.top, box.bottom),
                           pin(x2, box.left, box.right), pin(y2, box.top, box.bottom)};
        }
        if ((out1 & out2) != 0) return std::nullopt;
        const bool first = out1 != 0;
        const unsigned out = first ? out1 : out2;
        // One edge at a time: an end beyond two edges (past a corner) moves onto one of them
        // and is looked at again for the other.
        const unsigned edge = (out & kLeft) != 0    ? kLeft
                              : (out & kRight) != 0 ? kRight
                              : (out & kAbove) != 0 ? kAbove
                                                    : kBelow;
        double x = 0.0;
        double y = 0.0;
        if (edge == kLeft || edge == kRight) {
            x = edge == kLeft ? box.left : box.right;
            y = y1 + (y2 - y1) * ((x - x1) / (x2 - x1));
        } else {
            y = edge == kAbove ? box.top : box.bottom;
            x = x1 + (x2 - x1) * ((y - y1) / (y2 - y1));
        }
        // The end now lies on that edge: rounding must not put it beyond it again.
        if (first) {
            x1 = x;
            y1 = y;
            out1 = outside(x1, y1, box) & ~edge;
        } else {
            x2 = x;
            y2 = y;
            out2 = outside(x2, y2, box) & ~edge;
        }
    }
    return std::nullopt;
}

}  // namespace arcwright
