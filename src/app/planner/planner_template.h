// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fence template page for a planned cove, worded and measured as the planner shows it.

#include "app/printing/page_print.h"
#include "plan/cove_plan.h"
#include "plan/length_text.h"
#include "print/fence_template.h"

namespace arcwright {

// Everything on the page but the paper's size: the set-up in words, the pass table and
// every fixed text, translated, with lengths in `unit`. None of it depends on the locale.
FenceTemplate plannedTemplate(const PlanRequest& request, const PlanResult& result,
                              LengthUnit unit);

// Draws `page` on whatever paper the printer has, filling its printable area. Holds its
// own copy, so it may run after the planner has changed.
DrawPage templateDrawing(FenceTemplate page);

}  // namespace arcwright
