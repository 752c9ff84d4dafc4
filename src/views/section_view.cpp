// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/section_view.h"

namespace arcwright {

SectionBoard drawSectionBoard(Canvas& canvas, double boardWidth, double boardThickness,
                              int drawScale) {
    SectionBoard board;
    board.k = drawScale;
    board.wd = boardWidth * board.k;
    board.td = boardThickness * board.k;

    const double k = board.k;
    const double left = 4 * k - board.wd / 2;
    const double right = 4 * k + board.wd / 2;
    const double bottom = 2 * k - board.td / 2;
    const double top = 2 * k + board.td / 2;

    canvas.clear();
    drawLine(canvas, left, bottom, right, bottom);  // face on the table
    drawLine(canvas, right, bottom, right, top);
    drawLine(canvas, right, top, left, top);
    drawLine(canvas, left, top, left, bottom);
    return board;
}

void buildSectionOutline(const SectionBoard& board, int pointCount, const LevelTable& profileWidth,
                         SectionOutline& out) {
    out.x.fill(0.0);
    out.y.fill(0.0);
    const CoveOutline outline(pointCount, {.throughLevelZero = true});
    const double k = board.k;
    const double y0 = board.faceY();

    for (int p = 1; p <= outline.size(); ++p) {
        const auto [level, side] = outline[p];
        const double halfWidth = (profileWidth[level] * k) / 2;
        if (side == Side::Left) {
            // Each point stands one level step deeper than its level, so the first is
            // already 0.005 in. inside the face.
            out.y[p] = (level * kLevelStep) * k + y0;
            out.x[p] = 4 * k - halfWidth;
        } else {
            // The right flank takes the height of the left flank's point at the same level;
            // level 0 has none, so its last point (centre line, y 0) is never drawn.
            out.y[p] = out.y[level];
            out.x[p] = 4 * k + halfWidth;
        }
    }
}

void drawCoveOutline(Canvas& canvas, const SectionBoard& board, const SectionOutline& outline,
                     int pointCount) {
    const int n = heldLevels(pointCount);
    if (n == 0) return;

    // Paint out the board's lower edge across the mouth of the cove.
    const double y0 = board.faceY();
    drawLine(canvas, outline.x[1], y0, outline.x[2 * n - 1], y0, palette::kBrightWhite);

    for (int i = 1; i <= 2 * n - 2; ++i) {
        drawLine(canvas, outline.x[i], outline.y[i], outline.x[i + 1], outline.y[i + 1]);
    }
}

}  // namespace arcwright
