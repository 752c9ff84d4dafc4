// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "views/display_list.h"

namespace arcwright {

// A picture box that keeps what is drawn on it. Drawing calls land in a display list
// in user coordinates; painting maps that list onto the widget at any pixel ratio, so
// the drawing survives being covered, minimised or exposed until clear() is called.
class DrawingSurface : public QWidget, public Canvas {
    Q_OBJECT
  public:
    DrawingSurface(const QString& name, const QColor& background, QWidget* parent);

    void clear() override;
    void setScale(float left, float top, float width, float height) override;
    float scaleWidth() const override { return list_.scaleWidth(); }
    void setLineStyle(LineStyle style) override { list_.setLineStyle(style); }
    void drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
    void drawArc(float cx, float cy, float radius, Rgb colour, float startRad,
                 float endRad) override;

    const DisplayList& displayList() const { return list_; }
    // The area inside the border that the user scale maps onto.
    QRect innerRect() const;
    // A user coordinate mapped to widget pixels (device-independent).
    QPointF toWidget(double x, double y) const;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void schedulePaint();

    DisplayList list_;
    QColor foreground_;
    bool pressed_ = false;
    bool paintScheduled_ = false;
    // Which pixels the current pen has already set as a single point (see paintEvent).
    std::vector<std::uint32_t> pointStamps_;
    std::uint32_t pointStamp_ = 0;
};

}  // namespace arcwright
