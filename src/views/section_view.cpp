// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/section_view.h"

#include <algorithm>

namespace arcwright {

namespace {

// The profile tables hold levels 1..kMaxLevels; a count outside that is cut to it.
int levelsHeld(int pointCount) {
    return std::clamp(pointCount, 0, kMaxLevels);
}

}  // namespace

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
    const int n = levelsHeld(pointCount);
    const double k = board.k;
    const double y0 = board.faceY();

    // Left flank. Each point stands one level step deeper than its level, so the
    // first is already 0.005 in. inside the face.
    for (int i = 1; i <= n; ++i) {
        out.y[i] = (i * kLevelStep) * k + y0;
        out.x[i] = 4 * k - (profileWidth[i] * k) / 2;
    }
    // Right flank, mirrored from one level above the deepest back up to the empty
    // level 0; that last point (centre line, y 0) is never drawn.
    int j = 0;
    for (int q = n - 1; q >= 0; --q) {
        ++j;
        out.y[n + j] = out.y[q];
        out.x[n + j] = 4 * k + (profileWidth[q] * k) / 2;
    }
}

void drawCoveOutline(Canvas& canvas, const SectionBoard& board, const SectionOutline& outline,
                     int pointCount) {
    const int n = levelsHeld(pointCount);
    if (n == 0) return;

    // Paint out the board's lower edge across the mouth of the cove.
    const double y0 = board.faceY();
    drawLine(canvas, outline.x[1], y0, outline.x[2 * n - 1], y0, palette::kBrightWhite);

    for (int i = 1; i <= 2 * n - 2; ++i) {
        drawLine(canvas, outline.x[i], outline.y[i], outline.x[i + 1], outline.y[i + 1]);
    }
}

}  // namespace arcwright
