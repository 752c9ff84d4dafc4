// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/clip.h"

namespace arcwright {

ClipBox boxAroundPage(double width, double height, double margin) {
    return {-margin, -margin, width + margin, height + margin};
}

void ClippingPrinter::drawLine(float x1, float y1, float x2, float y2) {
    const auto clipped = clipSegment({x1, y1, x2, y2}, box_);
    if (!clipped) return;
    target_.drawLine(static_cast<float>(clipped->x1), static_cast<float>(clipped->y1),
                     static_cast<float>(clipped->x2), static_cast<float>(clipped->y2));
}

void ClippingPrinter::drawRectangle(float x1, float y1, float x2, float y2) {
    if (box_.contains(x1, y1) && box_.contains(x2, y2)) {
        target_.drawRectangle(x1, y1, x2, y2);
        return;
    }
    drawLine(x1, y1, x2, y1);
    drawLine(x2, y1, x2, y2);
    drawLine(x2, y2, x1, y2);
    drawLine(x1, y2, x1, y1);
}

}  // namespace arcwright
