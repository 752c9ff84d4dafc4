// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The board end at the saw: face down on the table as it is fed, with the outline every
// pass leaves, coloured by whether it is made, is the next to make or is still to come.
// Drawn on a Canvas in inches, y upward from the board face.

#include "plan/pass_steps.h"
#include "views/canvas.h"

namespace arcwright {

struct PassColours {
    Rgb board;
    Rgb table;
    Rgb done;
    Rgb current;
    Rgb toCome;  // faint
};

// The surface the drawing fills, in pixels: the scale keeps the board's proportions in it
// and lines are made `linePixels` wide (the current pass's twice that) by drawing them
// side by side a pixel apart.
struct PassSurface {
    double width = 0.0;
    double height = 0.0;
    int linePixels = 1;
};

// How wide the outlines are on a surface of this many pixels: about a ninetieth of its
// smaller side, so that they read from the saw on a large screen and stay fine on a small one.
int passLinePixels(double width, double height);

// Clears the canvas and draws the table, the board and the outlines outlinesToDraw picks;
// nothing while the plan cannot be cut (no passes) or without a board or a surface.
// Returns the pick, so that a view can say when not every pass is drawn.
OutlinePick drawPasses(Canvas& canvas, const PassSteps& steps, const PassSurface& surface,
                       const PassColours& colours);

}  // namespace arcwright
