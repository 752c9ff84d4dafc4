// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/calculator/angle_scroll_bar.h"

namespace arcwright {

AngleScrollBar::AngleScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setRange(kBottomAngle, kTopAngle);
    setSingleStep(1);
    setPageStep(5);
    // Nothing is reported while the thumb is being dragged, only when it is let go.
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, [this] { emit angleChanged(angle()); });
}

}  // namespace arcwright
