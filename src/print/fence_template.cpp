// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/fence_template.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "model/number_text.h"

namespace arcwright {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr std::string_view kFontName = "Liberation Sans";
constexpr double kTitleSize = 14.0;
constexpr double kLabelSize = 9.0;
constexpr double kBodySize = 10.0;
constexpr double kSmallestBodySize = 7.0;
constexpr double kLinePitch = 1.25;   // line to line, per point of type
constexpr double kGap = 14.0;         // between the parts of the page
constexpr double kColumnGap = 12.0;   // between the columns of the pass table
constexpr double kLabelOffset = 5.0;  // labels stand this far off their edge
constexpr double kLegLabelWidth = 120.0;
// A thicker board shows only the part of its end near the face, where the cove is.
constexpr double kDeepestBand = 3.0 * kPointsPerInch;
// A triangle with a shorter fence edge than this is no help in setting the fence.
constexpr double kShortestHypotenuse = 3.0 * kPointsPerInch;
// Smaller type is worth it only for a triangle this much larger.
constexpr double kClearlyLarger = 1.05;
constexpr double kLongestArc = 30.0;
constexpr double kRightAngleMark = 10.0;

PagePoint operator+(PagePoint a, PagePoint b) {
    return {a.x + b.x, a.y + b.y};
}
PagePoint operator-(PagePoint a, PagePoint b) {
    return {a.x - b.x, a.y - b.y};
}
PagePoint operator*(PagePoint a, double s) {
    return {a.x * s, a.y * s};
}
double length(PagePoint v) {
    return std::hypot(v.x, v.y);
}
PagePoint unit(PagePoint v) {
    return v * (1.0 / length(v));
}
double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

std::string withNumber(std::string text, const std::string& number) {
    const auto at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, number);
    return text;
}

std::string degreesText(const TemplateTexts& texts, double degrees) {
    return withNumber(texts.degrees, formatNumber(degrees, "0.0"));
}

std::string lengthText(const FenceTemplate& page, double inches) {
    return page.length ? page.length(inches) : formatNumber(inches, "0.000 in.");
}

double linePitch(double size) {
    return size * kLinePitch;
}

// Greedy word wrap to an estimated width; a word longer than the width gets a line of its
// own.
std::vector<std::string> wrap(std::string_view text, double width, double size) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        const std::string joined =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && estimatedTextWidth(joined, size) > width) {
            lines.push_back(line);
            line = std::string(word);
        } else {
            line = joined;
        }
        start = end + 1;
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

// Lines of a label, centred on a point.
struct Label {
    std::vector<std::string> lines;
    double size = kLabelSize;
    PagePoint centre;

    double width() const {
        double widest = 0.0;
        for (const auto& line : lines) widest = std::max(widest, estimatedTextWidth(line, size));
        return widest;
    }
    double height() const { return static_cast<double>(lines.size()) * linePitch(size); }
    // How far the label reaches from its centre along a direction of unit length.
    double reach(PagePoint direction) const {
        return std::abs(direction.x) * width() / 2.0 + std::abs(direction.y) * height() / 2.0;
    }
    PageBox box() const {
        return {centre.x - width() / 2.0, centre.y - height() / 2.0, centre.x + width() / 2.0,
                centre.y + height() / 2.0};
    }
};

// A label beside an edge, on the side away from the triangle's third corner.
Label besideEdge(PagePoint a, PagePoint b, PagePoint third, std::vector<std::string> lines) {
    Label label{std::move(lines), kLabelSize, {}};
    const PagePoint middle = (a + b) * 0.5;
    PagePoint normal = unit(PagePoint{a.y - b.y, b.x - a.x});
    const PagePoint toThird = third - middle;
    if (normal.x * toThird.x + normal.y * toThird.y > 0.0) normal = normal * -1.0;
    label.centre = middle + normal * (kLabelOffset + label.reach(normal));
    return label;
}

double arcRadius(PagePoint corner, PagePoint p, PagePoint q) {
    return std::min(kLongestArc, 0.3 * std::min(length(p - corner), length(q - corner)));
}

