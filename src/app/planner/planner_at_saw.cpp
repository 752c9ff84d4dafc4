// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's way to the view at the saw: made on first use, raised when it is open.
#include "app/planner/at_the_saw.h"
#include "app/planner/planner.h"

namespace arcwright {

void Planner::openAtTheSaw() {
    if (!atTheSaw_) atTheSaw_ = new AtTheSaw(sawSession_, *this);
    atTheSaw_->open();
}

}  // namespace arcwright
