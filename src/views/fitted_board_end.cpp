// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/fitted_board_end.h"

#include <algorithm>
#include <cmath>

#include "views/board_end.h"

namespace arcwright {

double fitBoardEnd(Canvas& canvas, double boardWidth, double boardThickness,
                   const FittedSurface& surface, double margin) {
    const bool board = std::isfinite(boardWidth) && std::isfinite(boardThickness) &&
                       boardWidth > 0 && boardThickness > 0;
    if (!board || !(surface.width > 0) || !(surface.height > 0)) return 0;
    const double pixelsPerInch = std::min((surface.width - 2 * margin) / boardWidth,
                                          (surface.height - 2 * margin) / boardThickness);
    if (!(pixelsPerInch > 0) || !std::isfinite(pixelsPerInch)) return 0;
    const double inchesPerPixel = 1 / pixelsPerInch;
    const double wide = surface.width * inchesPerPixel;
    const double high = surface.height * inchesPerPixel;
    // The board in the middle of the surface, y upward from the face.
    canvas.setScale(toSurface(-wide / 2), toSurface(boardThickness / 2 + high / 2), toSurface(wide),
                    toSurface(-high));
    return inchesPerPixel;
}

void drawSawTable(Canvas& canvas, double inchesPerPixel, const FittedSurface& surface, Rgb colour) {
    const int line = std::max(1, surface.linePixels);
    const double y = -(2.0 * line) * inchesPerPixel;
    const double end = (surface.width / 2 - line) * inchesPerPixel;
    canvas.setLineWidth(static_cast<float>(line));
    drawLine(canvas, -end, y, end, y, colour);
    canvas.setLineWidth(1);
}

std::vector<BoardEndPlace::Point> onTheBoard(double boardWidth, double boardThickness,
                                             const std::vector<BoardEndPoint>& cove) {
    const double half = boardWidth / 2;
    std::vector<BoardEndPlace::Point> points;
    points.reserve(cove.size());
    for (const BoardEndPoint& p : cove) {
        points.push_back({std::clamp(p.x, -half, half), std::min(p.depth, boardThickness)});
    }
    return points;
}

BoardEndPlace fittedPlace(double boardWidth, double boardThickness,
                          std::span<const BoardEndPlace::Point> cove) {
    const double half = boardWidth / 2;
    BoardEndPlace place;
    place.left = -half;
    place.right = half;
    place.face = 0;
    place.back = boardThickness;
    place.cove = cove;
    if (!place.cove.empty()) {
        place.mouthLeft = std::min(place.cove.front().x, place.cove.back().x);
        place.mouthRight = std::max(place.cove.front().x, place.cove.back().x);
    }
    return place;
}

void drawPlannedBoardEnd(Canvas& canvas, double boardWidth, double boardThickness,
                         const std::vector<BoardEndPoint>& cove, const FittedSurface& surface,
                         const BoardEndColours& colours) {
    canvas.clear();
    const int line = std::max(1, surface.linePixels);
    const double inchesPerPixel =
        fitBoardEnd(canvas, boardWidth, boardThickness, surface, 10.0 + 2 * line);
    if (inchesPerPixel == 0) return;
    drawSawTable(canvas, inchesPerPixel, surface, colours.table);
    BoardEndLook look;
    look.face = BoardEndLook::Face::Open;
    look.wood = colours.wood;
    look.lines = colours.lines;
    look.width = static_cast<float>(line);
    const auto points = onTheBoard(boardWidth, boardThickness, cove);
    drawBoardEnd(canvas, fittedPlace(boardWidth, boardThickness, points), look);
}

void drawPlannerBoardEnd(Canvas& canvas, const PlannerModel& model, const FittedSurface& surface,
                         const BoardEndColours& colours) {
    if (model.firstUnreadable()) return;
    const PlanRequest& r = model.request();
    drawPlannedBoardEnd(canvas, r.boardWidth, r.boardThickness,
                        model.result().hasAngle ? placedOnBoard(model.outlineAt(r.coveDepth),
                                                                model.placement(), r.boardWidth)
                                                : std::vector<BoardEndPoint>{},
                        surface, colours);
}

}  // namespace arcwright
