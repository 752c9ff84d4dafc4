// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Hands the window's controls to the accessibility layer, once, after they are built.
#include <QGroupBox>
#include <QPushButton>

#include "app/calculator/accessibility.h"
#include "app/calculator/angle_scroll_bar.h"
#include "app/calculator/form1.h"
#include "app/widgets/drawing_surface.h"

namespace arcwright {

void Form1::describeControls() {
    DescribedControls controls{this,     in_,      out_,      warn_,  views_,
                               option4_, option5_, command1_, steps_, &model_};
    describer_ = new WindowDescriber(std::move(controls), this);
}

}  // namespace arcwright
