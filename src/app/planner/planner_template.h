// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The set-up template for a planned cove, worded and measured as the planner shows it: the
// page with the set-up triangle, then the full-size plan of the saw table on as many sheets
// as it takes.

#include "app/printing/page_print.h"
#include "plan/planner_model.h"
#include "print/fence_template.h"
#include "print/saw_plan.h"

namespace arcwright {

struct TemplatePages {
    FenceTemplate setup;  // the set-up triangle, the board end and the passes
    SawPlan plan;         // nothing to print without a fence position
};

// Everything on the pages but the paper's size: the set-up in words, the pass table, the
// plan and every fixed text, translated, with lengths in the planner's unit. None of it
// depends on the locale.
TemplatePages plannedPages(const PlannerModel& model);

// Draws the pages on whatever paper the printer has, filling its printable area. Holds its
// own copy, so it may run after the planner has changed.
DrawPage templateDrawing(TemplatePages pages);

}  // namespace arcwright
