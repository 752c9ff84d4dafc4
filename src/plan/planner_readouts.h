// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the planner's read-outs show for the plan in hand, and when each shows anything at
// all: both front ends fill their read-outs from here, so a figure of the last plan never
// stands beside a refusal in one of them and not in the other.

#include <string>

#include "plan/planner_model.h"
#include "plan/sentence.h"

namespace arcwright {

struct PlannerReadouts {
    // The fence angle to the blade and to the saw's front edge, and the last pass's blade
    // height: while every box reads and the plan has an angle.
    std::string angle;
    std::string complement;
    std::string bladeHeight;
    // The wood left either side of the cove, each with its own quarter-inch check: once the
    // cove has a place on the board.
    Sentence woodFenceSide;
    Sentence woodFarSide;
    bool thinFenceSide = false;
    bool thinFarSide = false;
    // Where the fence goes: for a plan that can be cut where the cove was placed.
    std::string fenceDistance;
    Sentence bladeMark;
    Sentence squareMark;
    Sentence fenceSide;
    // How to find the deepest line (tilted) or the centre point on the saw.
    Sentence centrePoint;
    // A tilted blade's walls, from the deepest point to each edge at the face.
    std::string steepWall;
    std::string gentleWall;
};

PlannerReadouts plannerReadouts(const PlannerModel& model);

}  // namespace arcwright
