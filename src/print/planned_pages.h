// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The set-up template for a planned cove, worded and measured as the planner shows it: the
// page with the set-up triangle, then the full-size plan of the saw table on as many sheets
// as it takes. Every front end prints the same pages from these two calls.

#include "plan/planner_model.h"
#include "plan/sentence.h"
#include "print/fence_template.h"
#include "print/saw_plan.h"
#include "print/sheet_printer.h"

namespace arcwright {

struct TemplatePages {
    FenceTemplate setup;  // the set-up triangle, the board end and the passes
    SawPlan plan;         // nothing to print without a fence position
};

// Everything on the pages but the paper's size: the set-up in words, the pass table, the
// plan and every fixed text, said in the front end's words, with lengths in the planner's
// unit. None of it depends on the locale.
TemplatePages plannedPages(const PlannerModel& model, const Say& say);

// Prints the pages as one document on whatever paper the printer has, filling its printable
// area: the set-up page, which says how the plan fits this paper, then each sheet of the
// plan on a page of its own. Returns what endDocument() said, and false when a page could
// not be started.
bool printPlannedPages(SheetPrinter& printer, const TemplatePages& pages);

}  // namespace arcwright
