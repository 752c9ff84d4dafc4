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
    out.point.fill({});
    const CoveOutline outline(pointCount, {.throughLevelZero = true});
    const double k = board.k;
    const double y0 = board.faceY();

    for (int p = 1; p <= outline.size(); ++p) {
        const auto [level, side] = outline[p];
        const double halfWidth = (profileWidth[level] * k) / 2;
        if (side == Side::Left) {
            // Each point stands one level step deeper than its level, so the first is
            // already 0.005 in. inside the face.
            out.point[p] = {4 * k - halfWidth, (level * kLevelStep) * k + y0};
        } else {
            // The right flank takes the height of the left flank's point at the same level;
            // level 0 has none, so its last point (centre line, y 0) is never drawn.
            out.point[p] = {4 * k + halfWidth, out.point[level].y};
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
        place.mouthLeft = outline.point[1].x;
        place.mouthRight = outline.point[2 * n - 1].x;
        place.cove = std::span(outline.point).subspan(1, static_cast<std::size_t>(2 * n - 1));
    }
    canvas.clear();
    drawBoardEnd(canvas, place, look);
}

}  // namespace arcwright
