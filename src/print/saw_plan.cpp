// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/saw_plan.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

#include "print/clip.h"
#include "print/plan_tiling.h"
#include "print/saw_plan_drawing.h"
#include "print/sheet_labels.h"
#include "print/template_text.h"
#include "print/template_triangle.h"

namespace arcwright {

namespace {

using saw_plan::filledIn;
using saw_plan::kPlanLabelSize;
using saw_plan::PlanDrawing;
using saw_plan::SheetLabels;
using template_page::Label;
using template_page::linePitch;
using template_page::wrap;

constexpr std::string_view kFontName = "Liberation Sans";
constexpr double kKeySize = 9.0;
constexpr double kNoteSize = 8.0;
constexpr double kFooterGap = 6.0;  // between the drawing and the key
constexpr double kSquareGap = 8.0;
constexpr double kInchSquare = kPointsPerInch;
constexpr double kMillimetreSquare = 25.0 / 25.4 * kPointsPerInch;
constexpr double kSquaresWidth = kInchSquare + kSquareGap + kMillimetreSquare;
constexpr double kNarrowestText = 2.0 * kPointsPerInch;
constexpr double kSmallestWindow = 2.0 * kPointsPerInch;  // less shows too little to use
constexpr double kLabelWidth = 190.0;
constexpr double kMarkDash = 6.0;
constexpr double kMarkGap = 4.0;

double positiveOrZero(double v) {
    return std::isfinite(v) && v > 0.0 ? v : 0.0;
}

std::string sheetKey(const SawPlan& plan, int row, int column, int rows, int columns) {
    return filledIn(plan.texts.sheetKey, {std::to_string(row), std::to_string(column),
                                          std::to_string(rows), std::to_string(columns)});
}

// The key and notes under the drawing, beside the check squares, or under them where the
// paper is too narrow for both.
struct Footer {
    std::vector<std::string> keyLines;
    std::vector<std::string> noteLines;
    double textLeft = 0.0;
    double textTop = 0.0;  // from the footer's top
    double height = 0.0;
};

std::vector<std::string> notesOf(const SawPlan& plan, bool severalSheets, bool cutShort) {
    std::vector<std::string> notes = plan.notes;
    notes.push_back(plan.texts.checkSquares);
    if (severalSheets) notes.push_back(plan.texts.assembly);
    if (cutShort) {
        const std::string farthest = plan.length ? plan.length(kFarthestMark) : "36 in.";
        notes.push_back(filledIn(plan.texts.cutShort, {farthest}));
    }
    return notes;
}

Footer footerOf(const SawPlan& plan, const std::string& key, const std::vector<std::string>& notes,
                double pageWidth) {
    Footer footer;
    const bool beside = pageWidth - kSquaresWidth - kSquareGap >= kNarrowestText;
    footer.textLeft = beside ? kSquaresWidth + kSquareGap : 0.0;
    const double width = std::max(1.0, pageWidth - footer.textLeft);
    // The key on a line of its own, to find a sheet's place at a glance.
    footer.keyLines = wrap(key, width, kKeySize);
    for (auto& line : wrap(plan.texts.title, width, kKeySize)) {
        footer.keyLines.push_back(std::move(line));
    }
    for (const auto& note : notes) {
        for (auto& line : wrap(note, width, kNoteSize)) footer.noteLines.push_back(std::move(line));
    }
    const double squares = kInchSquare;
    footer.textTop = kFooterGap + (beside ? 0.0 : squares + kSquareGap);
    const double text = static_cast<double>(footer.keyLines.size()) * linePitch(kKeySize) +
                        static_cast<double>(footer.noteLines.size()) * linePitch(kNoteSize);
    footer.height = std::max(kFooterGap + squares, footer.textTop + text);
    return footer;
}

// How many windows `window` long, each overlapping the next, cover `extent`; huge where
// the drawing is out of all proportion to the paper.
double sheetsAlong(double extent, double window) {
    if (!(extent > window)) return 1.0;
    return std::ceil((extent - kSheetOverlap) / (window - kSheetOverlap));
}

SawPlanLayout layOut(const SawPlan& plan, const PlanDrawing& drawing) {
    SawPlanLayout layout;
    layout.left = drawing.left;
    layout.back = drawing.back;
    layout.right = drawing.right;
    layout.front = drawing.front;
    layout.cutShort = drawing.cutShort;
    const double pageWidth = positiveOrZero(plan.pageWidth);
    const double pageHeight = positiveOrZero(plan.pageHeight);
    const double width = (drawing.right - drawing.left) * kPointsPerInch;
    const double height = (drawing.back - drawing.front) * kPointsPerInch;

    // The notes say how to glue sheets together only when there are several.
    for (const bool several : {false, true}) {
        const Footer footer = footerOf(plan, sheetKey(plan, 99, 99, 99, 99),
                                       notesOf(plan, several, drawing.cutShort), pageWidth);
        const PageBox window{0.0, 0.0, pageWidth, pageHeight - footer.height};
        if (window.width() < kSmallestWindow || window.height() < kSmallestWindow) {
            layout.fit = PlanFit::PageTooSmall;
            return layout;
        }
        const double across = sheetsAlong(width, window.width());
        const double down = sheetsAlong(height, window.height());
        if (!(across * down <= static_cast<double>(kMostPlanSheets))) {
            layout.fit = PlanFit::TooManySheets;
            return layout;
        }
        if (!several && across * down > 1.0) continue;
        const saw_plan::TileGrid grid =
            saw_plan::tileGrid(drawing, window.width(), window.height());

        layout.fit = PlanFit::Fits;
        layout.columns = grid.columns;
        layout.rows = grid.rows;
        layout.footerTop = window.bottom;
        const double stepAcross = (window.width() - kSheetOverlap) / kPointsPerInch;
        const double stepDown = (window.height() - kSheetOverlap) / kPointsPerInch;
        const auto printed = [&](int r, int c) {
            return r >= 0 && c >= 0 && r < layout.rows && c < layout.columns &&
                   grid.printed[static_cast<std::size_t>(r * layout.columns + c)];
        };
        for (int r = 0; r < layout.rows; ++r) {
            for (int c = 0; c < layout.columns; ++c) {
                if (!printed(r, c)) continue;
                PlanSheet sheet;
                sheet.row = r + 1;
                sheet.column = c + 1;
                sheet.window = window;
                sheet.topLeft = {drawing.left - grid.leadAcross / kPointsPerInch + c * stepAcross,
                                 drawing.back + grid.leadDown / kPointsPerInch - r * stepDown};
                sheet.neighbourLeft = printed(r, c - 1);
                sheet.neighbourAbove = printed(r - 1, c);
                sheet.neighbourRight = printed(r, c + 1);
                sheet.neighbourBelow = printed(r + 1, c);
                layout.sheets.push_back(sheet);
            }
        }
        return layout;
    }
    return layout;
}

// Draws the part of a line that lies in the window.
void drawIn(SheetPrinter& printer, PagePoint a, PagePoint b, const PageBox& window) {
    const auto part =
        clipSegment({a.x, a.y, b.x, b.y}, {window.left, window.top, window.right, window.bottom});
    if (!part) return;
    printer.drawLine(static_cast<float>(part->x1), static_cast<float>(part->y1),
                     static_cast<float>(part->x2), static_cast<float>(part->y2));
}

void drawDashedIn(SheetPrinter& printer, PagePoint a, PagePoint b, const PageBox& window) {
    const double length = arcwright::length(b - a);
    if (!(length > 0.0)) return;
    const PagePoint along = unit(b - a);
    for (double at = 0.0; at < length; at += kMarkDash + kMarkGap) {
        drawIn(printer, a + along * at, a + along * std::min(length, at + kMarkDash), window);
    }
}

void printLabel(SheetPrinter& printer, const Label& label) {
    printer.setFontSize(label.size);
    double y = label.centre.y - label.height() / 2.0;
    for (const auto& line : label.lines) {
        printer.setTextPosition(
            static_cast<float>(label.centre.x - estimatedTextWidth(line, label.size) / 2.0),
            static_cast<float>(y));
        printer.printText(line, false);
        y += linePitch(label.size);
    }
}

// The marks to join a sheet to its neighbours: a solid cut line where a neighbour's
// drawing is laid under this sheet's edge, a dashed glue line where this sheet's last
// kSheetOverlap goes under the neighbour's.
void drawJoinMarks(SheetPrinter& printer, const SawPlan& plan, const PlanSheet& sheet,
                   SheetLabels& labels) {
    const PageBox& w = sheet.window;
    const auto mark = [&](PagePoint a, PagePoint b, bool dashed) {
        if (dashed) {
            drawDashedIn(printer, a, b, w);
        } else {
            drawIn(printer, a, b, w);
        }
        labels.avoid({a.x, a.y, b.x, b.y});
    };
    const double glueX = w.right - kSheetOverlap;
    const double glueY = w.bottom - kSheetOverlap;
    if (sheet.neighbourLeft) mark({w.left, w.top}, {w.left, w.bottom}, false);
    if (sheet.neighbourAbove) mark({w.left, w.top}, {w.right, w.top}, false);
    if (sheet.neighbourRight) mark({glueX, w.top}, {glueX, w.bottom}, true);
    if (sheet.neighbourBelow) mark({w.left, glueY}, {w.right, glueY}, true);

    // Each word near its place along the edge, wherever the drawing leaves it room.
    const auto text = [&](const std::string& s, double f, auto at) {
        std::vector<PagePoint> centres;
        for (int step = 0; step <= 10; ++step) {
            centres.push_back(at(f + (step % 2 == 0 ? 1.0 : -1.0) * ((step + 1) / 2) * 0.04));
        }
        labels.place(Label{{s}, kPlanLabelSize, {}}, centres);
    };
    const double half = linePitch(kPlanLabelSize) / 2.0 + 3.0;
    if (sheet.neighbourLeft) {
        const double x = w.left + estimatedTextWidth(plan.texts.cut, kPlanLabelSize) / 2.0 + 4.0;
        text(plan.texts.cut, 1.0 / 3.0, [&](double f) {
            return PagePoint{x, w.top + w.height() * f};
        });
    }
    if (sheet.neighbourAbove) {
        text(plan.texts.cut, 1.0 / 3.0, [&](double f) {
            return PagePoint{w.left + w.width() * f, w.top + half};
        });
    }
    for (const double f : {0.25, 0.75}) {
        if (sheet.neighbourRight) {
            text(plan.texts.glue, f, [&](double g) {
                return PagePoint{glueX + kSheetOverlap / 2.0, w.top + w.height() * g};
            });
        }
        if (sheet.neighbourBelow) {
            text(plan.texts.glue, f, [&](double g) {
                return PagePoint{w.left + w.width() * g, glueY + kSheetOverlap / 2.0};
            });
        }
    }
}

void drawSquare(SheetPrinter& printer, double left, double top, double side) {
    const auto x1 = static_cast<float>(left);
    const auto y1 = static_cast<float>(top);
    const auto x2 = static_cast<float>(left + side);
    const auto y2 = static_cast<float>(top + side);
    printer.drawLine(x1, y1, x2, y1);
    printer.drawLine(x2, y1, x2, y2);
    printer.drawLine(x2, y2, x1, y2);
    printer.drawLine(x1, y2, x1, y1);
}

void drawFooter(SheetPrinter& printer, const SawPlan& plan, const SawPlanLayout& layout,
                const PlanSheet& sheet) {
    const std::string key = sheetKey(plan, sheet.row, sheet.column, layout.rows, layout.columns);
    const Footer footer =
        footerOf(plan, key, notesOf(plan, layout.sheets.size() > 1, layout.cutShort),
                 positiveOrZero(plan.pageWidth));
    const double top = layout.footerTop + kFooterGap;
    drawSquare(printer, 0.0, top, kInchSquare);
    drawSquare(printer, kInchSquare + kSquareGap, top, kMillimetreSquare);
    printLabel(printer,
               Label{{plan.texts.inch}, kNoteSize, {kInchSquare / 2.0, top + kInchSquare / 2.0}});
    printLabel(printer, Label{{plan.texts.millimetres},
                              kNoteSize,
                              {kInchSquare + kSquareGap + kMillimetreSquare / 2.0,
                               top + kMillimetreSquare / 2.0}});

    double y = layout.footerTop + footer.textTop;
    const auto print = [&](const std::string& line, double size) {
        printer.setTextPosition(static_cast<float>(footer.textLeft), static_cast<float>(y));
        printer.printText(line, false);
        y += linePitch(size);
    };
    printer.setFontSize(kKeySize);
    printer.setEmphasis(true);
    for (const auto& line : footer.keyLines) print(line, kKeySize);
    printer.setEmphasis(false);
    printer.setFontSize(kNoteSize);
    for (const auto& line : footer.noteLines) print(line, kNoteSize);
}

PagePoint pageDirection(TablePoint d) {
    return {d.x, -d.y};
}

}  // namespace

SawPlanLayout layOutSawPlan(const SawPlan& plan) {
    if (!plan.fence.found) return {};
    return layOut(plan, saw_plan::planDrawing(plan));
}

void drawSawPlanSheet(SheetPrinter& printer, const SawPlan& plan, const SawPlanLayout& layout,
                      std::size_t index) {
    if (!plan.fence.found || index >= layout.sheets.size()) return;
    const PlanDrawing drawing = saw_plan::planDrawing(plan);
    const PlanSheet& sheet = layout.sheets[index];
    printer.setUnitPoints();
    printer.setFontName(kFontName);
    printer.setEmphasis(false);

    std::vector<Segment> onSheet;
    for (const auto& line : drawing.lines) {
        const PagePoint a = sheet.onPage(line.from);
        const PagePoint b = sheet.onPage(line.to);
        drawIn(printer, a, b, sheet.window);
        onSheet.push_back({a.x, a.y, b.x, b.y});
    }
    SheetLabels labels(sheet.window, std::move(onSheet));
    drawJoinMarks(printer, plan, sheet, labels);
    for (const auto& point : drawing.pointLabels) {
        labels.besidePoint(sheet.onPage(point.at), pageDirection(point.side),
                           wrap(point.text, kLabelWidth, kPlanLabelSize));
    }
    for (const auto& label : drawing.lineLabels) {
        labels.besideLine(sheet.onPage(label.line.from), sheet.onPage(label.line.to),
                          pageDirection(label.side), wrap(label.text, kLabelWidth, kPlanLabelSize));
    }
    for (const Label& label : labels.placed()) printLabel(printer, label);
    drawFooter(printer, plan, layout, sheet);
}

std::string planSheetsLine(const SawPlan& plan, const SawPlanLayout& layout) {
    const SawPlanTexts& texts = plan.texts;
    switch (layout.fit) {
        case PlanFit::Fits:
            if (layout.sheets.size() == 1) return texts.oneSheet;
            return fillSentence(texts.sheets,
                                {std::to_string(layout.sheets.size()), std::to_string(layout.rows),
                                 std::to_string(layout.columns)});
        case PlanFit::PageTooSmall:
            return texts.paperTooSmall;
        case PlanFit::TooManySheets:
            return fillSentence(texts.tooManySheets, {std::to_string(kMostPlanSheets)});
        case PlanFit::NoFence:
            break;
    }
    return {};
}

bool printSawPlanSheets(SheetPrinter& printer, const SawPlan& plan, const SawPlanLayout& layout) {
    for (std::size_t i = 0; i < layout.sheets.size(); ++i) {
        if (!printer.newPage()) return false;
        drawSawPlanSheet(printer, plan, layout, i);
    }
    return true;
}

}  // namespace arcwright
