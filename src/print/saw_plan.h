// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The full-size plan of the saw table around the blade, seen from above, to lay on the
// table and clamp the fence by: the blade line and the kerf, the centre point, where the
// teeth leave the table, the fence face with the board's side shaded, the board and the
// cove's edges on it, the direction of feed and the fence's distances. At true scale it
// rarely fits one sheet, so it is printed over as many as it needs, each overlapping its
// neighbours, with cut and glue marks, a key and check squares on every sheet.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "plan/fence_position.h"
#include "plan/sentence.h"
#include "print/page_shapes.h"
#include "print/sheet_printer.h"

namespace arcwright {

// Every fixed text of the plan. The defaults are the English texts, marked for the
// translators; planned_pages.h says them in the front end's words. "%1" stands for the
// length or number that goes into the text.
struct SawPlanTexts {
    std::string title =
        ARCWRIGHT_TR_NOOP("SawPlanTexts", "Plan of the saw table, full size, seen from above");
    std::string sheetKey = ARCWRIGHT_TR_NOOP(
        "SawPlanTexts", "row %1, column %2 of %3 x %4");  // row, column, rows, columns
    std::string bladeLine = ARCWRIGHT_TR_NOOP("SawPlanTexts", "blade line");
    std::string centrePoint = ARCWRIGHT_TR_NOOP("SawPlanTexts", "centre point");
    std::string finalHeight =
        ARCWRIGHT_TR_NOOP("SawPlanTexts", "teeth leave the table at the final height");
    std::string firstPass =
        ARCWRIGHT_TR_NOOP("SawPlanTexts", "teeth leave the table at the first pass");
    std::string fenceFace =
        ARCWRIGHT_TR_NOOP("SawPlanTexts", "fence face: clamp the fence along this line");
    std::string fenceDistance = ARCWRIGHT_TR_NOOP("SawPlanTexts", "%1 square to the fence");
    std::string bladeMark = ARCWRIGHT_TR_NOOP(
        "SawPlanTexts", "fence crosses the blade line %1 in front of the centre point");
    std::string squareLine =
        ARCWRIGHT_TR_NOOP("SawPlanTexts", "square to the blade through the centre point");
    std::string squareMark =
        ARCWRIGHT_TR_NOOP("SawPlanTexts", "fence crosses here, %1 from the centre point");
    std::string boardEdge = ARCWRIGHT_TR_NOOP("SawPlanTexts", "board edge");
    std::string coveEdge = ARCWRIGHT_TR_NOOP("SawPlanTexts", "cove edge");
    std::string deepestLine = ARCWRIGHT_TR_NOOP("SawPlanTexts", "deepest line of the cove");
    std::string feed = ARCWRIGHT_TR_NOOP("SawPlanTexts", "feed");
    std::string cut = ARCWRIGHT_TR_NOOP("SawPlanTexts", "cut");
    std::string glue = ARCWRIGHT_TR_NOOP("SawPlanTexts", "glue");
    std::string inch = ARCWRIGHT_TR_NOOP("SawPlanTexts", "1 in.");
    std::string millimetres = ARCWRIGHT_TR_NOOP("SawPlanTexts", "25 mm");
    std::string checkSquares = ARCWRIGHT_TR_NOOP(
        "SawPlanTexts", "Print at actual size: each square must measure what is written in it.");
    std::string assembly = ARCWRIGHT_TR_NOOP(
        "SawPlanTexts",
        "Trim each sheet along its cut lines and lay it over its neighbour with the cut edge "
        "on the dashed glue line, the drawing's lines running on; glue it down.");
    std::string cutShort =
        ARCWRIGHT_TR_NOOP("SawPlanTexts", "The plan stops %1 from the centre point.");
    // What the set-up page says of the plan after it, for the paper it is printed on.
    std::string oneSheet = ARCWRIGHT_TR_NOOP(
        "SawPlanTexts", "The full-size plan of the saw table follows on one sheet.");
    std::string sheets = ARCWRIGHT_TR_NOOP(
        "SawPlanTexts", "The full-size plan of the saw table follows on %1 sheets, %2 x %3.");
    std::string paperTooSmall = ARCWRIGHT_TR_NOOP(
        "SawPlanTexts", "This paper is too small for the full-size plan of the saw table.");
    std::string tooManySheets =
        ARCWRIGHT_TR_NOOP("SawPlanTexts",
                          "The full-size plan of the saw table would take more than %1 sheets of "
                          "this paper: set the fence by its distances instead.");
};

// What the plan shows. The lengths are inches on the saw table.
struct SawPlan {
    FencePosition fence;         // from fencePosition(); nothing is drawn without one
    double boardWidth = 0.0;     // its fence-side edge rides on the fence face
    double woodFenceSide = 0.0;  // from the fence face to the cove's near edge
    double coveWidth = 0.0;      // at the board face
    double kerf = 0.0;           // the width the teeth cut at the table
    double finalOpening = 0.0;   // the length of blade above the table at the final height
    double firstOpening = 0.0;   // and at the first pass
    double pageWidth = 0.0;      // the printable area, points
    double pageHeight = 0.0;
    // A length in inches as the user reads it; empty gives decimal inches.
    std::function<std::string(double inches)> length;
    std::vector<std::string> notes;  // printed on every sheet, one paragraph each
    SawPlanTexts texts;
};

enum class PlanFit {
    Fits,
    NoFence,        // the set-up has no fence position
    PageTooSmall,   // the printable area leaves no room for the drawing
    TooManySheets,  // more than kMostPlanSheets of this paper
};

inline constexpr std::size_t kMostPlanSheets = 100;
// How much each sheet repeats of its neighbour's drawing, to glue them by.
inline constexpr double kSheetOverlap = 0.5 * kPointsPerInch;

// One sheet of the plan.
struct PlanSheet {
    int row = 1;     // from 1, the first row at the back of the saw
    int column = 1;  // from 1, the first column at the left
    // The part of the printable area that shows the drawing, in points, and the point of
    // the table at its top left.
    PageBox window;
    TablePoint topLeft;
    bool neighbourLeft = false;  // a cut line along the window's left edge
    bool neighbourAbove = false;
    bool neighbourRight = false;  // a glue strip along its right edge
    bool neighbourBelow = false;

