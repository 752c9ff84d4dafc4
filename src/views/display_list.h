// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "views/canvas.h"

namespace arcwright {

// One retained drawing primitive in user coordinates.
struct Primitive {
    enum class Kind { Line, Arc, Polygon };
    Kind kind = Kind::Line;
    // Line: (x1, y1) to (x2, y2). Arc: centre (x1, y1), radius r, from start to end.
    // Polygon: `count` corners from `first` in the list's corners().
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float r = 0, start = 0, end = 0;
    std::optional<Rgb> colour;  // none: foreground
    LineStyle style = LineStyle::Solid;
    float width = 1;
    std::size_t first = 0, count = 0;
};

struct Scale {
    float left = 0, top = 0, width = 1, height = 1;
};

// A canvas that keeps what was drawn as a list, to be painted (or inspected) later.
// Primitives with coordinates that are not finite are dropped: they cannot be painted.
class DisplayList : public Canvas {
  public:
    void clear() override;
    void setScale(float left, float top, float width, float height) override;
    float scaleWidth() const override { return scale_.width; }
    void setLineStyle(LineStyle style) override { style_ = style; }
    void drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
    void drawArc(float cx, float cy, float radius, Rgb colour, float startRad,
                 float endRad) override;
    void fillPolygon(std::span<const CanvasPoint> corners, Rgb colour) override;
    void setLineWidth(float width) override { width_ = width; }

    const std::vector<Primitive>& primitives() const { return primitives_; }
    // The corners of a polygon primitive.
    std::span<const CanvasPoint> corners(const Primitive& polygon) const {
        return std::span(corners_).subspan(polygon.first, polygon.count);
    }
    const Scale& scale() const { return scale_; }
    LineStyle lineStyle() const { return style_; }

  private:
    std::vector<Primitive> primitives_;
    std::vector<CanvasPoint> corners_;
    Scale scale_;
    LineStyle style_ = LineStyle::Solid;
    float width_ = 1;
};

}  // namespace arcwright
