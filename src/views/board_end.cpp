// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/board_end.h"

#include <algorithm>
#include <cmath>

namespace arcwright {

namespace {

// Whether a point can be handed to a canvas: its coordinates finite in single precision.
bool finite(double x, double y) {
    return std::isfinite(toSurface(x)) && std::isfinite(toSurface(y));
}

class BoardEndPen {
  public:
    BoardEndPen(Canvas& canvas, const BoardEndLook& look) : canvas_(canvas), look_(look) {}

    void line(double x1, double y1, double x2, double y2, std::optional<Rgb> colour) const {
        Segment s{x1, y1, x2, y2};
        if (look_.within) {
            const auto inside = clipSegment(s, *look_.within);
            if (!inside) return;
            s = *inside;
        }
        if (finite(s.x1, s.y1) && finite(s.x2, s.y2)) {
            drawLine(canvas_, s.x1, s.y1, s.x2, s.y2, colour);
        }
    }
    void line(double x1, double y1, double x2, double y2) const {
        line(x1, y1, x2, y2, look_.lines);
    }

  private:
    Canvas& canvas_;
    const BoardEndLook& look_;
};

// The end of the board with the cove cut out of it, corner by corner.
void fillWood(Canvas& canvas, const BoardEndPlace& p, Rgb wood) {
    std::vector<CanvasPoint> corners{{toSurface(p.left), toSurface(p.back)},
                                     {toSurface(p.right), toSurface(p.back)},
                                     {toSurface(p.right), toSurface(p.face)}};
    for (auto it = p.cove.rbegin(); it != p.cove.rend(); ++it) {
        if (finite(it->x, it->y)) corners.push_back({toSurface(it->x), toSurface(it->y)});
    }
    corners.push_back({toSurface(p.left), toSurface(p.face)});
    canvas.fillPolygon(corners, wood);
}

}  // namespace

void drawBoardEnd(Canvas& canvas, const BoardEndPlace& p, const BoardEndLook& look) {
    if (look.wood) fillWood(canvas, p, *look.wood);
    canvas.setLineWidth(look.width);
    const BoardEndPen pen(canvas, look);

    if (look.face == BoardEndLook::Face::Open) {
        pen.line(p.left, p.back, p.left, p.face);
        pen.line(p.right, p.back, p.right, p.face);
        if (look.back) pen.line(p.left, p.back, p.right, p.back);
        if (!(p.mouthLeft < p.mouthRight)) {
            pen.line(p.left, p.face, p.right, p.face);
        } else {
            pen.line(p.left, p.face, p.mouthLeft, p.face);
            pen.line(p.mouthRight, p.face, p.right, p.face);
        }
    } else if (look.back && !look.lines && !look.within) {
        // A board that cannot be placed is not drawn: every side would run to infinity.
        if (finite(p.left, p.face) && finite(p.right, p.back)) {
            // From the corner at the smaller y: the face on a screen, where y grows up, the
            // back on paper, where it grows down.
            canvas.drawRectangle(toSurface(p.left), toSurface(std::min(p.face, p.back)),
                                 toSurface(p.right), toSurface(std::max(p.face, p.back)));
        }
    } else {
        pen.line(p.left, p.face, p.right, p.face);
        pen.line(p.right, p.face, p.right, p.back);
        if (look.back) pen.line(p.right, p.back, p.left, p.back);
        pen.line(p.left, p.back, p.left, p.face);
    }
    if (look.face == BoardEndLook::Face::PaintedOver) {
        pen.line(p.mouthLeft, p.face, p.mouthRight, p.face, look.paint);
    }

    for (std::size_t i = 1; i < p.cove.size(); ++i) {
        const auto& a = p.cove[i - 1];
        const auto& b = p.cove[i];
        if (finite(a.x, a.y) && finite(b.x, b.y)) pen.line(a.x, a.y, b.x, b.y);
    }
    canvas.setLineWidth(1);
}

}  // namespace arcwright
