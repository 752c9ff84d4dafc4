// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The planner's printed pages (print/planned_pages.h) on the desktop: said in its
// translations and drawn by its printing.

#include "app/printing/page_print.h"
#include "plan/planner_model.h"
#include "print/planned_pages.h"

namespace arcwright {

TemplatePages plannedPages(const PlannerModel& model);

// Draws the pages on whatever paper the printer has. Holds its own copy, so it may run
// after the planner has changed.
DrawPage templateDrawing(TemplatePages pages);

}  // namespace arcwright
