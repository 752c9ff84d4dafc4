// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// views owns the drawings: the calculator's three (section, plan, isometric), the board end
// with its cove as every window and page shows it, the board end at the saw, their drawing
// constants, the one line clipper, and the canvas interface that the screen's surfaces and
// the printed page both draw on.

#include <cstdint>
#include <limits>
#include <optional>
#include <span>

namespace arcwright {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

// Entries of the classic 16-colour table that the drawings use.
namespace palette {
inline constexpr Rgb kRed{128, 0, 0};              // 4
inline constexpr Rgb kLightRed{255, 0, 0};         // 12
inline constexpr Rgb kYellow{255, 255, 0};         // 14
inline constexpr Rgb kBrightWhite{255, 255, 255};  // 15
}  // namespace palette

enum class LineStyle { Solid, Dotted };

// Drawings are worked out in double precision and handed to a surface in single
// precision. A coordinate beyond its range becomes an infinity (which a surface refuses)
// rather than an undefined narrowing.
inline float toSurface(double v) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (v > kMax) return std::numeric_limits<float>::infinity();
    if (v < -kMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

// A point in a canvas's units, single precision as the canvas takes it.
struct CanvasPoint {
    float x = 0;
    float y = 0;

    bool operator==(const CanvasPoint&) const = default;
};

// A drawing surface with a user coordinate system. Coordinates arrive in single
// precision, in the units of the current scale; what is drawn stays until clear().
class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual void clear() = 0;
    // Left edge x = left, right edge x = left + width, top edge y = top, bottom edge
    // y = top + height; a negative height makes y grow upward.
    virtual void setScale(float left, float top, float width, float height) = 0;
    virtual float scaleWidth() const = 0;
    virtual void setLineStyle(LineStyle style) = 0;
    // No colour: the surface's foreground colour.
    virtual void drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) = 0;
    // Arc of a circle (round on screen), counter-clockwise from +x, angles in radians.
    virtual void drawArc(float cx, float cy, float radius, Rgb colour, float startRad,
                         float endRad) = 0;
    // The outline of an axis-parallel rectangle by two opposite corners: the four sides from
    // (x1, y1) round through (x2, y1), (x2, y2) and (x1, y2), in the foreground colour.
    virtual void drawRectangle(float x1, float y1, float x2, float y2) {
        drawLine(x1, y1, x2, y1, std::nullopt);
        drawLine(x2, y1, x2, y2, std::nullopt);
        drawLine(x2, y2, x1, y2, std::nullopt);
        drawLine(x1, y2, x1, y1, std::nullopt);
    }
    // A polygon filled with `colour`, without an outline; its corners in order.
    virtual void fillPolygon(std::span<const CanvasPoint> corners, Rgb colour) = 0;
    // How wide the lines drawn from now on are: in pixels on screen, in points on paper; 1,
    // the finest line, until it is set.
    virtual void setLineWidth(float width) = 0;
};

// A line worked out in double precision, handed over in single precision.
inline void drawLine(Canvas& canvas, double x1, double y1, double x2, double y2,
                     std::optional<Rgb> colour = std::nullopt) {
    canvas.drawLine(toSurface(x1), toSurface(y1), toSurface(x2), toSurface(y2), colour);
}

}  // namespace arcwright
