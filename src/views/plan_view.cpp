// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/plan_view.h"

#include <cmath>

#include "geometry/cove_solver.h"

namespace arcwright {

void drawPlanView(Canvas& canvas, double boardAngleDeg, double boardWidth, double shownCutWidth) {
    constexpr double pi = kTenDigitPi;
    // The board edge runs at the complement of the board angle to the horizontal.
    const double a = (90 - boardAngleDeg) * (pi / 180);
    const double cosA = std::cos(a);
    const double sinA = std::sin(a);

    canvas.clear();
    // Centre of the view; half the scale width, as the surface hands it over.
    const float c = canvas.scaleWidth() / 2;

    // The blade, straight up through the centre.
    drawLine(canvas, c, 0, c, 2 * c, palette::kYellow);

    // First edge of the board: 2c long through the centre, at the board angle to the blade.
    const double x1 = c + c * cosA;
    const double y1 = c - c * sinA;
    const double x2 = c - c * cosA;
    const double y2 = c + c * sinA;
    drawLine(canvas, x1, y1, x2, y2, palette::kLightRed);

    // Angle mark, from straight below the centre round through the board angle.
    const double start = (3 * pi) / 2;
    const double end = (3 * pi) / 2 + (boardAngleDeg * pi) / 180;
    canvas.drawArc(c, c, 3.0F, palette::kRed, toSurface(start), toSurface(end));

    // The rest of the board, one board width across from the first edge.
    const double dx = boardWidth * sinA;
    const double dy = boardWidth * cosA;
    drawLine(canvas, x1 + dx, y1 + dy, x2 + dx, y2 + dy, palette::kLightRed);
    drawLine(canvas, x1, y1, x1 + dx, y1 + dy, palette::kLightRed);
    drawLine(canvas, x2, y2, x2 + dx, y2 + dy, palette::kLightRed);

    // Where the edges of a centred cut of the shown width run along the board.
    canvas.setLineStyle(LineStyle::Dotted);
    const double margin = (boardWidth - shownCutWidth) / 2;
    for (const double m : {margin, margin + shownCutWidth}) {
        drawLine(canvas, x1 + m * sinA, y1 + m * cosA, x2 + m * sinA, y2 + m * cosA,
                 palette::kYellow);
    }
    canvas.setLineStyle(LineStyle::Solid);
}

}  // namespace arcwright
