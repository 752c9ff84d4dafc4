// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the sheets of the saw-table plan lie over its drawing: as few as cover it, each
// overlapping the next by kSheetOverlap, and placed so that every sheet carries a real
// part of the drawing and no seam runs through the centre mark. A place in the grid that
// would show none of the drawing's own lines gets no sheet.

#include <vector>

#include "print/saw_plan_drawing.h"

namespace arcwright::saw_plan {

struct TileGrid {
    int columns = 1;
    int rows = 1;
    // How far before the drawing's left and back edges the first sheet's window begins,
    // points.
    double leadAcross = 0.0;
    double leadDown = 0.0;
    // Whether each place, row by row from the back, gets a sheet.
    std::vector<bool> printed;
};

// The grid for windows `width` by `height` points.
TileGrid tileGrid(const PlanDrawing& drawing, double width, double height);

// The table's part a sheet's window shows, in inches: left, back, right, front.
struct TableWindow {
    double left = 0.0, back = 0.0, right = 0.0, front = 0.0;
};

// How much of a window the drawing fills: the box round what its own lines show there
// (not the blade line and the line square to it, which cross every sheet), as a share of
// the window's area, 0 to 1.
double drawingShare(const PlanDrawing& drawing, const TableWindow& window);

}  // namespace arcwright::saw_plan
