// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "plan/cove_outline.h"
#include "plan/sentence.h"
#include "print/page_shapes.h"
#include "print/sheet_printer.h"

namespace arcwright {

// Every fixed text of the template page. The defaults are the English texts, marked for the
// translators; planned_pages.h says them in the front end's words. "%1" stands for the
// number that goes into the text.
struct TemplateTexts {
    std::string title = ARCWRIGHT_TR_NOOP("TemplateTexts", "Cove set-up template");
    std::string boardEnd = ARCWRIGHT_TR_NOOP(
        "TemplateTexts",
        "End of the board, full size, face down as on the saw: hold it against the board's end");
    std::string boardCutOff = ARCWRIGHT_TR_NOOP(
        "TemplateTexts",
        "The board is larger than the page: its end is drawn centred on the cove and cut off "
        "at the edges of the page.");
    std::string actualSize = ARCWRIGHT_TR_NOOP(
        "TemplateTexts",
        "Print at actual size (no fit to page): each edge of the triangle must measure what is "
        "printed beside it.");
    std::string fenceLeg = ARCWRIGHT_TR_NOOP(
        "TemplateTexts", "lay this edge against the rip fence (parallel to the blade)");
    std::string acrossLeg = ARCWRIGHT_TR_NOOP("TemplateTexts", "square to the rip fence");
    std::string fence =
        ARCWRIGHT_TR_NOOP("TemplateTexts", "fence %1");  // %1: the fence angle, e.g. "36.8°"
    std::string degrees =
        ARCWRIGHT_TR_NOOP("TemplateTexts", "%1°");  // %1: an angle with one decimal
    std::string triangleOmitted =
        ARCWRIGHT_TR_NOOP("TemplateTexts", "The set-up triangle does not fit on this page.");
};

// What the template page prints: the set-up triangle for the fence, the board end with the
// cove at full size and the set-up in words, all worded and formatted by the caller.
struct FenceTemplate {
    double fenceAngle = 0.0;      // θ, degrees between the rip fence (blade) and the fence
    double boardWidth = 0.0;      // inches
    double boardThickness = 0.0;  // inches
    // The cove as the blade cuts it, kerf included, in order from one edge of the cove at
    // the face to the other.
    std::vector<BoardEndPoint> coveOutline;
    double pageWidth = 0.0;  // the printable area, points
    double pageHeight = 0.0;
    std::vector<std::string> setupLines;              // the set-up in words, one line each
    std::vector<std::string> cautions;                // one sentence each, wrapped as notes
    std::vector<std::vector<std::string>> passTable;  // headings first, then one row a pass
    // A length in inches as the user reads it (shop fractions, decimals or mm); empty
    // gives decimal inches.
    std::function<std::string(double inches)> length;
    TemplateTexts texts;
};

// The set-up triangle on the page, in points.
struct SetupTriangle {
    PagePoint rightAngle;
    PagePoint fenceEnd;   // the far end of the rip-fence leg, where the angle θ is
    PagePoint acrossEnd;  // the far end of the other leg
};

// Where the parts of the page went, in points from the printable area's top left.
struct FenceTemplateLayout {
    std::optional<SetupTriangle> triangle;  // none without a usable angle or room for it
    double boardLeft = 0.0;                 // the board end; its left edge may be off the page
    double boardTop = 0.0;                  // top of the drawn band (the back of the board)
    double boardFace = 0.0;                 // y of the face
    bool boardCutOff = false;
    PagePoint textTopLeft;
    double textSize = 0.0;  // the body text's point size
};

FenceTemplateLayout layOutFenceTemplate(const FenceTemplate& page);

// Draws the page on the printer's current page, for a document that goes on after it.
void drawFenceTemplate(SheetPrinter& printer, const FenceTemplate& page);

// Prints the page as a document of its own. Returns what endDocument() reported.
bool printFenceTemplate(SheetPrinter& printer, const FenceTemplate& page);

}  // namespace arcwright