// An angle's label inside the triangle, as near its corner as it fits clear of the arc;
// outside beyond the corner where the triangle is too thin.
Label atCorner(PagePoint corner, PagePoint p, PagePoint q, std::string text) {
    Label label{{std::move(text)}, kLabelSize, {}};
    const PagePoint bisector = unit(unit(p - corner) + unit(q - corner));
    const double farthest = std::min(length(p - corner), length(q - corner));
    const double radius = arcRadius(corner, p, q);
    for (double d = radius + kLabelOffset; d < farthest; d += 1.0) {
        label.centre = corner + bisector * d;
        const PageBox box = label.box();
        // Clear of the arc: the box's nearest point stands off the circle.
        const double dx = std::max({box.left - corner.x, 0.0, corner.x - box.right});
        const double dy = std::max({box.top - corner.y, 0.0, corner.y - box.bottom});
        if (std::hypot(dx, dy) < radius + 2.0) continue;
        const std::array<PagePoint, 4> corners = {{{box.left, box.top},
                                                   {box.right, box.top},
                                                   {box.right, box.bottom},
                                                   {box.left, box.bottom}}};
        if (std::all_of(corners.begin(), corners.end(),
                        [&](PagePoint c) { return insideTriangle(c, corner, p, q, 2.0); })) {
            return label;
        }
    }
    label.centre = corner - bisector * (kLabelOffset + label.reach(bisector));
    return label;
}

// The fence leg along the page's height or across it.
enum class FenceLeg { Upright, Lying };

struct TriangleDrawing {
    SetupTriangle corners;
    std::vector<Label> labels;
};

PageBox boundsOf(const TriangleDrawing& drawing) {
    const SetupTriangle& t = drawing.corners;
    PageBox bounds{std::min({t.rightAngle.x, t.fenceEnd.x, t.acrossEnd.x}),
                   std::min({t.rightAngle.y, t.fenceEnd.y, t.acrossEnd.y}),
                   std::max({t.rightAngle.x, t.fenceEnd.x, t.acrossEnd.x}),
                   std::max({t.rightAngle.y, t.fenceEnd.y, t.acrossEnd.y})};
    for (const Label& label : drawing.labels) {
        const PageBox box = label.box();
        bounds = {std::min(bounds.left, box.left), std::min(bounds.top, box.top),
                  std::max(bounds.right, box.right), std::max(bounds.bottom, box.bottom)};
    }
    return bounds;
}

void shift(TriangleDrawing& drawing, PagePoint by) {
    drawing.corners.rightAngle = drawing.corners.rightAngle + by;
    drawing.corners.fenceEnd = drawing.corners.fenceEnd + by;
    drawing.corners.acrossEnd = drawing.corners.acrossEnd + by;
    for (Label& label : drawing.labels) label.centre = label.centre + by;
}

// The triangle with the given fence edge (hypotenuse), its bounds placed in the bottom
// left corner of the area.
TriangleDrawing triangleOf(const FenceTemplate& page, double hypotenuse, FenceLeg leg,
                           const PageBox& area) {
    const double theta = radians(page.fenceAngle);
    const double fenceLeg = hypotenuse * std::cos(theta);
    const double acrossLeg = hypotenuse * std::sin(theta);
    const PagePoint right{0.0, 0.0};
    const PagePoint fence =
        leg == FenceLeg::Upright ? PagePoint{0.0, -fenceLeg} : PagePoint{fenceLeg, 0.0};
    const PagePoint across =
        leg == FenceLeg::Upright ? PagePoint{acrossLeg, 0.0} : PagePoint{0.0, -acrossLeg};
    const TemplateTexts& texts = page.texts;

    TriangleDrawing drawing{{right, fence, across}, {}};
    // A leg lying across the page takes its label on lines as long as itself.
    const auto legLines = [&](const std::string& what, double points, PagePoint end) {
        std::vector<std::string> lines =
            wrap(what, std::max(kLegLabelWidth, std::abs(end.x)), kLabelSize);
        lines.push_back(lengthText(page, points / kPointsPerInch));
        return lines;
    };
    drawing.labels.push_back(
        besideEdge(right, fence, across, legLines(texts.fenceLeg, fenceLeg, fence)));
    drawing.labels.push_back(
        besideEdge(right, across, fence, legLines(texts.acrossLeg, acrossLeg, across)));
    drawing.labels.push_back(
        besideEdge(fence, across, right,
                   {withNumber(texts.fence, degreesText(texts, page.fenceAngle)),
                    lengthText(page, hypotenuse / kPointsPerInch)}));
    drawing.labels.push_back(atCorner(fence, right, across, degreesText(texts, page.fenceAngle)));
    drawing.labels.push_back(
        atCorner(across, right, fence, degreesText(texts, 90.0 - page.fenceAngle)));

    const PageBox bounds = boundsOf(drawing);
    shift(drawing, {area.left - bounds.left, area.bottom - bounds.bottom});
    return drawing;
}

double hypotenuseOf(const SetupTriangle& t) {
    return length(t.fenceEnd - t.acrossEnd);
}

