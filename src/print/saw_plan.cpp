// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/saw_plan.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

#include "print/clip.h"
#include "print/saw_plan_drawing.h"
#include "print/template_text.h"
#include "print/template_triangle.h"

namespace arcwright {

namespace {

using saw_plan::filledIn;
using saw_plan::PlanDrawing;
using template_page::Label;
using template_page::linePitch;
using template_page::wrap;

constexpr std::string_view kFontName = "Liberation Sans";
constexpr double kPlanLabelSize = 8.0;
constexpr double kKeySize = 9.0;
constexpr double kNoteSize = 8.0;
constexpr double kFooterGap = 6.0;  // between the drawing and the key
constexpr double kSquareGap = 8.0;
constexpr double kInchSquare = kPointsPerInch;
constexpr double kMillimetreSquare = 25.0 / 25.4 * kPointsPerInch;
constexpr double kSquaresWidth = kInchSquare + kSquareGap + kMillimetreSquare;
constexpr double kNarrowestText = 2.0 * kPointsPerInch;
constexpr double kSmallestWindow = 2.0 * kPointsPerInch;  // less shows too little to use
constexpr double kLabelGap = 4.0;                         // labels stand this far off
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

// Rows or columns of windows `window` long that cover `extent`, each overlapping the next by
// kSheetOverlap, and how far before the drawing the first begins (within the slack the
// tiles leave over). All in points along the row or column.
struct Tiling {
    double count = 1.0;
    double lead = 0.0;
};

// `centre` is where the centre point lies along the drawing's extent. The paper is lined up
// with the blade there, so the seams keep as far from it as the slack allows; the drawing
// is centred where that makes no difference.
Tiling tiling(double extent, double window, double centre) {
    Tiling t;
    if (extent > window) t.count = std::ceil((extent - kSheetOverlap) / (window - kSheetOverlap));
    const double slack = std::max(0.0, t.count * window - (t.count - 1.0) * kSheetOverlap - extent);
    t.lead = slack / 2.0;
    if (t.count < 2.0) return t;
    const double step = window - kSheetOverlap;
    const auto clearance = [&](double lead) {
        double nearest = std::numeric_limits<double>::infinity();
        for (double seam = 1.0; seam < t.count; ++seam) {
            const double from = seam * step - lead;  // the overlap strip, from the drawing's start
            const double to = from + kSheetOverlap;
            nearest = std::min(nearest, centre < from ? from - centre
                                        : centre > to ? centre - to
                                                      : 0.0);
        }
        return nearest;
    };
    constexpr int kTries = 20;
    double best = clearance(t.lead);
    for (int i = 0; i <= kTries; ++i) {
        const double lead = slack * i / kTries;
        const double clear = clearance(lead);
        if (clear > best + 1e-9 ||
            (clear > best - 1e-9 && std::abs(lead - slack / 2) < std::abs(t.lead - slack / 2))) {
            best = clear;
            t.lead = lead;
        }
    }
    return t;
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
        const Tiling across = tiling(width, window.width(), -drawing.left * kPointsPerInch);
        const Tiling down = tiling(height, window.height(), drawing.back * kPointsPerInch);
        if (!(across.count * down.count <= static_cast<double>(kMostPlanSheets))) {
            layout.fit = PlanFit::TooManySheets;
            return layout;
        }
        if (!several && across.count * down.count > 1.0) continue;

        layout.fit = PlanFit::Fits;
        layout.columns = static_cast<int>(across.count);
        layout.rows = static_cast<int>(down.count);
        layout.footerTop = window.bottom;
        const double stepAcross = (window.width() - kSheetOverlap) / kPointsPerInch;
        const double stepDown = (window.height() - kSheetOverlap) / kPointsPerInch;
        for (int r = 0; r < layout.rows; ++r) {
            for (int c = 0; c < layout.columns; ++c) {
                PlanSheet sheet;
                sheet.row = r + 1;
                sheet.column = c + 1;
                sheet.window = window;
                sheet.topLeft = {drawing.left - across.lead / kPointsPerInch + c * stepAcross,
                                 drawing.back + down.lead / kPointsPerInch - r * stepDown};
                sheet.neighbourLeft = c > 0;
                sheet.neighbourAbove = r > 0;
                sheet.neighbourRight = c + 1 < layout.columns;
                sheet.neighbourBelow = r + 1 < layout.rows;
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

// Labels on one sheet: each goes where it lies wholly in the window, clear of the labels
// already there and across as few of the drawing's lines as its candidate places allow,
// or is left off this sheet.
class SheetLabels {
  public:
    SheetLabels(const PageBox& window, std::vector<Segment> lines)
        : inside_{window.left + 2.0, window.top + 2.0, window.right - 2.0, window.bottom - 2.0},
          lines_(std::move(lines)) {}

    // Places the label at the best of its candidate centres; false when none has room.
    bool place(Label label, const std::vector<PagePoint>& centres) {
        std::optional<PagePoint> best;
        std::size_t fewest = 0;
        for (const PagePoint centre : centres) {
            label.centre = centre;
            if (!fits(label.box())) continue;
            const std::size_t crossed = crossings(label.box());
            if (!best || crossed < fewest) {
                best = centre;
                fewest = crossed;
            }
            if (crossed == 0) break;
        }
        if (!best) return false;
        label.centre = *best;
        placed_.push_back(std::move(label));
        return true;
    }

    // Beside a point, best on the side `side` points to.
    void besidePoint(PagePoint at, PagePoint side, std::vector<std::string> lines) {
        if (!inside_.contains({at.x, at.y, at.x, at.y})) return;
        std::vector<PagePoint> directions;
        if (length(side) > 0.0) directions.push_back(unit(side));
        for (const PagePoint d :
             {PagePoint{1.0, 0.0}, PagePoint{-1.0, 0.0}, PagePoint{0.0, -1.0}, PagePoint{0.0, 1.0},
              PagePoint{0.7071, -0.7071}, PagePoint{0.7071, 0.7071}, PagePoint{-0.7071, -0.7071},
              PagePoint{-0.7071, 0.7071}}) {
            directions.push_back(d);
        }
        Label label{std::move(lines), kPlanLabelSize, {}};
        std::vector<PagePoint> centres;
        for (const PagePoint d : directions) {
            centres.push_back(at + d * (2.0 * kLabelGap + label.reach(d)));
        }
        place(std::move(label), centres);
    }

    // Beside the part of a line this sheet shows, on the side `side` points to.
    void besideLine(PagePoint a, PagePoint b, PagePoint side, std::vector<std::string> lines) {
        const auto part = clipSegment({a.x, a.y, b.x, b.y},
                                      {inside_.left, inside_.top, inside_.right, inside_.bottom});
        if (!part) return;
        const PagePoint from{part->x1, part->y1};
        const PagePoint to{part->x2, part->y2};
        if (!(length(to - from) > 0.0)) return;
        const PagePoint along = unit(to - from);
        PagePoint normal{-along.y, along.x};
        if (normal.x * side.x + normal.y * side.y < 0.0) normal = normal * -1.0;
        Label label{std::move(lines), kPlanLabelSize, {}};
        const double off = kLabelGap + label.reach(normal);
        std::vector<PagePoint> centres;
        for (const double f : {0.5, 0.4, 0.6, 0.3, 0.7, 0.2, 0.8, 0.1, 0.9, 0.03, 0.97}) {
            centres.push_back(from + (to - from) * f + normal * off);
        }
        place(std::move(label), centres);
    }

    void print(SheetPrinter& printer) const {
        for (const Label& label : placed_) printLabel(printer, label);
    }

  private:
    bool fits(const PageBox& box) const {
        return inside_.contains(box) &&
               std::none_of(placed_.begin(), placed_.end(),
                            [&](const Label& other) { return other.box().overlaps(box); });
    }

    std::size_t crossings(const PageBox& box) const {
        const ClipBox clip{box.left, box.top, box.right, box.bottom};
        return static_cast<std::size_t>(
            std::count_if(lines_.begin(), lines_.end(),
                          [&](const Segment& s) { return clipSegment(s, clip).has_value(); }));
    }

    PageBox inside_;
    std::vector<Segment> lines_;
    std::vector<Label> placed_;
};

// The marks to join a sheet to its neighbours: a solid cut line where a neighbour's
// drawing is laid under this sheet's edge, a dashed glue line where this sheet's last
// kSheetOverlap goes under the neighbour's.
void drawJoinMarks(SheetPrinter& printer, const SawPlan& plan, const PlanSheet& sheet,
                   SheetLabels& labels) {
    const PageBox& w = sheet.window;
    const auto text = [&](const std::string& s, PagePoint at) {
        labels.place(Label{{s}, kPlanLabelSize, {}}, {at});
    };
    const double half = linePitch(kPlanLabelSize) / 2.0 + 2.0;
    if (sheet.neighbourLeft) {
        drawIn(printer, {w.left, w.top}, {w.left, w.bottom}, w);
        const double x = w.left + estimatedTextWidth(plan.texts.cut, kPlanLabelSize) / 2.0 + 3.0;
        text(plan.texts.cut, {x, w.top + w.height() / 3.0});
    }
    if (sheet.neighbourAbove) {
        drawIn(printer, {w.left, w.top}, {w.right, w.top}, w);
        text(plan.texts.cut, {w.left + w.width() / 3.0, w.top + half});
    }
    if (sheet.neighbourRight) {
        const double x = w.right - kSheetOverlap;
        drawDashedIn(printer, {x, w.top}, {x, w.bottom}, w);
        for (const double f : {0.25, 0.75})
            text(plan.texts.glue, {x + kSheetOverlap / 2.0, w.top + w.height() * f});
    }
    if (sheet.neighbourBelow) {
        const double y = w.bottom - kSheetOverlap;
        drawDashedIn(printer, {w.left, y}, {w.right, y}, w);
        for (const double f : {0.25, 0.75})
            text(plan.texts.glue, {w.left + w.width() * f, y + kSheetOverlap / 2.0});
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
    labels.print(printer);
    drawFooter(printer, plan, layout, sheet);
}

bool printSawPlanSheets(SheetPrinter& printer, const SawPlan& plan, const SawPlanLayout& layout) {
    for (std::size_t i = 0; i < layout.sheets.size(); ++i) {
        if (!printer.newPage()) return false;
        drawSawPlanSheet(printer, plan, layout, i);
    }
    return true;
}

}  // namespace arcwright
