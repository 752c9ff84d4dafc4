// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "adjust/step_rules.h"

#include "geometry/shop_rules.h"
#include "model/number_text.h"
#include "readouts/readouts.h"

namespace arcwright {

namespace {

constexpr double kQuarter = 0.25;
constexpr double kEighth = 0.125;

// Width and thickness go back into their boxes with the unit, as at start-up.
std::string dimensionText(double value) {
    return formatNumber(value, pattern::kLengthBox);
}

StepDecision stepUp(StepDecision decision, double step, AdjustTarget target, double width,
                    double thickness, double bladeHeight) {
    switch (target) {
        case AdjustTarget::BoardWidth:
            if (width + step > kWidestBoard) return decision;
            decision.newText = dimensionText(width + step);
            return decision;
        case AdjustTarget::BoardThickness:
            if (thickness + step > kThickestBoard) return decision;
            decision.newText = dimensionText(thickness + step);
            return decision;
        case AdjustTarget::BladeHeight:
            // Keep at least a quarter inch of wood above the raised blade.
            if (thickness - (bladeHeight + step) < kQuarterInchOfWood) {
                decision.showBladeWarning = true;
                return decision;
            }
            decision.newText = plainNumberText(bladeHeight + step);
            return decision;
    }
    return decision;
}

StepDecision stepDown(StepDecision decision, double step, AdjustTarget target, double width,
                      double thickness, double bladeHeight) {
    const bool quarterColumn = step == kQuarter;
    switch (target) {
        case AdjustTarget::BoardWidth:
            // The 1/4 button checks the width it would leave; the finer ones check the width
            // as it stands, so they may go a fraction of a step below 2 once.
            if (quarterColumn) {
                if (width - kQuarter < kNarrowestBoard) return decision;
                decision.newText = dimensionText(width - kQuarter);
                return decision;
            }
            if (width <= kNarrowestBoard) return decision;
            decision.newText = dimensionText(width - step);
            return decision;
        case AdjustTarget::BoardThickness:
            if (thickness < 0.0) return decision;
            // A thinner board must still leave a quarter inch above the blade.
            if (bladeHeight + kQuarterInchOfWood > thickness - step) {
                decision.showBladeWarning = true;
                decision.disableScrollBar = true;
                return decision;
            }
            decision.newText = dimensionText(thickness - step);
            return decision;
        case AdjustTarget::BladeHeight:
            if (bladeHeight - step < 0.0) return decision;
            // The two coarse columns write the bare number, the fine ones the unit as well.
            if (quarterColumn || step == kEighth) {
                decision.newText = plainNumberText(bladeHeight - step);
            } else {
                decision.newText = dimensionText(bladeHeight - step);
            }
            return decision;
    }
    return decision;
}

}  // namespace

StepDecision decideStep(StepButton button, AdjustTarget target, double width, double thickness,
                        double bladeHeight) {
    StepDecision decision;
    // Every "+" and the 1/4 "-" free the angle scroll bar before anything is looked at;
    // the finer "-" buttons leave it as it is.
    decision.enableScrollBar = button.up || button.step == kQuarter;
    if (button.up) {
        return stepUp(decision, button.step, target, width, thickness, bladeHeight);
    }
    return stepDown(decision, button.step, target, width, thickness, bladeHeight);
}

}  // namespace arcwright
