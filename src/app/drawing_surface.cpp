#include "app/drawing_surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace arcwright {
namespace {

constexpr int kBorder = 2;  // sunken border, inside which the scale applies

QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Clips a segment to a rectangle (Liang-Barsky). Keeps wild coordinates from typed
// sizes far off the surface out of the raster engine. False when nothing is left.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& box) {
    const auto clampTo = [](double v, double lo, double hi) { return std::clamp(v, lo, hi); };
    // Level and plumb lines clip exactly, however far off their ends lie (a board
    // typed a mile wide still shows its faces).
    if (a.y() == b.y()) {
        if (a.y() < box.top() || a.y() > box.bottom()) return false;
        if (std::max(a.x(), b.x()) < box.left() || std::min(a.x(), b.x()) > box.right())
            return false;
        a.setX(clampTo(a.x(), box.left(), box.right()));
        b.setX(clampTo(b.x(), box.left(), box.right()));
        return true;
    }
    if (a.x() == b.x()) {
        if (a.x() < box.left() || a.x() > box.right()) return false;
        if (std::max(a.y(), b.y()) < box.top() || std::min(a.y(), b.y()) > box.bottom())
            return false;
        a.setY(clampTo(a.y(), box.top(), box.bottom()));
        b.setY(clampTo(b.y(), box.top(), box.bottom()));
        return true;
    }
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                         box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    // Slanted lines from far-off ends lose precision here; keep them on the surface.
    const auto clamp = [&](QPointF pt) {
        return QPointF(clampTo(pt.x(), box.left(), box.right()),
                       clampTo(pt.y(), box.top(), box.bottom()));
    };
    a = clamp(a);
    b = clamp(b);
    return true;
}

// Ends on pixel centres, so level and plumb lines stay crisp one-pixel lines while
// slanted ones are smoothed.
QPointF onPixel(QPointF p) {
    return {std::floor(p.x()) + 0.5, std::floor(p.y()) + 0.5};
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

void DrawingSurface::clear() {
    list_.clear();
    update();
}

void DrawingSurface::setScale(float left, float top, float width, float height) {
    list_.setScale(left, top, width, height);
    update();
}

void DrawingSurface::drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) {
    list_.drawLine(x1, y1, x2, y2, colour);
    update();
}

void DrawingSurface::drawArc(float cx, float cy, float radius, Rgb colour, float startRad,
                             float endRad) {
    list_.drawArc(cx, cy, radius, colour, startRad, endRad);
    update();
}

QRect DrawingSurface::innerRect() const {
    return rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
}

QPointF DrawingSurface::toWidget(double x, double y) const {
    const Scale& s = list_.scale();
    const QRect inner = innerRect();
    const double sx = s.width != 0.0f ? inner.width() / static_cast<double>(s.width) : 0.0;
    const double sy = s.height != 0.0f ? inner.height() / static_cast<double>(s.height) : 0.0;
    return {inner.left() + (x - s.left) * sx, inner.top() + (y - s.top) * sy};
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

    painter.setClipRect(inner);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF clipBox = QRectF(inner).adjusted(-4, -4, 4, 4);
    const Scale& s = list_.scale();
    const double pixelsPerUnitX =
        s.width != 0.0f ? inner.width() / std::abs(static_cast<double>(s.width)) : 0.0;

    for (const Primitive& p : list_.primitives()) {
        QPen pen(p.colour ? toQColor(*p.colour) : foreground_);
        // One pixel wide at any pixel ratio.
        pen.setWidthF(1.0);
        pen.setCapStyle(Qt::FlatCap);
        if (p.style == LineStyle::Dotted) pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        if (p.kind == Primitive::Kind::Line) {
            QPointF a = toWidget(p.x1, p.y1);
            QPointF b = toWidget(p.x2, p.y2);
            if (clipSegment(a, b, clipBox)) painter.drawLine(onPixel(a), onPixel(b));
            continue;
        }
        // An arc is round on screen: its radius follows the x scale.
        const QPointF centre = toWidget(p.x1, p.y1);
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
