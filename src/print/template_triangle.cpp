// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/template_triangle.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "model/number_text.h"

namespace arcwright::template_page {

namespace {

constexpr double kLabelOffset = 5.0;  // labels stand this far off their edge
constexpr double kLegLabelWidth = 120.0;
constexpr double kLongestArc = 30.0;
// A triangle with a shorter fence edge than this is no help in setting the fence.
constexpr double kShortestHypotenuse = 3.0 * kPointsPerInch;

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

std::string legLengthText(const FenceTemplate& page, double inches) {
    return page.length ? page.length(inches) : formatNumber(inches, "0.000 in.");
}

}  // namespace

double arcRadius(PagePoint corner, PagePoint p, PagePoint q) {
    return std::min(kLongestArc, 0.3 * std::min(length(p - corner), length(q - corner)));
}

double hypotenuseOf(const SetupTriangle& t) {
    return length(t.fenceEnd - t.acrossEnd);
}

double Label::width() const {
    double widest = 0.0;
    for (const auto& line : lines) widest = std::max(widest, estimatedTextWidth(line, size));
    return widest;
}

double Label::height() const {
    return static_cast<double>(lines.size()) * linePitch(size);
}

double Label::reach(PagePoint direction) const {
    return std::abs(direction.x) * width() / 2.0 + std::abs(direction.y) * height() / 2.0;
}

PageBox Label::box() const {
    return {centre.x - width() / 2.0, centre.y - height() / 2.0, centre.x + width() / 2.0,
            centre.y + height() / 2.0};
}

namespace {

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
        lines.push_back(legLengthText(page, points / kPointsPerInch));
        return lines;
    };
    drawing.labels.push_back(
        besideEdge(right, fence, across, legLines(texts.fenceLeg, fenceLeg, fence)));
    drawing.labels.push_back(
        besideEdge(right, across, fence, legLines(texts.acrossLeg, acrossLeg, across)));
    drawing.labels.push_back(
        besideEdge(fence, across, right,
                   {withNumber(texts.fence, degreesText(texts, page.fenceAngle)),
                    legLengthText(page, hypotenuse / kPointsPerInch)}));
    drawing.labels.push_back(atCorner(fence, right, across, degreesText(texts, page.fenceAngle)));
    drawing.labels.push_back(
        atCorner(across, right, fence, degreesText(texts, 90.0 - page.fenceAngle)));

    const PageBox bounds = boundsOf(drawing);
    shift(drawing, {area.left - bounds.left, area.bottom - bounds.bottom});
    return drawing;
}

bool fits(const TriangleDrawing& drawing, const PageBox& area, const PageBox& keepClear) {
    if (!area.contains(boundsOf(drawing))) return false;
    const SetupTriangle& t = drawing.corners;
    const std::array<PagePoint, 3> corners = {t.rightAngle, t.fenceEnd, t.acrossEnd};
    if (polygonOverlapsBox(corners, keepClear)) return false;
    return std::none_of(drawing.labels.begin(), drawing.labels.end(),
                        [&](const Label& label) { return label.box().overlaps(keepClear); });
}

}  // namespace

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
}  // namespace arcwright::template_page
