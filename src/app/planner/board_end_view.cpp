// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/board_end_view.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/widgets/look.h"

namespace arcwright {

BoardEndView::BoardEndView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("planEndView"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::TabFocus);
}

void BoardEndView::setBoard(double boardWidth, double boardThickness,
                            std::vector<BoardEndPoint> cove) {
    const bool drawable = std::isfinite(boardWidth) && std::isfinite(boardThickness) &&
                          boardWidth > 0 && boardThickness > 0;
    boardWidth_ = drawable ? boardWidth : 0.0;
    boardThickness_ = drawable ? boardThickness : 0.0;
    cove_ = std::move(cove);
    update();
}

void BoardEndView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), look::kWhite);
    p.setPen(QPen(look::kGrey, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (boardWidth_ <= 0) return;

    // One scale for both directions, so the cove keeps its true shape.
    const double margin = 10;
    const double table = 6;  // room for the saw table under the face
    const double scale = std::min((width() - 2 * margin) / boardWidth_,
                                  (height() - 2 * margin - table) / boardThickness_);
    if (!(scale > 0)) return;
    const double cx = width() / 2.0;
    const double faceY = margin + boardThickness_ * scale +
                         (height() - 2 * margin - table - boardThickness_ * scale) / 2;
    const auto at = [&](double x, double depth) {
        return QPointF(cx + x * scale, faceY - depth * scale);
    };

    // Round the board from its back, then along the face and up through the cove.
    const double half = boardWidth_ / 2;
    QPainterPath board(at(-half, boardThickness_));
    board.lineTo(at(half, boardThickness_));
    board.lineTo(at(half, 0));
    for (auto it = cove_.rbegin(); it != cove_.rend(); ++it) {
        board.lineTo(at(std::clamp(it->x, -half, half), std::min(it->depth, boardThickness_)));
    }
    board.lineTo(at(-half, 0));
    board.closeSubpath();

    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(look::kPaleYellow);
    p.setPen(QPen(look::kBrown, 1.5));
    p.drawPath(board);
    p.setPen(QPen(look::kTeal, 2));
    p.drawLine(QPointF(margin / 2, faceY + 2), QPointF(width() - margin / 2, faceY + 2));
}

}  // namespace arcwright
