// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/planner_template.h"

#include "app/planner/planner.h"
#include "app/planner/planner_words.h"
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

FenceTemplate plannedTemplate(const PlanRequest& r, const PlanResult& result, LengthUnit unit) {
    const auto len = [unit](double inches) { return plannerLength(inches, unit); };
    FenceTemplate page;
    page.fenceAngle = result.angleDeg;
    page.boardWidth = r.boardWidth;
    page.boardThickness = r.boardThickness;
    page.coveOutline = coveOutline(r.coveDepth, result.angleDeg, r.bladeDiameter, r.kerf);
    page.setupLines = {
        text(Planner::tr("Cove %1 wide, %2 deep").arg(len(r.coveWidth), len(r.coveDepth))),
        text(Planner::tr("Board %1 wide, %2 thick").arg(len(r.boardWidth), len(r.boardThickness))),
        text(Planner::tr("Blade %1 across, kerf %2").arg(len(r.bladeDiameter), len(r.kerf))),
        text(Planner::tr("Fence %1 to the blade, %2 to the saw's front edge (90° − θ)")
                 .arg(degreesText(result.angleDeg), degreesText(result.complementDeg))),
        text(Planner::tr("Wood left each side %1").arg(len(result.woodEachSide))),
    };
    page.passTable = passTable(result, unit);
    page.length = [unit](double inches) { return plannerLength(inches, unit).toStdString(); };
    page.texts = translatedTexts();
    return page;
}

DrawPage templateDrawing(FenceTemplate page) {
    return [page = std::move(page)](SheetPrinter& printer) {
        FenceTemplate onPaper = page;
        const PageExtent area = printer.printableArea();
        onPaper.pageWidth = area.width;
        onPaper.pageHeight = area.height;
        return printFenceTemplate(printer, onPaper);
    };
}

}  // namespace arcwright
