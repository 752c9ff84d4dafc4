// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/saw_plan_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "model/number_text.h"

namespace arcwright::saw_plan {

namespace {

// The fence is drawn this far past where the board's two long edges cross the blade line,
// measured along the fence: at the front beyond the first edge to cross, at the back beyond
// the last. The fence-side edge lies on the fence face, so the fence line itself reaches
// 4 in. past its own crossing and 4 in. past the far edge's.
constexpr double kFenceBeyondBoard = 4.0;
constexpr double kHatchDepth = 0.25;  // the shaded strip on the board's side of the fence
constexpr double kHatchPitch = 0.125;
constexpr double kRoomForLabels = 0.75;  // round the drawing
constexpr double kFinalTick = 0.4;       // half the length of the marks across the blade line
constexpr double kFirstPassTick = 0.25;
constexpr double kCentreCross = 0.3;
constexpr double kCentreRing = 0.08;
constexpr double kMarkRing = 0.06;
constexpr double kArrowHead = 0.15;
constexpr double kArrowLength = 2.0;

TablePoint operator+(TablePoint a, TablePoint b) {
    return {a.x + b.x, a.y + b.y};
}
TablePoint operator-(TablePoint a, TablePoint b) {
    return {a.x - b.x, a.y - b.y};
}
TablePoint operator*(TablePoint a, double s) {
    return {a.x * s, a.y * s};
}

struct Dashes {
    double dash;
    double gap;
};
constexpr Dashes kCentreLine{0.4, 0.12};     // the blade line
constexpr Dashes kConstruction{0.12, 0.12};  // square to the blade
constexpr Dashes kDeepestDashes{0.25, 0.1};  // the cove's deepest line

class Drawing {
  public:
    explicit Drawing(PlanDrawing& out) : out_(out) {}

    void line(TablePoint a, TablePoint b) { out_.lines.push_back({a, b}); }

    void dashed(TablePoint a, TablePoint b, Dashes style) {
        const TablePoint along = b - a;
        const double length = std::hypot(along.x, along.y);
        if (!(length > 0)) return;
        const TablePoint unit = along * (1.0 / length);
        for (double at = 0.0; at < length; at += style.dash + style.gap) {
            line(a + unit * at, a + unit * std::min(length, at + style.dash));
        }
    }

    void ring(TablePoint centre, double radius) {
        constexpr int kSteps = 16;
        const auto at = [&](int i) {
            const double a = 2.0 * std::numbers::pi * i / kSteps;
            return centre + TablePoint{std::cos(a), std::sin(a)} * radius;
        };
        for (int i = 1; i <= kSteps; ++i) line(at(i - 1), at(i));
    }

    // An arrowhead at `tip`, pointing along the unit direction `towards`.
    void arrowHead(TablePoint tip, TablePoint towards) {
        const TablePoint back = tip - towards * kArrowHead;
        const TablePoint across = TablePoint{-towards.y, towards.x} * (kArrowHead / 2.5);
        line(tip, back + across);
        line(tip, back - across);
    }

    // Widens the extent to take in a point.
    void include(TablePoint p) {
        left_ = std::min(left_, p.x);
        right_ = std::max(right_, p.x);
        front_ = std::min(front_, p.y);
        back_ = std::max(back_, p.y);
    }

    void setExtent() {
        out_.left = left_ - kRoomForLabels;
        out_.right = right_ + kRoomForLabels;
        out_.front = front_ - kRoomForLabels;
        out_.back = back_ + kRoomForLabels;
    }

