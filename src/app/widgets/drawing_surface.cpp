// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/widgets/drawing_surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "views/clip.h"

namespace arcwright {
namespace {

constexpr int kBorder = 2;  // sunken border, inside which the scale applies

QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// The drawings' one clipper, on widget pixels: wild coordinates from typed sizes far off the
// surface never reach the raster engine, and level and plumb lines stay exactly level and
// plumb however far off their ends lie (a board typed a mile wide still shows its faces).
bool clipToBox(QPointF& a, QPointF& b, const ClipBox& box) {
    const auto clipped = clipSegment({a.x(), a.y(), b.x(), b.y()}, box);
    if (!clipped) return false;
    a = QPointF(clipped->x1, clipped->y1);
    b = QPointF(clipped->x2, clipped->y2);
    return true;
}

// User coordinates to widget pixels, for one scale and one inner area.
struct UserToWidget {
    double left = 0.0;
    double top = 0.0;
    double sx = 0.0;
    double sy = 0.0;
    QPoint origin;

    UserToWidget(const Scale& s, const QRect& inner)
        : left(s.left),
          top(s.top),
          sx(s.width != 0.0f ? inner.width() / static_cast<double>(s.width) : 0.0),
          sy(s.height != 0.0f ? inner.height() / static_cast<double>(s.height) : 0.0),
          origin(inner.topLeft()) {}

    QPointF operator()(double x, double y) const {
        return {origin.x() + (x - left) * sx, origin.y() + (y - top) * sy};
    }
};

// Fills a polygon of the drawing. Its corners are the caller's, placed on the surface (a board
// end fitted to its view); one lying wildly far off is no polygon to fill.
void fillPolygon(QPainter& painter, std::span<const CanvasPoint> corners, Rgb colour,
                 const UserToWidget& toPixels) {
    constexpr double kFarthest = 1e6;  // pixels
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(corners.size()));
    for (const CanvasPoint& c : corners) {
        const QPointF at = toPixels(c.x, c.y);
        if (!(std::abs(at.x()) < kFarthest && std::abs(at.y()) < kFarthest)) return;
        polygon << at;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(colour));
    painter.drawPolygon(polygon);
    painter.setBrush(Qt::NoBrush);
}

// Puts a line's end where a pen `penPixels` device pixels wide covers whole device
// pixels, so level and plumb lines stay crisp while slanted ones are smoothed; at a
// pixel ratio of 2 the ends keep their half-pixel precision.
QPointF onPixel(QPointF p, double ratio, int penPixels) {
    const auto snap = [&](double v) {
        const double device = v * ratio;
        const double centre = penPixels % 2 == 1 ? std::floor(device) + 0.5 : std::round(device);
        return centre / ratio;
    };
    return {snap(p.x()), snap(p.y())};
}

}  // namespace

DrawingSurface::DrawingSurface(const QString& name, const QColor& background, QWidget* parent)
    : QWidget(parent), foreground_(palette().color(QPalette::WindowText)) {
    setObjectName(name);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
}

void DrawingSurface::show(const DisplayList* list) {
    list_ = list;
    update();
}

