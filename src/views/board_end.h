// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <vector>

#include "views/canvas.h"
#include "views/clip.h"

namespace arcwright {

// The end of a board with its cove cut into the face: the one drawing of it, for the
// calculator's section view, the printed set-up sheet, the planner, the printed template and
// the view at the saw. Each caller places the board and the cove's outline in its canvas's
// own units (its levels, its scale, which way is up); this decides what is drawn and in which
// order.

// Where the board and its cove lie, in the canvas's units (double precision, as the callers
// work them out; each coordinate goes to the canvas in single precision).
struct BoardEndPlace {
    struct Point {
        double x = 0;
        double y = 0;
    };

    double left = 0;  // x of the board's two edges
    double right = 0;
    double face = 0;  // y of the face the cove is cut into, and of the back
    double back = 0;
    // The cove's outline, drawn as a line from point to point; a point that is not finite
    // leaves out the two lines that meet it.
    std::vector<Point> cove;
    // Where the cove's mouth opens in the face, for the faces that show it; none while the
    // two are the same.
    double mouthLeft = 0;
    double mouthRight = 0;
};

struct BoardEndLook {
    enum class Face {
        Whole,        // drawn right across, the cove's outline over it
        PaintedOver,  // drawn right across, then painted over in `paint` across the mouth
        Open,         // drawn only beside the mouth
    };
    Face face = Face::Open;
    Rgb paint = palette::kBrightWhite;
    bool back = true;               // the back edge; left out where the board runs on
    std::optional<Rgb> wood;        // the board's end filled, the cove cut out of it
    std::optional<Rgb> lines;       // the board's and the cove's lines; none: the foreground
    float width = 1;                // of those lines
    std::optional<ClipBox> within;  // every line cut to this box first
};

// The board's outline (as a rectangle wherever all four sides are drawn), the face as the look
// says, then the cove's outline.
void drawBoardEnd(Canvas& canvas, const BoardEndPlace& place, const BoardEndLook& look);

}  // namespace arcwright