  private:
    PlanDrawing& out_;
    double left_ = 0.0, right_ = 0.0, front_ = 0.0, back_ = 0.0;  // O is always in it
};

std::string lengthText(const SawPlan& plan, double inches) {
    return plan.length ? plan.length(inches) : formatNumber(inches, "0.000 in.");
}

}  // namespace

std::string filledIn(std::string text, const std::vector<std::string>& values) {
    for (std::size_t i = values.size(); i-- > 0;) {
        const std::string tag = "%" + std::to_string(i + 1);
        const auto at = text.find(tag);
        if (at != std::string::npos) text.replace(at, tag.size(), values[i]);
    }
    return text;
}

PlanDrawing planDrawing(const SawPlan& plan) {
    PlanDrawing out;
    Drawing draw(out);
    const FencePosition& fence = plan.fence;
    const TablePoint feed = fence.feed;
    const TablePoint toFence = fence.towardFence;
    const TablePoint foot = fence.fenceFoot();
    const SawPlanTexts& texts = plan.texts;
    // Seen from the front, +1 when the fence passes to the right of the centre point.
    const double side = toFence.x + feed.x > 0 ? 1.0 : -1.0;
    const double boardWidth = std::isfinite(plan.boardWidth) ? std::max(0.0, plan.boardWidth) : 0.0;

    // A line along the fence `into` the board from the fence face, through its point
    // nearest O; `t` runs along it in the direction of feed.
    const auto lineAt = [&](double into) { return foot - toFence * into; };
    const auto crossing = [&](double into) -> std::optional<double> {
        if (std::abs(feed.x) < 1e-12) return std::nullopt;  // parallel to the blade
        return -lineAt(into).x / feed.x;
    };
    double first = 0.0;
    double last = 0.0;
    if (const auto fenceSide = crossing(0.0), farSide = crossing(boardWidth); fenceSide) {
        first = std::min(*fenceSide, *farSide);
        last = std::max(*fenceSide, *farSide);
    }
    // Nothing farther than kFarthestMark from the centre point: near 0° the board crosses
    // the blade line a long way off, and the marks stop there too.
    const double reach = std::max(
        kFenceBeyondBoard,
        std::sqrt(std::max(0.0, kFarthestMark * kFarthestMark - fence.distance * fence.distance)));
    const double from = std::max(-reach, first - kFenceBeyondBoard);
    const double to = std::min(reach, last + kFenceBeyondBoard);
    out.cutShort = from > first - kFenceBeyondBoard || to < last + kFenceBeyondBoard;

    const auto along = [&](double into, std::vector<LineLabel>* labels = nullptr,
                           const std::string& text = {}, TablePoint labelSide = {}) {
        const TableSegment segment{lineAt(into) + feed * from, lineAt(into) + feed * to};
        draw.line(segment.from, segment.to);
        draw.include(segment.from);
        draw.include(segment.to);
        if (labels) labels->push_back({segment, text, labelSide});
        return segment;
    };

    // The fence face first, the label most needed.
    std::vector<LineLabel>& labels = out.lineLabels;
    const TableSegment fenceLine = along(0.0, &labels, texts.fenceFace, toFence);
    // The distance square to the fence, as a dimension line from the centre point.
    draw.line({0.0, 0.0}, foot);
    draw.arrowHead(foot, toFence);
    draw.arrowHead({0.0, 0.0}, toFence * -1.0);
    labels.push_back({{{0.0, 0.0}, foot},
                      filledIn(texts.fenceDistance, {lengthText(plan, fence.distance)}),
                      feed * -1.0});
    // The side the board rides on, shaded with strokes at 45° to the fence.
    const double hatch = std::min(kHatchDepth, boardWidth);
    for (double t = from; t + hatch <= to; t += kHatchPitch) {
        draw.line(foot + feed * t, lineAt(hatch) + feed * (t + hatch));
    }
    along(boardWidth, &labels, texts.boardEdge, toFence * -1.0);
    const double wood = std::clamp(plan.woodFenceSide, 0.0, boardWidth);
    const double cove = std::clamp(plan.coveWidth, 0.0, boardWidth - wood);
    along(wood, &labels, texts.coveEdge, toFence * -1.0);
    along(wood + cove, &labels, texts.coveEdge, toFence);
    const TableSegment deepest{fence.deepestPoint + feed * from, fence.deepestPoint + feed * to};
    draw.dashed(deepest.from, deepest.to, kDeepestDashes);
    labels.push_back({deepest, texts.deepestLine, toFence * -1.0});

    // The feed: an arrow on the board at the front end of the drawing, ahead of the blade.
    const TablePoint arrowTail = lineAt(wood + cove / 4.0) + feed * (from + 0.5);
    const TablePoint arrowTip = arrowTail + feed * kArrowLength;
    draw.line(arrowTail, arrowTip);
    draw.arrowHead(arrowTip, feed);
    labels.push_back({{arrowTail, arrowTip}, texts.feed, toFence});

    // The opening in the table, the kerf drawn to its width, and where the teeth leave the
    // table at the final height and at the first pass.
    const double halfKerf = std::isfinite(plan.kerf) ? std::clamp(plan.kerf / 2, 0.0, 1.0) : 0.0;
    const auto halfOf = [](double opening) {
        return std::isfinite(opening) ? std::clamp(opening / 2, 0.0, kFarthestMark) : 0.0;
    };
    const double finalHalf = halfOf(plan.finalOpening);
    const double firstHalf = halfOf(plan.firstOpening);
    draw.line({-halfKerf, -finalHalf}, {-halfKerf, finalHalf});
    if (halfKerf > 0) {
        draw.line({halfKerf, -finalHalf}, {halfKerf, finalHalf});
        draw.line({-halfKerf, -finalHalf}, {halfKerf, -finalHalf});
        draw.line({-halfKerf, finalHalf}, {halfKerf, finalHalf});
    }
    std::vector<PointLabel>& points = out.pointLabels;
    if (fence.bladeMark) {
        const TablePoint mark{0.0, -*fence.bladeMark};
        draw.ring(mark, kMarkRing);
        points.push_back(
            {mark, filledIn(texts.bladeMark, {lengthText(plan, *fence.bladeMark)}), toFence});
    }
    // The square mark only where the drawn fence reaches it.
    if (fence.squareMark) {
        const TablePoint mark{side * *fence.squareMark, 0.0};
        const TablePoint fromFoot = mark - foot;
        const double t = fromFoot.x * feed.x + fromFoot.y * feed.y;
        if (t >= from && t <= to) {
            draw.ring(mark, kMarkRing);
            points.push_back(
                {mark, filledIn(texts.squareMark, {lengthText(plan, *fence.squareMark)}), toFence});
        }
    }
    draw.line({-kCentreCross, 0.0}, {kCentreCross, 0.0});
    draw.line({0.0, -kCentreCross}, {0.0, kCentreCross});
    draw.ring({0.0, 0.0}, kCentreRing);
    points.push_back({{0.0, 0.0}, texts.centrePoint, {-side, 0.0}});
    const auto ticks = [&](double half, double tick, const std::string& text) {
        for (const double y : {-half, half}) {
            draw.line({-tick, y}, {tick, y});
            draw.include({-tick, y});
            draw.include({tick, y});
            points.push_back({{-side * tick, y}, text, {-side, 0.0}});
        }
    };
    ticks(finalHalf, kFinalTick, texts.finalHeight);
    if (firstHalf > 0 && std::abs(firstHalf - finalHalf) > 1e-9) {
        ticks(firstHalf, kFirstPassTick, texts.firstPass);
    }
    draw.include(fenceLine.from);
    draw.setExtent();

    // The blade line and the line square to it run across the whole drawing.
    out.guidesFrom = out.lines.size();
    const TableSegment bladeLine{{0.0, out.back}, {0.0, out.front}};
    draw.dashed(bladeLine.from, bladeLine.to, kCentreLine);
    labels.push_back({bladeLine, texts.bladeLine, {-side, 0.0}});
    const TableSegment squareLine{{out.left, 0.0}, {out.right, 0.0}};
    draw.dashed(squareLine.from, squareLine.to, kConstruction);
    labels.push_back({squareLine, texts.squareLine, {0.0, 1.0}});
    return out;
}

}  // namespace arcwright::saw_plan
