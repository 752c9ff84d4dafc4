// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "geometry/cove_outline.h"
#include "views/canvas.h"

namespace arcwright {

// Profile points of the near end face; kept between drawings, never emptied.
struct IsoTables {
    OutlineTable profileX{};      // across-board coordinate, 6 at the front edge
    OutlineTable profileDepth{};  // depth below the top face
};

struct IsoInputs {
    double boardWidth = 0.0;
    double boardThickness = 0.0;
    double bladeHeight = 0.0;
    double shownCutWidth = 0.0;  // the cut width as the result line shows it
    int pointCount = 0;
    const LevelTable* profileHalfWidth = nullptr;
};

// An 18-inch length of the finished moulding in a 30-degree view, cove face up.
// Clears the surface first. The caller skips it while a warning is shown.
void drawIsoView(Canvas& canvas, const IsoInputs& in, IsoTables& tables);

}  // namespace arcwright
