// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/planner_template.h"

#include "app/planner/planner.h"
#include "app/planner/planner_words.h"
#include "geometry/shop_rules.h"
#include "plan/cove_outline.h"

namespace arcwright {

namespace {

std::string text(const QString& s) {
    return s.toStdString();
}

TemplateTexts translatedTexts() {
    TemplateTexts t;
    t.title = text(Planner::tr("Cove set-up template"));
    t.boardEnd = text(
        Planner::tr("End of the board, full size, face down as on the saw: hold it against the "
                    "board's end"));
    t.boardCutOff =
        text(Planner::tr("The board is larger than the page: its end is drawn centred on the cove "
                         "and cut off at the edges of the page."));
    t.actualSize =
        text(Planner::tr("Print at actual size (no fit to page): each edge of the triangle must "
                         "measure what is printed beside it."));
    t.fenceLeg = text(Planner::tr("lay this edge against the rip fence (parallel to the blade)"));
    t.acrossLeg = text(Planner::tr("square to the rip fence"));
    t.fence = text(Planner::tr("fence %1"));  // %1: the fence angle, e.g. "36.8°"
    t.degrees = text(Planner::tr("%1°"));     // %1: an angle with one decimal
    t.triangleOmitted = text(Planner::tr("The set-up triangle does not fit on this page."));
    return t;
}

// Pass, blade height (shop fraction and decimal, or mm), cove width after the pass.
std::vector<std::vector<std::string>> passTable(const PlanResult& result, LengthUnit unit) {
    std::vector<std::vector<std::string>> table;
    const bool inches = unit == LengthUnit::Inch;
    if (inches) {
        table.push_back({text(Planner::tr("Pass")), text(Planner::tr("Blade height")), "",
                         text(Planner::tr("Cove width"))});
    } else {
        table.push_back({text(Planner::tr("Pass")), text(Planner::tr("Blade height")),
                         text(Planner::tr("Cove width"))});
    }
    for (const PlanPass& pass : result.passes) {
        const std::string number = std::to_string(pass.number);
        if (inches) {
            table.push_back({number, shopFractionText(pass.bladeHeight),
                             lengthText(pass.bladeHeight, unit), shopFractionText(pass.coveWidth)});
        } else {
            table.push_back(
                {number, lengthText(pass.bladeHeight, unit), lengthText(pass.coveWidth, unit)});
        }
    }
    return table;
}

}  // namespace

namespace {

SawPlanTexts translatedPlanTexts() {
    SawPlanTexts t;
    t.title = text(Planner::tr("Plan of the saw table, full size, seen from above"));
    t.sheetKey = text(Planner::tr("row %1, column %2 of %3 x %4"));  // row, column, rows, columns
    t.bladeLine = text(Planner::tr("blade line"));
    t.centrePoint = text(Planner::tr("centre point"));
    t.finalHeight = text(Planner::tr("teeth leave the table at the final height"));
    t.firstPass = text(Planner::tr("teeth leave the table at the first pass"));
    t.fenceFace = text(Planner::tr("fence face: clamp the fence along this line"));
    t.fenceDistance = text(Planner::tr("%1 square to the fence"));
    t.bladeMark = text(Planner::tr("fence crosses the blade line %1 in front of the centre point"));
    t.squareLine = text(Planner::tr("square to the blade through the centre point"));
    t.squareMark = text(Planner::tr("fence crosses here, %1 from the centre point"));
    t.boardEdge = text(Planner::tr("board edge"));
    t.coveEdge = text(Planner::tr("cove edge"));
    t.deepestLine = text(Planner::tr("deepest line of the cove"));
    t.feed = text(Planner::tr("feed"));
    t.cut = text(Planner::tr("cut"));
    t.glue = text(Planner::tr("glue"));
    t.inch = text(Planner::tr("1 in."));
    t.millimetres = text(Planner::tr("25 mm"));
    t.checkSquares =
        text(Planner::tr("Print at actual size: each square must measure what is written in it."));
    t.assembly = text(Planner::tr(
        "Trim each sheet along its cut lines and lay it over its neighbour with the cut "
        "edge on the dashed glue line, the drawing's lines running on; glue it down."));
    t.cutShort = text(Planner::tr("The plan stops %1 from the centre point."));
    return t;
}

// The plan of the saw table for a set-up the planner can cut; without a fence position it
// has none, and nothing is printed after the set-up page.
SawPlan sawPlan(const PlannerModel& model) {
    const PlanRequest& r = model.request();
    const LengthUnit unit = model.unit();
    SawPlan plan;
    if (!model.usable()) return plan;
    plan.fence = model.fence();
    plan.boardWidth = r.boardWidth;
    plan.woodFenceSide = model.placement().woodFenceSide;
    plan.coveWidth = r.coveWidth;
    plan.kerf = r.kerf;
    plan.finalOpening = bladeChord(r.coveDepth, r.bladeDiameter);
    const auto& passes = model.result().passes;
    plan.firstOpening =
        bladeChord(passes.empty() ? r.coveDepth : passes.front().bladeHeight, r.bladeDiameter);
    plan.length = [unit](double inches) { return sawLength(inches, unit).toStdString(); };
    plan.notes = {
        text(fenceSideRule()),
        text(findingTheCentrePoint()),
        text(Planner::tr("Slit the sheet along the blade line between the final-height marks, lay "
                         "it over the blade raised to the final height with those marks where the "
                         "teeth leave the table, and clamp the fence along the fence line; take "
                         "the sheet away before you cut.")),
    };
    plan.texts = translatedPlanTexts();
    return plan;
}

}  // namespace

TemplatePages plannedPages(const PlannerModel& model) {
    const PlanRequest& r = model.request();
    const PlanResult& result = model.result();
    const CovePlacement& placement = model.placement();
    const FencePosition& fence = model.fence();
    const LengthUnit unit = model.unit();
    const auto len = [unit](double inches) { return plannerLength(inches, unit); };
    FenceTemplate page;
    page.fenceAngle = result.angleDeg;
    page.boardWidth = r.boardWidth;
    page.boardThickness = r.boardThickness;
    page.coveOutline = placedOnBoard(model.outlineAt(r.coveDepth), placement, r.boardWidth);
    page.setupLines = {
        text(Planner::tr("Cove %1 wide, %2 deep").arg(len(r.coveWidth), len(r.coveDepth))),
        text(Planner::tr("Board %1 wide, %2 thick").arg(len(r.boardWidth), len(r.boardThickness))),
        text(Planner::tr("Blade %1 across, kerf %2").arg(len(r.bladeDiameter), len(r.kerf))),
        text(Planner::tr("Fence %1 to the blade, %2 to the saw's front edge (90° − θ)")
                 .arg(degreesText(result.angleDeg), degreesText(result.complementDeg))),
        text(Planner::tr("Wood left %1 on the fence side, %2 on the far side")
                 .arg(len(placement.woodFenceSide), len(placement.woodFarSide))),
    };
    if (model.tilted()) {
        const TiltedPlanResult& tilted = model.tiltedPlan();
        // Two lines: with both walls' fractions one would run off a letter page.
        page.setupLines.push_back(text(
            Planner::tr("Blade tilted %1 %2")
                .arg(degreesText(model.tilt().degrees), model.tilt().lean == BladeLean::TowardFence
                                                            ? Planner::tr("toward the fence")
                                                            : Planner::tr("away from the fence"))));
        page.setupLines.push_back(
            text(Planner::tr("From the deepest point the steep wall reaches %1, the gentle one %2")
                     .arg(len(steepWall(tilted.cove, model.tilt().lean).reach),
                          len(gentleWall(tilted.cove, model.tilt().lean).reach))));
    }
    if (fence.found) {
        page.setupLines.push_back(
            text(Planner::tr("Fence face %1 from the centre point, square to the fence")
                     .arg(sawLength(fence.distance, unit))));
        page.setupLines.push_back(
            text(Planner::tr("Fence crosses the blade line in front of the centre point: %1")
                     .arg(markText(fence.bladeMark, unit))));
        page.setupLines.push_back(
            text(Planner::tr("Fence crosses the square line right of the centre point: %1")
                     .arg(markText(fence.squareMark, unit))));
    }
    page.passTable = passTable(result, unit);
    page.length = [unit](double inches) { return plannerLength(inches, unit).toStdString(); };
    page.texts = translatedTexts();
    if (!placement.centred) {
        page.texts.boardEnd += text(Planner::tr(" (the fence side at the left)"));
    }
    return {std::move(page), sawPlan(model)};
}

// The set-up page, then the plan's sheets, each on a page of its own. Where the paper
// cannot take the plan, the set-up page says so.
DrawPage templateDrawing(TemplatePages pages) {
    return [pages = std::move(pages)](SheetPrinter& printer) {
        const PageExtent area = printer.printableArea();
        FenceTemplate setup = pages.setup;
        setup.pageWidth = area.width;
        setup.pageHeight = area.height;
        SawPlan plan = pages.plan;
        plan.pageWidth = area.width;
        plan.pageHeight = area.height;
        const SawPlanLayout layout = layOutSawPlan(plan);
        if (plan.fence.found) setup.setupLines.push_back(text(planSheetsLine(layout)));
        drawFenceTemplate(printer, setup);
        const bool sheets = printSawPlanSheets(printer, plan, layout);
        return printer.endDocument() && sheets;
    };
}

}  // namespace arcwright