bool fits(const TriangleDrawing& drawing, const PageBox& area, const PageBox& keepClear) {
    if (!area.contains(boundsOf(drawing))) return false;
    const SetupTriangle& t = drawing.corners;
    const std::array<PagePoint, 3> corners = {t.rightAngle, t.fenceEnd, t.acrossEnd};
    if (polygonOverlapsBox(corners, keepClear)) return false;
    return std::none_of(drawing.labels.begin(), drawing.labels.end(),
                        [&](const Label& label) { return label.box().overlaps(keepClear); });
}

// The largest triangle that fits the area beside the text, in whichever direction of the
// fence leg gives the longer fence edge.
std::optional<TriangleDrawing> largestTriangle(const FenceTemplate& page, const PageBox& area,
                                               const PageBox& keepClear) {
    std::optional<TriangleDrawing> best;
    double bestHypotenuse = 0.0;
    for (const FenceLeg leg : {FenceLeg::Upright, FenceLeg::Lying}) {
        double fitting = 0.0;
        double tooLarge = 2.0 * (area.width() + area.height());
        for (int step = 0; step < 40; ++step) {
            const double middle = (fitting + tooLarge) / 2.0;
            if (fits(triangleOf(page, middle, leg, area), area, keepClear)) {
                fitting = middle;
            } else {
                tooLarge = middle;
            }
        }
        if (fitting >= kShortestHypotenuse && fitting > bestHypotenuse) {
            bestHypotenuse = fitting;
            best = triangleOf(page, fitting, leg, area);
        }
    }
    return best;
}

// The text block: strings placed from its top left.
struct PlacedText {
    double x = 0.0;
    double y = 0.0;
    std::string text;
    bool emphasis = false;
};

struct TextBlock {
    std::vector<PlacedText> texts;
    double size = kBodySize;
    double width = 0.0;
    double height = 0.0;
    bool full = false;  // passes were left out for want of room

    void add(double x, double y, std::string text, bool emphasis = false) {
        width = std::max(width, x + estimatedTextWidth(text, size));
        height = std::max(height, y + linePitch(size));
        texts.push_back({x, y, std::move(text), emphasis});
    }
};

// The pass table's column edges and overall width at a type size.
struct TableColumns {
    std::vector<double> left;
    double width = 0.0;
};

TableColumns tableColumns(const std::vector<std::vector<std::string>>& table, double size) {
    std::vector<double> widest;
    for (const auto& row : table) {
        widest.resize(std::max(widest.size(), row.size()), 0.0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widest[c] = std::max(widest[c], estimatedTextWidth(row[c], size));
        }
    }
    TableColumns columns;
    double x = 0.0;
    for (const double w : widest) {
        columns.left.push_back(x);
        x += w + kColumnGap;
    }
    columns.width = std::max(0.0, x - kColumnGap);
    return columns;
}

