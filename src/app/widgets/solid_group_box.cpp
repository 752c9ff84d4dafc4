// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/widgets/solid_group_box.h"

#include <QPainter>

namespace arcwright {

void SolidGroupBox::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    // The frame's line runs round the widget's edge below the title, at the top of the
    // contents; one pixel of highlight lies inside it, and the shaded panel inside that.
    const QRect panel(QPoint(3, contentsRect().top() + 2), QPoint(width() - 3, height() - 3));
    QPainter painter(this);
    painter.fillRect(panel, palette().color(backgroundRole()));
}

}  // namespace arcwright
