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
    ++clearCount_;
}

void DisplayList::setScale(float left, float top, float width, float height) {
    scale_ = Scale{left, top, width, height};
}

void DisplayList::drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) {
    if (!allFinite({x1, y1, x2, y2})) return;
    Primitive line;
    line.kind = Primitive::Kind::Line;
    line.x1 = x1;
    line.y1 = y1;
    line.x2 = x2;
    line.y2 = y2;
    line.colour = colour;
    line.style = style_;
    primitives_.push_back(line);
}

void DisplayList::drawArc(float cx, float cy, float radius, Rgb colour, float startRad,
                          float endRad) {
    if (!allFinite({cx, cy, radius, startRad, endRad})) return;
    Primitive arc;
    arc.kind = Primitive::Kind::Arc;
    arc.x1 = cx;
    arc.y1 = cy;
    arc.r = radius;
    arc.start = startRad;
    arc.end = endRad;
    arc.colour = colour;
    arc.style = style_;
    primitives_.push_back(arc);
}

}  // namespace arcwright
