// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/section_view.h"

namespace arcwright {

SectionBoard sectionBoard(double boardWidth, double boardThickness, int drawScale) {
    SectionBoard board;
    board.k = drawScale;
    board.wd = boardWidth * board.k;
    board.td = boardThickness * board.k;
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

void drawSection(Canvas& canvas, const SectionBoard& board, const SectionOutline& outline,
                 int pointCount, bool withCove) {
    const double k = board.k;
    BoardEndPlace place;
    place.left = 4 * k - board.wd / 2;
    place.right = 4 * k + board.wd / 2;
    place.face = board.faceY();  // the lower face, on the table
    place.back = 2 * k + board.td / 2;
    const int n = withCove ? heldLevels(pointCount) : 0;
    BoardEndLook look;
    look.face = n > 0 ? BoardEndLook::Face::PaintedOver : BoardEndLook::Face::Whole;
    if (n > 0) {
        // The mouth runs between the flanks' outer points; the outline itself stops one
        // point short on the right, where its table keeps an undrawn point of level 0.
        place.mouthLeft = outline.x[1];
        place.mouthRight = outline.x[2 * n - 1];
        place.cove.reserve(static_cast<std::size_t>(2 * n - 1));
        for (int i = 1; i <= 2 * n - 1; ++i) place.cove.push_back({outline.x[i], outline.y[i]});
    }
    canvas.clear();
    drawBoardEnd(canvas, place, look);
}

}  // namespace arcwright
