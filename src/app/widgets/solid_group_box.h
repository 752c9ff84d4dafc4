// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <QPixmap>

class QPainter;
class QStyleOptionGroupBox;

namespace arcwright {

// A group box whose panel shows its own background colour. The window's style draws a group
// box's frame as a line with a faint highlight inside it and shades the whole panel within a
// little darker; a coloured frame would then show a colour that is not its own.
//
// Under the Fusion style the box draws that frame line itself, from the style's own frame
// image, pixel for pixel as the style would: the style reads the image in a way that loads
// every image-format plugin Qt has (and libjpeg with them) at the first paint of the window,
// and stretches the shaded centre too, which the panel paints over anyway.
// tests/app/group_box_test.cpp holds the frame to the style's.
class SolidGroupBox : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

    // Whether the last paint drew the frame itself, without the style's image loading.
    bool drewOwnFrame() const { return drewOwnFrame_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The style's frame image, read on the first paint; null where the style is not Fusion
    // or its image is not where Fusion keeps it.
    const QPixmap& frameImage();
    void drawFrame(QPainter& painter, const QStyleOptionGroupBox& option);

    QPixmap frameImage_;
    bool frameImageRead_ = false;
    bool drewOwnFrame_ = false;
};

}  // namespace arcwright
