// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace arcwright {

// The one line clipper of every drawing, on screen and on paper: a line is cut back to a box
// before it is drawn, so that coordinates from typed sizes far off the surface or the page
// never reach the painter or the printer. What crosses the box keeps its visible part, what
// lies wholly outside is left out.

// An axis-parallel box, left <= right and top <= bottom.
struct ClipBox {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    bool contains(double x, double y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};

struct Segment {
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// The part of `segment` inside `box`, or nothing when no part is (or a coordinate is NaN or
// infinite). A segment wholly inside comes back unchanged, bit for bit.
std::optional<Segment> clipSegment(const Segment& segment, const ClipBox& box);

}  // namespace arcwright
