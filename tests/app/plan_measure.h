// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Measuring the printed plan of the saw table from its PDF pages: the check squares, the
// centre point, the fence line and how neighbouring sheets join, all from the lines on the
// paper without knowing where the page put them.
#include <QLineF>
#include <QPointF>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "pdf_measure.h"

namespace arcwright::testing {

inline bool level(const PdfSegment& s) {
    return std::abs(s.from.y() - s.to.y()) < 0.01;
}
inline bool upright(const PdfSegment& s) {
    return std::abs(s.from.x() - s.to.x()) < 0.01;
}

// The side of each square drawn as four lines in a row, corner to corner.
inline std::vector<double> squareSides(const std::vector<PdfSegment>& lines) {
    std::vector<double> sides;
    const auto near = [](QPointF a, QPointF b) { return QLineF(a, b).length() < 0.05; };
    for (std::size_t i = 0; i + 3 < lines.size(); ++i) {
        const double side = lines[i].length();
        bool square = side > 36.0 && level(lines[i]) && upright(lines[i + 1]) &&
                      level(lines[i + 2]) && upright(lines[i + 3]) &&
                      near(lines[i + 3].to, lines[i].from);
        for (std::size_t k = 1; square && k < 4; ++k) {
            square = near(lines[i + k].from, lines[i + k - 1].to) &&
                     std::abs(lines[i + k].length() - side) < 0.5;
        }
        if (square) sides.push_back(side);
    }
    return sides;
}

// The centre point: where the blade line (dashes 0.4 in. long, up the page) crosses the
// line square to it (dashes 0.12 in. long, across), as long as the page shows both.
inline std::optional<QPointF> centrePoint(const std::vector<PdfSegment>& lines) {
    std::vector<double> xs;
    std::vector<double> ys;
    for (const PdfSegment& s : lines) {
        if (upright(s) && std::abs(s.length() - 28.8) < 0.05) xs.push_back(s.from.x());
        if (level(s) && std::abs(s.length() - 8.64) < 0.05) ys.push_back(s.from.y());
    }
    const auto common = [](std::vector<double> v) -> std::optional<double> {
        std::sort(v.begin(), v.end());
        for (std::size_t i = 0; i + 2 < v.size(); ++i) {
            if (v[i + 2] - v[i] < 0.05) return v[i];
        }
        return std::nullopt;
    };
    const auto x = common(xs);
    const auto y = common(ys);
    if (!x || !y) return std::nullopt;
    return QPointF(*x, *y);
}

// The fence as found on a page with the centre point: of the long slanting lines, the one
// whose line crosses the blade line farthest in front of the centre point (down the page).
struct FenceOnPaper {
    double fromBlade = 0.0;  // degrees between it and the blade line
    double distance = 0.0;   // from the centre point, square to it, points
    double inFront = 0.0;    // where it crosses the blade line, points in front
};

inline std::optional<FenceOnPaper> frontmostLine(const std::vector<PdfSegment>& lines,
                                                 QPointF centre) {
    // The blade line's dashes run through the centre point.
    std::optional<PdfSegment> blade;
    for (const PdfSegment& s : lines) {
        if (upright(s) && std::abs(s.from.x() - centre.x()) < 0.05 &&
            std::abs(s.length() - 28.8) < 0.3) {
            blade = s;
        }
    }
    if (!blade) return std::nullopt;
    std::optional<FenceOnPaper> front;
    for (const PdfSegment& s : lines) {
        if (s.length() < 72.0 || level(s) || upright(s)) continue;
        const QLineF line(s.from, s.to);
        const double t = (centre.x() - s.from.x()) / (s.to.x() - s.from.x());
        const double inFront = s.from.y() + t * (s.to.y() - s.from.y()) - centre.y();
        if (inFront < 7.2 || (front && inFront <= front->inFront)) continue;
        const QLineF along = line.unitVector();
        const QPointF to = centre - s.from;
        FenceOnPaper found;
        found.inFront = inFront;
        found.distance = std::abs(to.x() * (along.dy()) - to.y() * (along.dx()));
        const double a = std::abs(line.angleTo(QLineF(blade->from, blade->to)));
        found.fromBlade = std::min({a, std::abs(180.0 - a), std::abs(360.0 - a)});
        front = found;
    }
    return front;
}

// Where a sheet is joined to its neighbour: the dashed glue line (many short strokes on one
// line) and the cut line (the longest line of the page along the same direction).
inline std::optional<double> glueLine(const std::vector<PdfSegment>& lines, bool across) {
    std::vector<double> at;
    for (const PdfSegment& s : lines) {
        if ((across ? upright(s) : level(s)) && std::abs(s.length() - 6.0) < 0.05) {
            at.push_back(across ? s.from.x() : s.from.y());
        }
    }
    std::sort(at.begin(), at.end());
    for (std::size_t i = 0; i + 10 < at.size(); ++i) {
        if (at[i + 10] - at[i] < 0.05) return at[i];
    }
    return std::nullopt;
}

inline std::optional<double> cutLine(const std::vector<PdfSegment>& lines, bool across) {
    std::optional<PdfSegment> longest;
    for (const PdfSegment& s : lines) {
        if ((across ? upright(s) : level(s)) && (!longest || s.length() > longest->length())) {
            longest = s;
        }
    }
    if (!longest) return std::nullopt;
    return across ? longest->from.x() : longest->from.y();
}

// How many of one sheet's slanting lines crossing the overlap strip run on, on the other
// sheet moved by `shift`, and how many do not. The strip runs from `from` for `width`
// points, across the page (x) or down it (y).
struct RunningOn {
    int matched = 0;
    int unmatched = 0;
};

inline RunningOn linesRunningOn(const std::vector<PdfSegment>& mine,
                                const std::vector<PdfSegment>& theirs, QPointF shift, bool across,
                                double from, double width) {
    RunningOn result;
    const auto inStrip = [&](const PdfSegment& s) -> std::optional<PdfSegment> {
        const double a = across ? s.from.x() : s.from.y();
        const double b = across ? s.to.x() : s.to.y();
        const double lo = std::max(std::min(a, b), from + 1.0);
        const double hi = std::min(std::max(a, b), from + width - 1.0);
        if (hi - lo < 6.0 || std::abs(b - a) < 1e-6) return std::nullopt;
        const auto at = [&](double v) { return s.from + (s.to - s.from) * ((v - a) / (b - a)); };
        return PdfSegment{at(lo), at(hi)};
    };
    for (const PdfSegment& s : mine) {
        if (level(s) || upright(s) || s.length() < 14.4) continue;
        const auto part = inStrip(s);
        if (!part) continue;
        const QLineF line(part->from, part->to);
        const bool found = std::any_of(theirs.begin(), theirs.end(), [&](const PdfSegment& o) {
            const PdfSegment moved{o.from + shift, o.to + shift};
            const QLineF other(moved.from, moved.to);
            const double a = std::abs(line.angleTo(other));
            if (std::min({a, std::abs(180.0 - a), std::abs(360.0 - a)}) > 0.1) return false;
            const QLineF along = other.unitVector();
            const auto off = [&](QPointF p) {
                const QPointF to = p - moved.from;
                return std::abs(to.x() * along.dy() - to.y() * along.dx());
            };
            // ... and reaches over the whole piece.
            const auto reach = [&](QPointF p) {
                const QPointF to = p - moved.from;
                return to.x() * along.dx() + to.y() * along.dy();
            };
            const double lo = std::min(reach(part->from), reach(part->to));
            const double hi = std::max(reach(part->from), reach(part->to));
            return off(part->from) < 0.3 && off(part->to) < 0.3 && lo > -0.5 &&
                   hi < other.length() + 0.5;
        });
        (found ? result.matched : result.unmatched) += 1;
    }
    return result;
}

}  // namespace arcwright::testing
