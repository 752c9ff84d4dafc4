// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/display_list.h"

#include <cmath>
#include <initializer_list>

namespace arcwright {

namespace {

bool allFinite(std::initializer_list<float> values) {
    for (float v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

}  // namespace

void DisplayList::clear() {
    primitives_.clear();
    corners_.clear();
}

void DisplayList::setScale(float left, float top, float width, float height) {
    scale_ = Scale{left, top, width, height};
}

void DisplayList::drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) {
    if (!allFinite({x1, y1, x2, y2})) return;
    primitives_.push_back({.kind = Primitive::Kind::Line,
                           .x1 = x1,
                           .y1 = y1,
                           .x2 = x2,
                           .y2 = y2,
                           .colour = colour,
                           .style = style_,
                           .width = width_});
}

void DisplayList::drawArc(float cx, float cy, float radius, Rgb colour, float startRad,
                          float endRad) {
    if (!allFinite({cx, cy, radius, startRad, endRad})) return;
    primitives_.push_back({.kind = Primitive::Kind::Arc,
                           .x1 = cx,
                           .y1 = cy,
                           .r = radius,
                           .start = startRad,
                           .end = endRad,
                           .colour = colour,
                           .style = style_,
                           .width = width_});
}

void DisplayList::fillPolygon(std::span<const CanvasPoint> corners, Rgb colour) {
    if (corners.size() < 3) return;
    for (const CanvasPoint& c : corners) {
        if (!allFinite({c.x, c.y})) return;
    }
    const std::size_t first = corners_.size();
    corners_.insert(corners_.end(), corners.begin(), corners.end());
    primitives_.push_back({.kind = Primitive::Kind::Polygon,
                           .colour = colour,
                           .first = first,
                           .count = corners.size()});
}

}  // namespace arcwright
