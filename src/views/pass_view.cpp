// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/pass_view.h"

#include <algorithm>
#include <cmath>

#include "plan/cove_outline.h"
#include "plan/tilted_outline.h"
#include "views/board_end.h"
#include "views/fitted_board_end.h"

namespace arcwright {

namespace {

constexpr int kStepsPerFlank = 24;  // smooth at any size a window gives the drawing

void polyline(Canvas& canvas, const std::vector<BoardEndPoint>& points, Rgb colour) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        drawLine(canvas, points[i - 1].x, points[i - 1].depth, points[i].x, points[i].depth,
                 colour);
    }
}

}  // namespace

OutlinePick drawPasses(Canvas& canvas, const PassSteps& steps, const PassSurface& surface,
                       const PassColours& colours) {
    canvas.clear();
    const SawSetUp& s = steps.setUp();
    if (steps.count() == 0) return {};
    const int line = std::max(1, surface.linePixels);
    const FittedSurface fitted{surface.width, surface.height, line};
    const double margin = std::max(8.0, 0.06 * std::min(surface.width, surface.height)) + 2 * line;
    const double inchesPerPixel =
        fitBoardEnd(canvas, s.boardWidth, s.boardThickness, fitted, margin);
    if (inchesPerPixel == 0) return {};

    const OutlinePick pick = outlinesToDraw(steps.count(), steps.position());
    const double half = s.boardWidth / 2;
    const auto outline = [&](int index) {
        const PlanPass& pass = steps.passes()[static_cast<std::size_t>(index)];
        auto points = tiltedCoveOutline(pass.bladeHeight, s.angleDeg, s.bladeDiameter, s.kerf,
                                        s.tilt, kStepsPerFlank);
        // Each pass where it lies on the board: on the finished cove's deepest line, moved by
        // as far as a tilted pass's own deepest point lies off that line (upright, not at all).
        double shift = s.deepestFromCentre;
        const auto at = static_cast<std::size_t>(index);
        if (at < s.fenceSides.size() && !points.empty()) {
            shift -= s.fenceSides[at] + points.front().x;
        }
        for (BoardEndPoint& p : points) {
            p.x = std::clamp(p.x + shift, -half, half);
            p.depth = std::min(p.depth, s.boardThickness);
        }
        return points;
    };

    drawSawTable(canvas, inchesPerPixel, fitted, colours.table);

    // The board, its face open where the passes made so far have cut it.
    BoardEndPlace board = fittedPlace(s.boardWidth, s.boardThickness, {});
    // The face opens where the last pass made meets it, so that its outline and the face
    // run on without a gap whichever way the cove leans.
    if (steps.position() > 0) {
        const auto made = outline(steps.position() - 1);
        if (!made.empty()) {
            board.mouthLeft = std::min(made.front().x, made.back().x);
            board.mouthRight = std::max(made.front().x, made.back().x);
        }
    }
    BoardEndLook look;
    look.lines = colours.board;
    look.width = static_cast<float>(line);
    drawBoardEnd(canvas, board, look);

    // Faint passes first, so the made ones and the current one lie on top of them.
    for (const PassState state : {PassState::ToCome, PassState::Done, PassState::Current}) {
        canvas.setLineWidth(static_cast<float>(state == PassState::Current ? 2 * line : line));
        for (const int index : pick.indices) {
            if (steps.stateOf(index) != state) continue;
            switch (state) {
                case PassState::ToCome:
                    polyline(canvas, outline(index), colours.toCome);
                    break;
                case PassState::Done:
                    polyline(canvas, outline(index), colours.done);
                    break;
                case PassState::Current:
                    polyline(canvas, outline(index), colours.current);
                    break;
            }
        }
    }
    canvas.setLineWidth(1);
    return pick;
}

int passLinePixels(double width, double height) {
    return std::max(1, static_cast<int>(std::lround(std::min(width, height) / 90.0)));
}

}  // namespace arcwright
