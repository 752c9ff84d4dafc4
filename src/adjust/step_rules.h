// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

// adjust owns the step buttons' rules: which press is allowed, what it writes into the
// target box, and when it locks or frees the angle bar.

namespace arcwright {

// The input the step buttons change.
enum class AdjustTarget { BoardWidth, BoardThickness, BladeHeight };

// One of the eight step buttons: a column (1/4, 1/8, 1/16, 1/32 in.) and a direction.
struct StepButton {
    double step = 0.25;
    bool up = true;
};

// What one press does, in the order the window applies it.
struct StepDecision {
    // Before anything is read: every "+" and the 1/4 "-" enable the angle scroll bar.
    bool enableScrollBar = false;
    // The text to write into the target box; empty when the step is refused.
    std::optional<std::string> newText;
    // Refused for too little wood above the blade: show "Blade height high!".
    bool showBladeWarning = false;
    // A refused thickness step down also locks the angle scroll bar.
    bool disableScrollBar = false;
};

// Decides a press from the current box values (width W, thickness T, blade height H).
StepDecision decideStep(StepButton button, AdjustTarget target, double width, double thickness,
                        double bladeHeight);

}  // namespace arcwright
