// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/fence_template.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "print/clip.h"
#include "print/template_text.h"
#include "print/template_triangle.h"
#include "views/board_end.h"

namespace arcwright {

namespace {

using namespace template_page;

constexpr std::string_view kFontName = "Liberation Sans";
constexpr double kTitleSize = 14.0;
constexpr double kGap = 14.0;  // between the parts of the page
// A thicker board shows only the part of its end near the face, where the cove is.
constexpr double kDeepestBand = 3.0 * kPointsPerInch;
// Smaller type is worth it only for a triangle this much larger.
constexpr double kClearlyLarger = 1.05;
constexpr double kRightAngleMark = 10.0;

struct BoardEnd {
    double centre = 0.0;  // the board's centre line
    double left = 0.0;
    double top = 0.0;
    double face = 0.0;
    double widthPoints = 0.0;
    bool drawn = false;
    bool backCutOff = false;
    bool cutOff = false;
};

double positiveOrZero(double v) {
    return std::isfinite(v) && v > 0.0 ? v : 0.0;
}

BoardEnd boardEnd(const FenceTemplate& page, double top) {
    BoardEnd end;
    const double thickness = positiveOrZero(page.boardThickness) * kPointsPerInch;
    const double width = positiveOrZero(page.boardWidth) * kPointsPerInch;
    end.drawn = std::isfinite(thickness) && std::isfinite(width) && thickness > 0.0 && width > 0.0;
    end.top = top;
    end.face = top + (std::isfinite(thickness) ? std::min(thickness, kDeepestBand) : kDeepestBand);
    end.widthPoints = width;
    end.backCutOff = !std::isfinite(thickness) || thickness > kDeepestBand;

    // The board is centred on the page; one too wide for it is centred on the cove, which
    // is what the woodworker holds against the wood.
    double coveLeft = std::numeric_limits<double>::infinity();
    double coveRight = -coveLeft;
    double deepest = 0.0;
    for (const BoardEndPoint& p : page.coveOutline) {
        if (!std::isfinite(p.x) || !std::isfinite(p.depth)) continue;
        coveLeft = std::min(coveLeft, p.x);
        coveRight = std::max(coveRight, p.x);
        deepest = std::max(deepest, p.depth);
    }
    const double coveCentre = coveLeft <= coveRight ? (coveLeft + coveRight) / 2.0 : 0.0;
    const bool widthFits = std::isfinite(width) && width <= page.pageWidth;
    end.centre = page.pageWidth / 2.0 - (widthFits ? 0.0 : coveCentre * kPointsPerInch);
    end.left = end.centre - width / 2.0;
    if (!std::isfinite(end.left)) end.left = 0.0;
    end.cutOff = end.drawn &&
                 (!widthFits || end.backCutOff || deepest * kPointsPerInch > end.face - end.top ||
                  end.centre + coveLeft * kPointsPerInch < 0.0 ||
                  end.centre + coveRight * kPointsPerInch > page.pageWidth);
    return end;
}

// Everything the page shows, and where.
struct PagePlan {
    FenceTemplateLayout layout;
    std::vector<std::string> titleLines;
    std::vector<std::string> captionLines;
    BoardEnd board;
    TextBlock text;
    std::optional<TriangleDrawing> triangle;
};

PagePlan planPage(const FenceTemplate& page) {
    PagePlan plan;
    const double width = positiveOrZero(page.pageWidth);
    const double height = positiveOrZero(page.pageHeight);
    const TemplateTexts& texts = page.texts;

    plan.titleLines = wrap(texts.title, width, kTitleSize);
    double y = static_cast<double>(plan.titleLines.size()) * linePitch(kTitleSize) + 2.0;
    plan.captionLines = wrap(texts.boardEnd, width, kLabelSize);
    y += static_cast<double>(plan.captionLines.size()) * linePitch(kLabelSize) + 4.0;
    plan.board = boardEnd(page, y);
    const double textTop = (plan.board.drawn ? plan.board.face : y) + kGap;

    std::vector<std::string> notes = {texts.actualSize};
    if (plan.board.cutOff) notes.push_back(texts.boardCutOff);
    notes.insert(notes.end(), page.cautions.begin(), page.cautions.end());
    const bool angleUsable =
        std::isfinite(page.fenceAngle) && page.fenceAngle > 0.0 && page.fenceAngle < 90.0;

    // The type size that leaves room for the largest triangle, the larger type where
    // two are about as good; the text is never cut short to make room.
    const double room = std::max(0.0, height - textTop);
    const auto crowded = [&](const TextBlock& block) { return block.full || block.height > room; };
    double bestFence = 0.0;
    for (double size = kBodySize; angleUsable && size >= kSmallestBodySize; size -= 0.5) {
        TextBlock text = textBlock(page, size, notes, room);
        if (crowded(text)) continue;
        const PageBox keepClear{std::max(0.0, width - text.width) - kGap, textTop, width,
                                textTop + text.height + kGap};
        auto triangle = largestTriangle(page, {0.0, textTop, width, height}, keepClear);
        if (!triangle) continue;
        const double fence = hypotenuseOf(triangle->corners);
        if (fence > kClearlyLarger * bestFence) {
            bestFence = fence;
            plan.triangle = std::move(triangle);
            plan.text = std::move(text);
        }
    }
    if (!plan.triangle) {
        notes.push_back(texts.triangleOmitted);
        double size = kBodySize;
        while (size > kSmallestBodySize && crowded(textBlock(page, size, notes, room))) size -= 0.5;
        plan.text = textBlock(page, size, notes, room);
    }

    FenceTemplateLayout& layout = plan.layout;
    if (plan.triangle) layout.triangle = plan.triangle->corners;
    layout.boardLeft = plan.board.left;
    layout.boardTop = plan.board.top;
    layout.boardFace = plan.board.face;
    layout.boardCutOff = plan.board.cutOff;
    // Beside the triangle the text keeps to the right; alone it starts at the left.
    layout.textTopLeft = {plan.triangle ? std::max(0.0, width - plan.text.width) : 0.0, textTop};
    layout.textSize = plan.text.size;
    return plan;
}

// Draws what of a line lies on the page.
void drawOnPage(SheetPrinter& printer, PagePoint from, PagePoint to, const PageBox& page) {
    const auto part =
        clipSegment({from.x, from.y, to.x, to.y}, {page.left, page.top, page.right, page.bottom});
    if (!part) return;
    printer.drawLine(static_cast<float>(part->x1), static_cast<float>(part->y1),
                     static_cast<float>(part->x2), static_cast<float>(part->y2));
}

void printAt(SheetPrinter& printer, double x, double y, const std::string& text) {
    printer.setTextPosition(static_cast<float>(x), static_cast<float>(y));
    printer.printText(text, false);
}

// The board end in its band of the page: the face open where the cove comes out of it, the
// back left out where the board runs on past the band.
void drawTemplateBoardEnd(SheetPrinter& printer, const FenceTemplate& page, const BoardEnd& end,
                          const PageBox& sheet) {
    if (!end.drawn) return;
    const PageBox band{sheet.left, end.top, sheet.right, std::min(end.face, sheet.bottom)};
    if (band.bottom < band.top) return;
    BoardEndPlace place;
    place.left = end.left;
    place.right = end.left + end.widthPoints;
    place.face = end.face;
    place.back = end.top;
    std::vector<BoardEndPlace::Point> cove;
    for (const BoardEndPoint& p : page.coveOutline) {
        cove.push_back({end.centre + p.x * kPointsPerInch, end.face - p.depth * kPointsPerInch});
    }
    place.cove = cove;
    if (place.cove.size() >= 2) {
        place.mouthLeft = std::min(place.cove.front().x, place.cove.back().x);
        place.mouthRight = std::max(place.cove.front().x, place.cove.back().x);
    }
    BoardEndLook look;
    look.face = BoardEndLook::Face::Open;
    look.back = !end.backCutOff;
    look.within = ClipBox{band.left, band.top, band.right, band.bottom};
    drawBoardEnd(printer, place, look);
}

void drawArc(SheetPrinter& printer, PagePoint corner, PagePoint p, PagePoint q,
             const PageBox& sheet) {
    const double radius = arcRadius(corner, p, q);
    const double from = std::atan2(p.y - corner.y, p.x - corner.x);
    double sweep = std::atan2(q.y - corner.y, q.x - corner.x) - from;
    if (sweep > std::numbers::pi) sweep -= 2.0 * std::numbers::pi;
    if (sweep < -std::numbers::pi) sweep += 2.0 * std::numbers::pi;
    const int steps =
        std::max(4, static_cast<int>(std::abs(sweep) / (3.0 * std::numbers::pi / 180.0)));
    const auto at = [&](int i) {
        const double a = from + sweep * i / steps;
        return corner + PagePoint{std::cos(a), std::sin(a)} * radius;
    };
    for (int i = 1; i <= steps; ++i) drawOnPage(printer, at(i - 1), at(i), sheet);
}

void drawLabel(SheetPrinter& printer, const Label& label) {
    double y = label.centre.y - label.height() / 2.0;
    for (const auto& line : label.lines) {
        printAt(printer, label.centre.x - estimatedTextWidth(line, label.size) / 2.0, y, line);
        y += linePitch(label.size);
    }
}

void drawTriangle(SheetPrinter& printer, const TriangleDrawing& drawing, const PageBox& sheet) {
    const SetupTriangle& t = drawing.corners;
    drawOnPage(printer, t.rightAngle, t.fenceEnd, sheet);
    drawOnPage(printer, t.rightAngle, t.acrossEnd, sheet);
    drawOnPage(printer, t.fenceEnd, t.acrossEnd, sheet);
    drawArc(printer, t.fenceEnd, t.rightAngle, t.acrossEnd, sheet);
    drawArc(printer, t.acrossEnd, t.rightAngle, t.fenceEnd, sheet);

    // The square corner's mark.
    const PagePoint alongFence = t.fenceEnd - t.rightAngle;
    const PagePoint alongAcross = t.acrossEnd - t.rightAngle;
    const double mark =
        std::min(kRightAngleMark, 0.3 * std::min(length(alongFence), length(alongAcross)));
    const PagePoint a = t.rightAngle + unit(alongFence) * mark;
    const PagePoint b = t.rightAngle + unit(alongAcross) * mark;
    const PagePoint c = a + unit(alongAcross) * mark;
    drawOnPage(printer, a, c, sheet);
    drawOnPage(printer, b, c, sheet);

    printer.setFontSize(kLabelSize);
    for (const Label& label : drawing.labels) drawLabel(printer, label);
}

void printTextBlock(SheetPrinter& printer, const TextBlock& block, PagePoint topLeft) {
    printer.setFontSize(block.size);
    for (const PlacedText& text : block.texts) {
        printer.setEmphasis(text.emphasis);
        printAt(printer, topLeft.x + text.x, topLeft.y + text.y, text.text);
    }
    printer.setEmphasis(false);
}

}  // namespace

FenceTemplateLayout layOutFenceTemplate(const FenceTemplate& page) {
    return planPage(page).layout;
}

void drawFenceTemplate(SheetPrinter& printer, const FenceTemplate& page) {
    const PagePlan plan = planPage(page);
    const PageBox sheet{0.0, 0.0, positiveOrZero(page.pageWidth), positiveOrZero(page.pageHeight)};
    printer.setUnitPoints();
    printer.setFontName(kFontName);

    printer.setFontSize(kTitleSize);
    printer.setEmphasis(true);
    double y = 0.0;
    for (const auto& line : plan.titleLines) {
        printAt(printer, 0.0, y, line);
        y += linePitch(kTitleSize);
    }
    printer.setEmphasis(false);
    printer.setFontSize(kLabelSize);
    y += 2.0;
    for (const auto& line : plan.captionLines) {
        printAt(printer, 0.0, y, line);
        y += linePitch(kLabelSize);
    }

    drawTemplateBoardEnd(printer, page, plan.board, sheet);
    if (plan.triangle) drawTriangle(printer, *plan.triangle, sheet);
    printTextBlock(printer, plan.text, plan.layout.textTopLeft);
}

bool printFenceTemplate(SheetPrinter& printer, const FenceTemplate& page) {
    drawFenceTemplate(printer, page);
    return printer.endDocument();
}

}  // namespace arcwright