// Notes, the set-up lines, then the pass table. A table longer than the room below the
// board end runs on in further columns, each under the headings; what still does not fit
// the page's width is left out between the first passes and the last, which sets the final
// blade height and always prints.
TextBlock textBlock(const FenceTemplate& page, double size, const std::vector<std::string>& notes,
                    double room) {
    TextBlock block;
    block.size = size;
    const double pitch = linePitch(size);
    const auto& table = page.passTable;
    const TableColumns columns = tableColumns(table, size);

    double lineWidth = columns.width;
    for (const auto& line : page.setupLines)
        lineWidth = std::max(lineWidth, estimatedTextWidth(line, size));
    const double pageWidth = std::max(page.pageWidth, 1.0);
    const double noteWidth = std::clamp(lineWidth, 18.0 * size, pageWidth);
    double y = 0.0;
    for (const auto& note : notes) {
        for (auto& line : wrap(note, noteWidth, size)) {
            block.add(0.0, y, std::move(line));
            y += pitch;
        }
    }
    if (!notes.empty()) y += pitch;
    for (const auto& line : page.setupLines) {
        block.add(0.0, y, line);
        y += pitch;
    }
    if (table.empty()) return block;
    y += pitch;

    const std::size_t passes = table.size() - 1;
    const auto perColumn =
        static_cast<std::size_t>(std::max(1.0, std::floor((room - y) / pitch) - 1.0));
    const std::size_t columnsNeeded =
        std::max<std::size_t>(1, (passes + perColumn - 1) / perColumn);
    const auto columnsThatFit = static_cast<std::size_t>(std::max(
        1.0, std::floor((pageWidth + 2.0 * kColumnGap) / (columns.width + 2.0 * kColumnGap))));
    const std::size_t tableColumnsUsed = std::min(columnsNeeded, columnsThatFit);
    std::vector<std::size_t> rows;  // indices into the table, past the headings
    if (passes <= tableColumnsUsed * perColumn) {
        for (std::size_t r = 1; r <= passes; ++r) rows.push_back(r);
    } else {
        block.full = true;
        const std::size_t kept = tableColumnsUsed * perColumn;
        for (std::size_t r = 1; r + 2 <= kept; ++r) rows.push_back(r);
        rows.push_back(0);  // the gap
        rows.push_back(passes);
    }
    const std::size_t rowsPerColumn = (rows.size() + tableColumnsUsed - 1) / tableColumnsUsed;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double x =
            static_cast<double>(i / rowsPerColumn) * (columns.width + 2.0 * kColumnGap);
        if (i % rowsPerColumn == 0) {
            for (std::size_t c = 0; c < table[0].size(); ++c) {
                block.add(x + columns.left[c], y, table[0][c], true);
            }
        }
        const double rowY = y + static_cast<double>(i % rowsPerColumn + 1) * pitch;
        if (rows[i] == 0) {
            block.add(x, rowY, "\u2026");
            continue;
        }
        const auto& row = table[rows[i]];
        for (std::size_t c = 0; c < row.size(); ++c) block.add(x + columns.left[c], rowY, row[c]);
    }
    return block;
}

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
                  end.left + coveLeft * kPointsPerInch < 0.0 ||
                  end.left + coveRight * kPointsPerInch > page.pageWidth);
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
    const auto part = clipToBox(from, to, page);
    if (!part) return;
    printer.drawLine(static_cast<float>(part->first.x), static_cast<float>(part->first.y),
                     static_cast<float>(part->second.x), static_cast<float>(part->second.y));
}

void printAt(SheetPrinter& printer, double x, double y, const std::string& text) {
    printer.setTextPosition(static_cast<float>(x), static_cast<float>(y));
    printer.printText(text, false);
}

void drawBoardEnd(SheetPrinter& printer, const FenceTemplate& page, const BoardEnd& end,
                  const PageBox& sheet) {
    if (!end.drawn) return;
    const PageBox band{sheet.left, end.top, sheet.right, std::min(end.face, sheet.bottom)};
    if (band.bottom < band.top) return;
    const double right = end.left + end.widthPoints;
    const auto onEnd = [&](const BoardEndPoint& p) {
        return PagePoint{end.centre + p.x * kPointsPerInch, end.face - p.depth * kPointsPerInch};
    };
    drawOnPage(printer, {end.left, end.top}, {end.left, end.face}, band);
    drawOnPage(printer, {right, end.top}, {right, end.face}, band);
    if (!end.backCutOff) drawOnPage(printer, {end.left, end.top}, {right, end.top}, band);

    // The face, open where the cove comes out of it.
    std::vector<PagePoint> outline;
    for (const BoardEndPoint& p : page.coveOutline) outline.push_back(onEnd(p));
    if (outline.size() < 2) {
        drawOnPage(printer, {end.left, end.face}, {right, end.face}, band);
        return;
    }
    const double mouthLeft = std::min(outline.front().x, outline.back().x);
    const double mouthRight = std::max(outline.front().x, outline.back().x);
    drawOnPage(printer, {end.left, end.face}, {mouthLeft, end.face}, band);
    drawOnPage(printer, {mouthRight, end.face}, {right, end.face}, band);
    for (std::size_t i = 1; i < outline.size(); ++i) {
        drawOnPage(printer, outline[i - 1], outline[i], band);
    }
}

void drawArc(SheetPrinter& printer, PagePoint corner, PagePoint p, PagePoint q,
             const PageBox& sheet) {
    const double radius = arcRadius(corner, p, q);
    const double from = std::atan2(p.y - corner.y, p.x - corner.x);
    double sweep = std::atan2(q.y - corner.y, q.x - corner.x) - from;
    if (sweep > std::numbers::pi) sweep -= 2.0 * std::numbers::pi;
    if (sweep < -std::numbers::pi) sweep += 2.0 * std::numbers::pi;
    const int steps = std::max(4, static_cast<int>(std::abs(sweep) / radians(3.0)));
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

bool printFenceTemplate(SheetPrinter& printer, const FenceTemplate& page) {
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

    drawBoardEnd(printer, page, plan.board, sheet);
    if (plan.triangle) drawTriangle(printer, *plan.triangle, sheet);
    printTextBlock(printer, plan.text, plan.layout.textTopLeft);
    return printer.endDocument();
}

}  // namespace arcwright
