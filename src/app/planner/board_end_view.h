// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <vector>

#include "plan/cove_outline.h"

namespace arcwright {

// The end of the board to scale, face down on the saw table, with the cove as the
// planner's blade cuts it. Keeps the proportions whatever size the layout gives it.
class BoardEndView : public QWidget {
    Q_OBJECT
  public:
    explicit BoardEndView(QWidget* parent);

    // An empty outline draws the board alone.
    void setBoard(double boardWidth, double boardThickness, std::vector<BoardEndPoint> cove);

    QSize sizeHint() const override { return {240, 120}; }
    QSize minimumSizeHint() const override { return {120, 60}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double boardWidth_ = 0.0;
    double boardThickness_ = 0.0;
    std::vector<BoardEndPoint> cove_;
};

}  // namespace arcwright