    // Where a point of the table lies on this sheet, in points.
    PagePoint onPage(TablePoint p) const {
        return {window.left + (p.x - topLeft.x) * kPointsPerInch,
                window.top + (topLeft.y - p.y) * kPointsPerInch};
    }
};

struct SawPlanLayout {
    PlanFit fit = PlanFit::NoFence;
    int rows = 0;
    int columns = 0;
    // Row by row, from the back of the saw; a place of the rows x columns grid that would
    // show none of the drawing's own lines has no sheet.
    std::vector<PlanSheet> sheets;
    // The drawing's extent on the table, inches: left, back, right, front.
    double left = 0.0, back = 0.0, right = 0.0, front = 0.0;
    bool cutShort = false;   // the drawing stops kFarthestMark from the centre point
    double footerTop = 0.0;  // where the key and check squares begin, points
};

SawPlanLayout layOutSawPlan(const SawPlan& plan);

// What the set-up page says of the plan for this layout; empty without a fence.
std::string planSheetsLine(const SawPlan& plan, const SawPlanLayout& layout);

// Draws one sheet of the plan on the current page.
void drawSawPlanSheet(SheetPrinter& printer, const SawPlan& plan, const SawPlanLayout& layout,
                      std::size_t sheet);

// After a page already drawn, every sheet of the plan on a new page of its own. False when
// the printer could not start a page; the caller ends the document either way.
bool printSawPlanSheets(SheetPrinter& printer, const SawPlan& plan, const SawPlanLayout& layout);

}  // namespace arcwright
