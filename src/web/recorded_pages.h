// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The planner's printed pages for the browser to draw: the same composition and layout the
// desktop prints (plannedPages, printPlannedPages), recorded page by page as lines and texts
// in points from the top left of the printable area.

#include <string>

#include "plan/planner_model.h"

namespace arcwright::web {

// The pages for paper whose printable area is `width` by `height` points, as JSON:
// {"printed": bool, "pages": [{"items": [...]}]}. A line is {"line": [x1, y1, x2, y2],
// "colour"}; a text is {"text", "x", "y", "font", "size", "bold"}, where "y" is its
// baseline's line top and "after": true means it goes on where the text before it ended.
std::string recordedPages(const PlannerModel& model, double width, double height);

}  // namespace arcwright::web
