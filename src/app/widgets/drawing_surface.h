// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "views/display_list.h"

namespace arcwright {

// A picture box that shows a drawing kept elsewhere: a display list in user coordinates,
// mapped onto the widget at any pixel ratio whenever it is painted, so the drawing survives
// being covered, minimised or exposed until whoever keeps it draws it again.
class DrawingSurface : public QWidget {
    Q_OBJECT
  public:
    DrawingSurface(const QString& name, const QColor& background, QWidget* parent);

    // Shows `list`, which must outlive the surface or be replaced first; nullptr shows an
    // empty surface. Call again whenever the list has changed.
    void show(const DisplayList* list);

    // The area inside the border that the user scale maps onto.
    QRect innerRect() const;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const DisplayList* list_ = nullptr;
    QColor foreground_;
    bool pressed_ = false;
    // Which pixels the current pen has already set as a single point (see paintEvent): a
    // byte a pixel, since the grid stays allocated between paints and a run of one pen
    // rarely comes round more than 255 times before the stamps are cleared.
    std::vector<std::uint8_t> pointStamps_;
    std::uint8_t pointStamp_ = 0;
};

}  // namespace arcwright
