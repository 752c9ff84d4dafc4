// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

namespace arcwright {

// A group box whose panel shows its own background colour. The window's style draws a group
// box's frame as a line with a faint highlight inside it and shades the whole panel within a
// little darker; a coloured frame would then show a colour that is not its own.
class SolidGroupBox : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace arcwright
