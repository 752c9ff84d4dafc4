// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/plan_tiling.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

#include "views/clip.h"

namespace arcwright::saw_plan {

namespace {

// The centre mark's cross reaches 0.3 in. from the centre point: it stays this far from
// any overlap strip, where a cut edge or glue would hide it, and farther where that
// costs nothing, to leave its label room.
constexpr double kCrossClear = 0.45 * kPointsPerInch;
constexpr double kCentreClear = 0.75 * kPointsPerInch;
constexpr int kTries = 24;
// A sheet that shows less of the drawing than this share of its window is hardly worth
// the paper and the gluing.
constexpr double kRealShare = 0.12;  // places tried for the grid along each way

// The sheets along one way of the drawing.
struct Run {
    int count = 1;
    double slack = 0.0;   // what the windows cover beyond the drawing, points
    double step = 0.0;    // from one window to the next
    double centre = 0.0;  // where the centre point lies along the drawing

    // From the centre point to the nearest overlap strip, with the first window starting
    // `lead` before the drawing.
    double clearance(double lead) const {
        double nearest = std::numeric_limits<double>::infinity();
        for (int seam = 1; seam < count; ++seam) {
            const double from = seam * step - lead;
            const double to = from + kSheetOverlap;
            nearest = std::min(nearest, centre < from ? from - centre
                                        : centre > to ? centre - to
                                                      : 0.0);
        }
        return nearest;
    }

    // The leads to try: the whole slack when several sheets share the way, else centred.
    double lead(int i) const { return count > 1 ? slack * i / kTries : slack / 2.0; }
    int tries() const { return count > 1 ? kTries : 0; }
};

Run run(double extent, double window, double centre) {
    Run r;
    if (extent > window) {
        r.count = static_cast<int>(std::ceil((extent - kSheetOverlap) / (window - kSheetOverlap)));
    }
    r.slack = std::max(0.0, r.count * window - (r.count - 1) * kSheetOverlap - extent);
    r.step = window - kSheetOverlap;
    r.centre = centre;
    return r;
}

}  // namespace

double drawingShare(const PlanDrawing& drawing, const TableWindow& window) {
    const ClipBox box{window.left, window.front, window.right, window.back};
    double left = std::numeric_limits<double>::infinity();
    double right = -left;
    double front = left;
    double back = -left;
    const std::size_t own = std::min(drawing.guidesFrom, drawing.lines.size());
    for (std::size_t i = 0; i < own; ++i) {
        const TableSegment& line = drawing.lines[i];
        const auto part = clipSegment({line.from.x, line.from.y, line.to.x, line.to.y}, box);
        if (!part) continue;
        left = std::min({left, part->x1, part->x2});
        right = std::max({right, part->x1, part->x2});
        front = std::min({front, part->y1, part->y2});
        back = std::max({back, part->y1, part->y2});
    }
    const double area = (window.right - window.left) * (window.back - window.front);
    if (!(left <= right) || !(area > 0.0)) return 0.0;
    return (right - left) * (back - front) / area;
}

TileGrid tileGrid(const PlanDrawing& drawing, double width, double height) {
    const Run across =
        run((drawing.right - drawing.left) * kPointsPerInch, width, -drawing.left * kPointsPerInch);
    const Run down =
        run((drawing.back - drawing.front) * kPointsPerInch, height, drawing.back * kPointsPerInch);
    TileGrid grid{across.count, down.count, across.slack / 2.0, down.slack / 2.0, {}};

    // What each place of the grid shows with it at these leads, row by row.
    const auto shares = [&](double leadAcross, double leadDown) {
        std::vector<double> out;
        for (int r = 0; r < down.count; ++r) {
            for (int c = 0; c < across.count; ++c) {
                TableWindow w;
                w.left = drawing.left + (c * across.step - leadAcross) / kPointsPerInch;
                w.right = w.left + width / kPointsPerInch;
                w.back = drawing.back - (r * down.step - leadDown) / kPointsPerInch;
                w.front = w.back - height / kPointsPerInch;
                out.push_back(drawingShare(drawing, w));
            }
        }
        return out;
    };
    const auto keep = [&](const std::vector<double>& s) {
        std::vector<bool> printed;
        for (const double share : s) printed.push_back(share > 0.0 || s.size() == 1);
        return printed;
    };
    if (across.count * down.count < 2) {
        grid.printed = keep(shares(grid.leadAcross, grid.leadDown));
        return grid;
    }
    // The centre mark's cross clear of the seams first (as far as the paper allows); then
    // every sheet carrying a real share; then as few sheets as that leaves, the emptiest
    // as full as can be, the centre mark farther from the seams, the drawing nearer the
    // middle of the sheets.
    using Score = std::tuple<double, bool, int, double, double, double>;
    const auto score = [&](double a, double d) {
        const double clear = std::min(across.clearance(a), down.clearance(d));
        int sheets = 0;
        double least = 1.0;
        for (const double share : shares(a, d)) {
            if (share <= 0.0) continue;
            ++sheets;
            least = std::min(least, share);
        }
        const double offCentre = std::hypot(a - across.slack / 2.0, d - down.slack / 2.0);
        // Lengths to a hundredth of a point: places that are equally good on paper score
        // the same on every machine, whatever the last digit its sine gives, and the first
        // of them is kept.
        const auto hundredths = [](double v) { return std::round(v * 100.0) / 100.0; };
        return Score{hundredths(std::min(clear, kCrossClear)),
                     least >= kRealShare,
                     -sheets,
                     hundredths(least),
                     hundredths(std::min(clear, kCentreClear)),
                     -hundredths(offCentre)};
    };
    Score best = score(grid.leadAcross, grid.leadDown);
    for (int i = 0; i <= across.tries(); ++i) {
        for (int j = 0; j <= down.tries(); ++j) {
            const Score s = score(across.lead(i), down.lead(j));
            if (s > best) {
                best = s;
                grid.leadAcross = across.lead(i);
                grid.leadDown = down.lead(j);
            }
        }
    }
    grid.printed = keep(shares(grid.leadAcross, grid.leadDown));
    return grid;
}

}  // namespace arcwright::saw_plan
