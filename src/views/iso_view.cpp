// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/iso_view.h"

#include <cmath>

namespace arcwright {

namespace {

struct Pt {
    double x = 0;
    double y = 0;
};

Pt operator+(Pt p, Pt q) {
    return {p.x + q.x, p.y + q.y};
}
Pt operator*(double s, Pt p) {
    return {s * p.x, s * p.y};
}

void line(Canvas& canvas, Pt from, Pt to) {
    canvas.drawLine(toSurface(from.x), toSurface(from.y), toSurface(to.x), toSurface(to.y),
                    std::nullopt);
}

// The isometric view's own, shorter pi.
constexpr double kIsoPi = 3.1415;
constexpr double kLength = 18.0;  // inch of moulding shown
constexpr double kFrontX = 6.0;   // x of the near front edge

}  // namespace

void drawIsoView(Canvas& canvas, const IsoInputs& in, IsoTables& tables) {
    canvas.clear();

    constexpr double pi = kIsoPi;
    const double a = 30 * (pi / 180);
    const double cosA = std::cos(a);
    const double sinA = std::sin(a);
    const Pt u{cosA, sinA};   // along the board
    const Pt v{-cosA, sinA};  // across the board, toward the back
    const Pt up{0, in.boardThickness};
    const Pt along = kLength * u;

    const Pt p0{kFrontX, 5};
    const Pt p1 = p0 + along;
    const Pt p2 = p0 + up;
    const Pt p3 = p1 + up;
    const Pt p4 = p1 + in.boardWidth * v + up;
    const Pt p5 = p0 + in.boardWidth * v + up;
    const Pt p6 = p0 + in.boardWidth * v;

    // Visible outer edges; the back bottom, far bottom and far back vertical are hidden.
    line(canvas, p0, p1);
    line(canvas, p2, p3);
    line(canvas, p1, p3);
    line(canvas, p0, p2);
    line(canvas, p4, p5);
    line(canvas, p5, p6);
    line(canvas, p6, p0);

    // Profile points on the near end face: back half from the mouth down to the deepest
    // level, then the front half back up. Only as many levels as the tables hold.
    const CoveOutline outline(in.profileHalfWidth ? in.pointCount : 0);
    const int n = outline.levels();
    const double centre = kFrontX - in.boardWidth * 0.5;
    for (int p = 1; p <= outline.size(); ++p) {
        const auto [level, side] = outline[p];
        if (side == Side::Left) {
            tables.profileX[p] = centre - (*in.profileHalfWidth)[level];
            // Depths add up step by step down the back half, rounding as they go.
            tables.profileDepth[p] = tables.profileDepth[p - 1] + kLevelStep;
        } else {
            tables.profileX[p] = centre + (*in.profileHalfWidth)[level];
            // The front half counts its depths up from the blade height instead.
            tables.profileDepth[p] = in.bladeHeight - kLevelStep * (p - n);
        }
    }

    // Front edge of the cove on the top face, for a centred cut of the shown width.
    const double margin = (in.boardWidth - in.shownCutWidth) / 2;
    const Pt e{kFrontX - margin * cosA, 5 + margin * sinA + in.boardThickness};
    line(canvas, e, p2);
    line(canvas, e + along, p3);

    // The profile on both end faces, from the front edge of the cove round to the back.
    // The front mouth point itself is skipped; the polyline starts at the cove edge.
    Pt r = e;
    for (int i = 2 * n - 2; i >= 1; --i) {
        const double d = kFrontX - tables.profileX[i];
        const double depth = tables.profileDepth[i];
        const Pt s{kFrontX - d * cosA, 5 + in.boardThickness + d * cosA * std::tan(a) - depth};
        line(canvas, r, s);
        line(canvas, r + along, s + along);
        r = s;
    }

    // Back part of the top face's end edges, then the two cove edges along the board.
    line(canvas, r, p5);
    line(canvas, r + along, p4);
    line(canvas, e, e + along);
    line(canvas, r, r + along);
}

}  // namespace arcwright
