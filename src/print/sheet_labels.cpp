// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/sheet_labels.h"

#include <algorithm>
#include <array>

namespace arcwright::saw_plan {

namespace {

using template_page::Label;

constexpr double kLabelGap = 4.0;  // labels stand this far off what they name
// A line may pass this close to a label's box; the box already has room round the ink.
constexpr double kClearance = 1.0;
// Farther off the point or line, in turn, when the nearest places are taken.
constexpr std::array<double, 4> kFartherOff = {0.0, 6.0, 14.0, 24.0};

}  // namespace

SheetLabels::SheetLabels(const PageBox& window, std::vector<Segment> lines)
    : inside_{window.left + 2.0, window.top + 2.0, window.right - 2.0, window.bottom - 2.0},
      lines_(std::move(lines)) {}

bool SheetLabels::clear(const PageBox& box) const {
    if (!inside_.contains(box)) return false;
    if (std::any_of(placed_.begin(), placed_.end(),
                    [&](const Label& other) { return other.box().overlaps(box); })) {
        return false;
    }
    const ClipBox around{box.left - kClearance, box.top - kClearance, box.right + kClearance,
                         box.bottom + kClearance};
    return std::none_of(lines_.begin(), lines_.end(),
                        [&](const Segment& s) { return clipSegment(s, around).has_value(); });
}

bool SheetLabels::place(Label label, const std::vector<PagePoint>& centres) {
    for (const PagePoint centre : centres) {
        label.centre = centre;
        if (clear(label.box())) {
            placed_.push_back(std::move(label));
            return true;
        }
    }
    return false;
}

void SheetLabels::besidePoint(PagePoint at, PagePoint side, std::vector<std::string> lines) {
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
    for (const double farther : kFartherOff) {
        for (const PagePoint d : directions) {
            centres.push_back(at + d * (2.0 * kLabelGap + farther + label.reach(d)));
        }
        // Off a corner of the label, clear of lines through the point along either axis.
        const double x = label.width() / 2.0 + 2.0 * kLabelGap + farther;
        const double y = label.height() / 2.0 + kLabelGap + farther;
        for (const PagePoint corner :
             {PagePoint{x, -y}, PagePoint{-x, -y}, PagePoint{x, y}, PagePoint{-x, y}}) {
            centres.push_back(at + corner);
        }
    }
    place(std::move(label), centres);
}

void SheetLabels::besideLine(PagePoint a, PagePoint b, PagePoint side,
                             std::vector<std::string> lines) {
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
    // From the middle of the part shown outward, nearest the line first.
    std::vector<PagePoint> centres;
    for (const double farther : {kFartherOff[0], kFartherOff[1], kFartherOff[2]}) {
        for (int step = 0; step <= 18; ++step) {
            const double f = 0.5 + (step % 2 == 0 ? 1.0 : -1.0) * ((step + 1) / 2) * 0.05;
            centres.push_back(from + (to - from) * f + normal * (off + farther));
        }
    }
    // Where the drawing leaves no room beside it, past an end of the line, as a dimension's
    // figure stands past its arrow.
    for (const double farther : kFartherOff) {
        const double aside = label.height() / 2.0 + kLabelGap;
        for (const PagePoint end : {to, from}) {
            const PagePoint out = unit(end - (from + to) * 0.5);
            const PagePoint beyond = end + out * (kLabelGap + farther + label.reach(out));
            for (int k = 0; k <= 8; ++k) {
                const double shift = (k % 2 == 0 ? 1.0 : -1.0) * ((k + 1) / 2) * aside;
                centres.push_back(beyond + normal * shift);
            }
        }
    }
    place(std::move(label), centres);
}

}  // namespace arcwright::saw_plan
