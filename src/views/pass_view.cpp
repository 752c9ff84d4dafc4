// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/pass_view.h"

#include <algorithm>
#include <cmath>

#include "plan/cove_outline.h"

namespace arcwright {

namespace {

constexpr int kStepsPerFlank = 24;  // smooth at any size a window gives the drawing

// Lines in inches on a canvas whose scale gives `inchesPerPixel`, `pixels` wide: copies a
// pixel apart across and along, so that a flank of any slope comes out as wide.
class Pen {
  public:
    Pen(Canvas& canvas, double inchesPerPixel) : canvas_(canvas), pixel_(inchesPerPixel) {}

    void line(BoardEndPoint a, BoardEndPoint b, Rgb colour, int pixels) const {
        const int n = std::max(1, pixels);
        for (int i = 0; i < n; ++i) {
            const double offset = (i - (n - 1) / 2.0) * pixel_;
            drawLine(canvas_, a.x + offset, a.depth, b.x + offset, b.depth, colour);
            if (offset != 0.0) {
                drawLine(canvas_, a.x, a.depth + offset, b.x, b.depth + offset, colour);
            }
        }
    }

    void polyline(const std::vector<BoardEndPoint>& points, Rgb colour, int pixels) const {
        for (std::size_t i = 1; i < points.size(); ++i) {
            line(points[i - 1], points[i], colour, pixels);
        }
    }

  private:
    Canvas& canvas_;
    double pixel_;
};

bool drawable(const SawSetUp& s, const PassSurface& surface) {
    return std::isfinite(s.boardWidth) && std::isfinite(s.boardThickness) && s.boardWidth > 0 &&
           s.boardThickness > 0 && surface.width > 0 && surface.height > 0;
}

}  // namespace

OutlinePick drawPasses(Canvas& canvas, const PassSteps& steps, const PassSurface& surface,
                       const PassColours& colours) {
    canvas.clear();
    const SawSetUp& s = steps.setUp();
    if (steps.count() == 0 || !drawable(s, surface)) return {};

    // One scale both ways, the board centred with a margin round it and room under the
    // face for the saw table.
    const int line = std::max(1, surface.linePixels);
    const double margin = std::max(8.0, 0.06 * std::min(surface.width, surface.height)) + 2 * line;
    const double pixelsPerInch = std::min((surface.width - 2 * margin) / s.boardWidth,
                                          (surface.height - 2 * margin) / s.boardThickness);
    if (!(pixelsPerInch > 0) || !std::isfinite(pixelsPerInch)) return {};
    const double inchesPerPixel = 1 / pixelsPerInch;
    const double wide = surface.width * inchesPerPixel;
    const double high = surface.height * inchesPerPixel;
    canvas.setScale(toSurface(-wide / 2), toSurface(s.boardThickness / 2 + high / 2),
                    toSurface(wide), toSurface(-high));
    const Pen pen(canvas, inchesPerPixel);

    const OutlinePick pick = outlinesToDraw(steps.count(), steps.position());
    const double half = s.boardWidth / 2;
    const auto outline = [&](int index) {
        const PlanPass& pass = steps.passes()[static_cast<std::size_t>(index)];
        auto points =
            coveOutline(pass.bladeHeight, s.angleDeg, s.bladeDiameter, s.kerf, kStepsPerFlank);
        for (BoardEndPoint& p : points) {
            p.x = std::clamp(p.x, -half, half);
            p.depth = std::min(p.depth, s.boardThickness);
        }
        return points;
    };

    // The table, a little below the face, across the surface but for its pen's width.
    const double tableY = -(2.0 * line) * inchesPerPixel;
    const double tableEnd = wide / 2 - line * inchesPerPixel;
    pen.line({-tableEnd, tableY}, {tableEnd, tableY}, colours.table, line);

    // The board, its face open where the passes made so far have cut it.
    const double t = s.boardThickness;
    pen.polyline({{-half, 0}, {-half, t}, {half, t}, {half, 0}}, colours.board, line);
    double mouth = 0.0;
    if (steps.position() > 0) {
        mouth = std::min(
            half, steps.passes()[static_cast<std::size_t>(steps.position() - 1)].coveWidth / 2);
    }
    if (mouth < half) {
        pen.line({-half, 0}, {-mouth, 0}, colours.board, line);
        pen.line({mouth, 0}, {half, 0}, colours.board, line);
    }

    // Faint passes first, so the made ones and the current one lie on top of them.
    for (const PassState state : {PassState::ToCome, PassState::Done, PassState::Current}) {
        for (const int index : pick.indices) {
            if (steps.stateOf(index) != state) continue;
            switch (state) {
                case PassState::ToCome:
                    pen.polyline(outline(index), colours.toCome, line);
                    break;
                case PassState::Done:
                    pen.polyline(outline(index), colours.done, line);
                    break;
                case PassState::Current:
                    pen.polyline(outline(index), colours.current, 2 * line);
                    break;
            }
        }
    }
    return pick;
}

}  // namespace arcwright
