// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "app/widgets/drawing_surface.h"
#include "views/display_list.h"

namespace arcwright {

// A drawing surface that keeps its own drawing and makes it for the size the layout gives it:
// drawn again whenever the surface is resized or asked to.
class FittedDrawing : public DrawingSurface {
    Q_OBJECT
  public:
    // Draws on the canvas for a surface this many pixels wide and high (inside the border).
    using Draw = std::function<void(Canvas& canvas, double width, double height)>;

    FittedDrawing(const QString& name, const QColor& background, QWidget* parent);

    void setDraw(Draw draw);
    void redraw();

    QSize sizeHint() const override { return {240, 120}; }
    QSize minimumSizeHint() const override { return {120, 60}; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    DisplayList drawing_;
    Draw draw_;
};

}  // namespace arcwright
