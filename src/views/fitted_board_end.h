// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "plan/cove_outline.h"
#include "plan/planner_model.h"
#include "views/board_end.h"
#include "views/canvas.h"

namespace arcwright {

// A board end to scale on a screen surface whose size the layout gives it, as the planner and
// the view at the saw show it: face down on the saw table, the cove's outline cut into it.

// The surface in pixels, and how wide its lines are.
struct FittedSurface {
    double width = 0;
    double height = 0;
    int linePixels = 1;
};

struct BoardEndColours {
    Rgb wood;
    Rgb lines;
    Rgb table;
};

// Sets the canvas's scale to inches with the board's face at y 0 (y growing into the board)
// and x 0 on the cove's centre line, one scale both ways, with `margin` pixels round the board
// and room under the face for the table. Returns the inches a pixel stands for, or 0 (and
// leaves the scale alone) when there is no board or no surface to fit it on.
double fitBoardEnd(Canvas& canvas, double boardWidth, double boardThickness,
                   const FittedSurface& surface, double margin);

// The saw table as a line just under the face, across the surface but for its own width.
void drawSawTable(Canvas& canvas, double inchesPerPixel, const FittedSurface& surface, Rgb colour);

// The cove's outline kept within the board's end.
std::vector<BoardEndPlace::Point> onTheBoard(double boardWidth, double boardThickness,
                                             const std::vector<BoardEndPoint>& cove);

// Where the board lies once fitted: its edges at ∓width / 2, its face at 0 and its back at
// the thickness, with the cove's outline (onTheBoard) and its mouth in the face.
BoardEndPlace fittedPlace(double boardWidth, double boardThickness,
                          std::span<const BoardEndPlace::Point> cove);

// Clears the canvas and draws the planned cove: the table, then the board's end filled with
// the cove cut out of it. Nothing without a board or a surface.
void drawPlannedBoardEnd(Canvas& canvas, double boardWidth, double boardThickness,
                         const std::vector<BoardEndPoint>& cove, const FittedSurface& surface,
                         const BoardEndColours& colours);

// The planner's board end: the board as typed with the planned cove in its place, once every
// box reads; the board alone while the plan has no fence angle.
void drawPlannerBoardEnd(Canvas& canvas, const PlannerModel& model, const FittedSurface& surface,
                         const BoardEndColours& colours);

}  // namespace arcwright
