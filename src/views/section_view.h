// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "geometry/cove_outline.h"
#include "views/board_end.h"
#include "views/canvas.h"

namespace arcwright {

// Drawing units per inch of the section view.
inline constexpr int kDrawScale = 1000;

// The board as the section view draws it, in drawing units (k per inch).
struct SectionBoard {
    double k = 0.0;   // drawing scale
    double wd = 0.0;  // board width in drawing units
    double td = 0.0;  // board thickness in drawing units
    // The board's lower face, the face on the table.
    double faceY() const { return 2 * k - td / 2; }
};

// Points 1..2N of the cove outline; point i is (x[i], y[i]).
struct SectionOutline {
    OutlineTable x{};
    OutlineTable y{};
};

// The board, centred on (4k, 2k).
SectionBoard sectionBoard(double boardWidth, double boardThickness, int drawScale);

// Left flank from the profile, then the mirrored right flank. Empties `out` first.
void buildSectionOutline(const SectionBoard& board, int pointCount, const LevelTable& profileWidth,
                         SectionOutline& out);

// Clears the surface and draws the board; with `withCove`, then the white line that paints
// out the face across the cove's mouth and the cove's outline (nothing of the cove when there
// are no levels).
void drawSection(Canvas& canvas, const SectionBoard& board, const SectionOutline& outline,
                 int pointCount, bool withCove);

}  // namespace arcwright
