// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Hands the window's controls to the accessibility layer, once, after they are built.
#include <QGroupBox>
#include <QPushButton>

#include "app/angle_scroll_bar.h"
#include "app/drawing_surface.h"
#include "app/form1.h"

namespace arcwright {

void Form1::describeControls() {
    DescribedControls controls;
    controls.window = this;
    controls.width = in_.text4;
    controls.thickness = in_.text3;
    controls.angle = in_.text2;
    controls.blade = in_.text1;
    controls.angleBar = in_.vScroll1;
    controls.widthTarget = in_.option2;
    controls.thicknessTarget = in_.option1;
    controls.bladeTarget = in_.option3;
    controls.sixteenths = option4_;
    controls.thirtySeconds = option5_;
    controls.print = command1_;
    controls.closeWarning = warn_.command12;
    controls.warningFrame = warn_.frame2;
    controls.safetyNote = warn_.label47;
    controls.bladeWarning = warn_.label1;
    controls.wideWarning = warn_.label2;
    controls.section = views_.picture1;
    controls.plan = views_.picture2;
    controls.iso = views_.picture4;
    controls.widthRow = out_.width;
    controls.thicknessRow = out_.thickness;
    controls.bladeRow = out_.blade;
    controls.cutRow = out_.cut;
    controls.cutDecimal = out_.label4;
    controls.steps = steps_;
    controls.solution = &solution_;
    describer_ = new WindowDescriber(std::move(controls), this);
}

}  // namespace arcwright