QRect DrawingSurface::innerRect() const {
    return rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inner = innerRect();
    painter.fillRect(rect(), palette().color(QPalette::Window));
    // A sunken border, as picture boxes have always had.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(1, height() - 1, width() - 1, height() - 1);
    painter.drawLine(width() - 1, 1, width() - 1, height() - 1);

    if (list_ == nullptr) return;
    painter.setClipRect(inner);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF clipBox = QRectF(inner).adjusted(-4, -4, 4, 4);
    const ClipBox lineBox{clipBox.left(), clipBox.top(), clipBox.right(), clipBox.bottom()};
    const Scale& s = list_->scale();
    const double pixelsPerUnitX =
        s.width != 0.0f ? inner.width() / std::abs(static_cast<double>(s.width)) : 0.0;
    const UserToWidget toPixels(s, inner);

    // Runs of lines in the same pen go to the painter together, and the pen is only set
    // when it changes: a deep cove is a few thousand short lines.
    // They go in pieces of a fixed size, so a long run costs no more memory than a short
    // one; the painter strokes lines a few at a time anyway, so the pixels are the same.
    constexpr std::size_t kLinesAtOnce = 1024;
    std::vector<QLineF> run;
    run.reserve(std::min(list_->primitives().size(), kLinesAtOnce));
    bool penSet = false;
    std::optional<Rgb> penColour;
    LineStyle penStyle = LineStyle::Solid;
    float penWidth = 1;
    bool pointsRepeat = false;  // a repeated point leaves the picture as it is

    // Most of those lines are shorter than a pixel: both ends snap to the same pixel centre,
    // and the painter sets that one pixel to the full pen colour. Set again in the same
    // solid, opaque pen it stays as it is, so each such pixel is drawn once per run.
    // One pen pixel per device pixel: the grid of pixels a point can set is in device pixels.
    const double ratio = devicePixelRatioF();
    int penPixels = 1;
    const int gridScale = static_cast<int>(std::ceil(ratio));
    const QRect logicalGrid = clipBox.toAlignedRect().adjusted(0, 0, 1, 1);
    const QRect grid(logicalGrid.topLeft() * gridScale, logicalGrid.size() * gridScale);
    const std::size_t gridSize = static_cast<std::size_t>(grid.width()) * grid.height();
    if (pointStamps_.size() < gridSize) pointStamps_.assign(gridSize, 0);
    const auto newRun = [&] {
        if (++pointStamp_ == 0) {  // the stamps wrapped round: forget them all
            std::fill(pointStamps_.begin(), pointStamps_.end(), 0);
            pointStamp_ = 1;
        }
    };
    const auto alreadySet = [&](QPointF pixel) {
        const int x = static_cast<int>(std::floor(pixel.x() * ratio)) - grid.left();
        const int y = static_cast<int>(std::floor(pixel.y() * ratio)) - grid.top();
        if (!pointsRepeat || x < 0 || y < 0 || x >= grid.width() || y >= grid.height()) {
            return false;
        }
        std::uint8_t& stamp = pointStamps_[static_cast<std::size_t>(y) * grid.width() + x];
        if (stamp == pointStamp_) return true;
        stamp = pointStamp_;
        return false;
    };
    const auto drawLines = [&] {
        if (!run.empty()) painter.drawLines(run.data(), static_cast<int>(run.size()));
        run.clear();
    };
    const auto drawRun = [&] {
        drawLines();
        newRun();
    };
    newRun();

    for (const Primitive& p : list_->primitives()) {
        if (p.kind == Primitive::Kind::Polygon) {
            drawRun();
            fillPolygon(painter, list_->corners(p), p.colour.value_or(Rgb{}), toPixels);
            penSet = false;  // the fill took the pen away
            continue;
        }
        if (!penSet || p.colour != penColour || p.style != penStyle || p.width != penWidth) {
            drawRun();
            QPen pen(p.colour ? toQColor(*p.colour) : foreground_);
            // As many device-independent pixels wide as asked, at any pixel ratio.
            pen.setWidthF(p.width);
            pen.setCapStyle(Qt::FlatCap);
            if (p.style == LineStyle::Dotted) pen.setStyle(Qt::DotLine);
            painter.setPen(pen);
            penSet = true;
            penColour = p.colour;
            penStyle = p.style;
            penWidth = p.width;
            penPixels = std::max(1, static_cast<int>(std::lround(p.width * ratio)));
            // A point of a one-pixel pen sets one device pixel; a wider pen's, several.
            pointsRepeat =
                pen.style() == Qt::SolidLine && pen.color().alpha() == 255 && p.width == 1;
        }
        if (p.kind == Primitive::Kind::Line) {
            QPointF a = toPixels(p.x1, p.y1);
            QPointF b = toPixels(p.x2, p.y2);
            if (!clipToBox(a, b, lineBox)) continue;
            a = onPixel(a, ratio, penPixels);
            b = onPixel(b, ratio, penPixels);
            if (a == b && alreadySet(a)) continue;
            run.emplace_back(a, b);
            if (run.size() == kLinesAtOnce) drawLines();  // the same run goes on
            continue;
        }
        drawRun();
        // An arc is round on screen: its radius follows the x scale.
        const QPointF centre = toPixels(p.x1, p.y1);
        const double radius = std::abs(p.r) * pixelsPerUnitX;
        if (!std::isfinite(radius) || radius > 1e5 ||
            !clipBox.adjusted(-radius, -radius, radius, radius).contains(centre)) {
            continue;
        }
        const double startDeg = p.start * 180.0 / std::numbers::pi;
        const double spanDeg = (p.end - p.start) * 180.0 / std::numbers::pi;
        QPainterPath path;
        const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        path.arcMoveTo(box, startDeg);
        path.arcTo(box, startDeg, spanDeg);
        painter.drawPath(path);
    }
    drawRun();
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    QWidget::mousePressEvent(event);
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace arcwright
