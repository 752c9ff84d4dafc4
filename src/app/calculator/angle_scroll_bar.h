// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollBar>

namespace arcwright {

// The cut-angle bar: 85 degrees at the top, 5 at the bottom, so the top arrow raises
// the angle. Qt puts a vertical bar's minimum at the top and its up arrow subtracts,
// so the bar runs over 5..85 and the angle is read as 90 minus the position.
class AngleScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    static constexpr int kTopAngle = 85;
    static constexpr int kBottomAngle = 5;

    explicit AngleScrollBar(QWidget* parent);

    int angle() const { return kTopAngle + kBottomAngle - value(); }
    void setAngle(int degrees) { setValue(kTopAngle + kBottomAngle - degrees); }

  signals:
    // Reported after an arrow or track click, or when a dragged thumb is let go.
    void angleChanged(int degrees);
};

}  // namespace arcwright
