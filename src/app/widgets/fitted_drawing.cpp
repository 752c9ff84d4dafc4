// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/widgets/fitted_drawing.h"

namespace arcwright {

FittedDrawing::FittedDrawing(const QString& name, const QColor& background, QWidget* parent)
    : DrawingSurface(name, background, parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    show(&drawing_);
}

void FittedDrawing::setDraw(Draw draw) {
    draw_ = std::move(draw);
    redraw();
}

void FittedDrawing::redraw() {
    const QRect inner = innerRect();
    if (draw_) {
        draw_(drawing_, inner.width(), inner.height());
    } else {
        drawing_.clear();
    }
    show(&drawing_);
}

void FittedDrawing::resizeEvent(QResizeEvent* event) {
    DrawingSurface::resizeEvent(event);
    redraw();
}

}  // namespace arcwright
