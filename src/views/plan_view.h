// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "views/canvas.h"

namespace arcwright {

// Looks down on the saw table: the blade, the board crossing it at the set angle, the
// angle arc and the two dotted cove edges. shownCutWidth is the cut width as the result
// line shows it (0 when the cut is too wide). Clears the surface first.
void drawPlanView(Canvas& canvas, double boardAngleDeg, double boardWidth, double shownCutWidth);

}  // namespace arcwright
