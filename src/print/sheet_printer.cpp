// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/sheet_printer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace arcwright {

void SheetPrinter::drawArc(float cx, float cy, float radius, Rgb colour, float startRad,
                           float endRad) {
    // Counter-clockwise as on screen, where y grows up: on the page y grows down.
    const double sweep = static_cast<double>(endRad) - startRad;
    if (!std::isfinite(sweep) || !std::isfinite(radius)) return;
    const int steps =
        std::clamp(static_cast<int>(std::abs(sweep) / (std::numbers::pi / 60)), 4, 720);
    const auto at = [&](int i) {
        const double a = startRad + sweep * i / steps;
        return CanvasPoint{static_cast<float>(cx + radius * std::cos(a)),
                           static_cast<float>(cy - radius * std::sin(a))};
    };
    CanvasPoint from = at(0);
    for (int i = 1; i <= steps; ++i) {
        const CanvasPoint to = at(i);
        drawLine(from.x, from.y, to.x, to.y, colour);
        from = to;
    }
}

}  // namespace arcwright
