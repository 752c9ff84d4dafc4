// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/planner_template.h"

#include <utility>

#include "app/planner/core_words.h"

namespace arcwright {

TemplatePages plannedPages(const PlannerModel& model) {
    return plannedPages(model, said);
}

DrawPage templateDrawing(TemplatePages pages) {
    return [pages = std::move(pages)](SheetPrinter& printer) {
        return printPlannedPages(printer, pages);
    };
}

}  // namespace arcwright
