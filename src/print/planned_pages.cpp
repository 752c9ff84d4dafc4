// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/planned_pages.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "geometry/shop_rules.h"
#include "plan/cove_outline.h"
#include "plan/plan_words.h"
#include "plan/planner_words.h"

namespace arcwright {

namespace {

constexpr const char* kContext = "PlannedPages";

Sentence words(const char* text, std::vector<SentenceArg> args = {}) {
    return {kContext, text, std::move(args)};
}

// Each of a texts struct's English defaults said in the front end's words. The contexts
// are the ones their defaults are marked with.
template <class Texts>
Texts said(const char* context, std::initializer_list<std::string Texts::*> fields,
           const Say& say) {
    const Texts english;
    Texts out;
    for (std::string Texts::*field : fields) {
        out.*field = say(Sentence{context, (english.*field).c_str(), {}});
    }
    return out;
}

TemplateTexts templateTexts(const Say& say) {
    using T = TemplateTexts;
    return said<T>("TemplateTexts",
                   {&T::title, &T::boardEnd, &T::boardCutOff, &T::actualSize, &T::fenceLeg,
                    &T::acrossLeg, &T::fence, &T::degrees, &T::triangleOmitted},
                   say);
}

SawPlanTexts sawPlanTexts(const Say& say) {
    using T = SawPlanTexts;
    return said<T>(
        "SawPlanTexts",
        {&T::title,        &T::sheetKey,  &T::bladeLine,     &T::centrePoint, &T::finalHeight,
         &T::firstPass,    &T::fenceFace, &T::fenceDistance, &T::bladeMark,   &T::squareLine,
         &T::squareMark,   &T::boardEdge, &T::coveEdge,      &T::deepestLine, &T::feed,
         &T::cut,          &T::glue,      &T::inch,          &T::millimetres, &T::checkSquares,
         &T::assembly,     &T::cutShort,  &T::oneSheet,      &T::sheets,      &T::paperTooSmall,
         &T::tooManySheets},
        say);
}

// Pass, blade height (shop fraction and decimal, or mm), cove width after the pass.
std::vector<std::vector<std::string>> passTable(const PlanResult& result, LengthUnit unit,
                                                const Say& say) {
    std::vector<std::vector<std::string>> table;
    const bool inches = unit == LengthUnit::Inch;
    std::vector<std::string> headings;
    for (const Sentence& heading : passHeadings()) headings.push_back(say(heading));
    // In inches the blade height takes two columns: the fraction, then the decimal.
    if (inches) headings.insert(headings.begin() + 2, std::string());
    table.push_back(std::move(headings));
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

std::vector<std::string> setupLines(const PlannerModel& model, const Say& say) {
    const PlanRequest& r = model.request();
    const PlanResult& result = model.result();
    const CovePlacement& placement = model.placement();
    const FencePosition& fence = model.fence();
    const LengthUnit unit = model.unit();
    const auto len = [unit](double inches) { return spokenLength(inches, unit); };
    std::vector<Sentence> lines = {
        words(ARCWRIGHT_TR_NOOP("PlannedPages", "Cove %1 wide, %2 deep"),
              {len(r.coveWidth), len(r.coveDepth)}),
        words(ARCWRIGHT_TR_NOOP("PlannedPages", "Board %1 wide, %2 thick"),
              {len(r.boardWidth), len(r.boardThickness)}),
        words(ARCWRIGHT_TR_NOOP("PlannedPages", "Blade %1 across, kerf %2"),
              {len(r.bladeDiameter), len(r.kerf)}),
        words(ARCWRIGHT_TR_NOOP("PlannedPages",
                                "Fence %1 to the blade, %2 to the saw's front edge (90° − θ)"),
              {angleText(result.angleDeg), angleText(result.complementDeg)}),
        words(
            ARCWRIGHT_TR_NOOP("PlannedPages", "Wood left %1 on the fence side, %2 on the far side"),
            {len(placement.woodFenceSide), len(placement.woodFarSide)}),
    };
    if (model.tilted()) {
        const PlanResult& tilted = model.result();
        const BladeTilt& tilt = model.tilt();
        // Two lines: with both walls' fractions one would run off a letter page.
        lines.push_back(words(ARCWRIGHT_TR_NOOP("PlannedPages", "Blade tilted %1 %2"),
                              {angleText(tilt.degrees), leanPhrase(tilt.lean)}));
        lines.push_back(
            words(ARCWRIGHT_TR_NOOP(
                      "PlannedPages",
                      "From the deepest point the steep wall reaches %1, the gentle one %2"),
                  {len(steepWall(tilted.cove, tilt.lean).reach),
                   len(gentleWall(tilted.cove, tilt.lean).reach)}));
    }
    if (fence.found) {
        lines.push_back(
            words(ARCWRIGHT_TR_NOOP("PlannedPages",
                                    "Fence face %1 from the centre point, square to the fence"),
                  {len(fence.distance)}));
        lines.push_back(words(
            ARCWRIGHT_TR_NOOP("PlannedPages",
                              "Fence crosses the blade line in front of the centre point: %1"),
            {markSentence(fence.bladeMark, unit)}));
        lines.push_back(
            words(ARCWRIGHT_TR_NOOP("PlannedPages",
                                    "Fence crosses the square line right of the centre point: %1"),
                  {markSentence(fence.squareMark, unit)}));
    }
    std::vector<std::string> out;
    for (const Sentence& line : lines) out.push_back(say(line));
    return out;
}

// The plan of the saw table for a set-up the planner can cut; without a fence position it
// has none, and nothing is printed after the set-up page.
SawPlan sawPlan(const PlannerModel& model, const Say& say) {
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
    plan.length = [unit](double inches) { return spokenLength(inches, unit); };
    plan.notes = {
        say(fenceSideRule()),
        say(findingTheCentrePoint()),
        say(words(ARCWRIGHT_TR_NOOP(
            "PlannedPages",
            "Slit the sheet along the blade line between the final-height marks, lay it over the "
            "blade raised to the final height with those marks where the teeth leave the table, "
            "and clamp the fence along the fence line; take the sheet away before you cut."))),
    };
    plan.texts = sawPlanTexts(say);
    return plan;
}

}  // namespace

TemplatePages plannedPages(const PlannerModel& model, const Say& say) {
    const PlanRequest& r = model.request();
    const PlanResult& result = model.result();
    const CovePlacement& placement = model.placement();
    const LengthUnit unit = model.unit();
    FenceTemplate page;
    page.fenceAngle = result.angleDeg;
    page.boardWidth = r.boardWidth;
    page.boardThickness = r.boardThickness;
    page.coveOutline = placedOnBoard(model.outlineAt(r.coveDepth), placement, r.boardWidth);
    page.setupLines = setupLines(model, say);
    for (const Sentence& caution : model.cautions()) page.cautions.push_back(say(caution));
    page.passTable = passTable(result, unit, say);
    page.length = [unit](double inches) { return spokenLength(inches, unit); };
    page.texts = templateTexts(say);
    if (!placement.centred) {
        page.texts.boardEnd +=
            say(words(ARCWRIGHT_TR_NOOP("PlannedPages", " (the fence side at the left)")));
    }
    return {std::move(page), sawPlan(model, say)};
}

bool printPlannedPages(SheetPrinter& printer, const TemplatePages& pages) {
    const PageExtent area = printer.printableArea();
    FenceTemplate setup = pages.setup;
    setup.pageWidth = area.width;
    setup.pageHeight = area.height;
    SawPlan plan = pages.plan;
    plan.pageWidth = area.width;
    plan.pageHeight = area.height;
    const SawPlanLayout layout = layOutSawPlan(plan);
    if (plan.fence.found) setup.setupLines.push_back(planSheetsLine(plan, layout));
    drawFenceTemplate(printer, setup);
    const bool sheets = printSawPlanSheets(printer, plan, layout);
    return printer.endDocument() && sheets;
}

}  // namespace arcwright
