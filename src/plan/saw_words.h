// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the view at the saw says for the pass in hand, line by line, and all of it in one
// sentence for screen readers; said in the front end's words (english by default).

#include <string>
#include <vector>

#include "plan/fence_position.h"
#include "plan/length_text.h"
#include "plan/pass_steps.h"
#include "plan/planner_model.h"
#include "plan/sentence.h"

namespace arcwright {

struct SawTexts {
    std::string pass;     // "Pass 4 of 10"
    std::string setLine;  // "Set the blade to", "With the blade tilted 30.0° toward the fence,
                          // set it to"
    std::string height;   // the number first: "0.25 in. (1/4 in.)"
    std::string rise;     // "0.0625 in. (1/16 in.) higher than pass 3"
    std::string width;    // "Leaves the cove 1.9362 in. wide"
    std::string final;    // on the last pass only
    std::string then;     // "Then make the pass."
    std::string note;     // the count started over; not every outline drawn
    std::string spoken;   // the lines above as one announcement

    bool operator==(const SawTexts&) const = default;
};

// `every` is the drawing's: above 1 the note says which outlines it shows. A tilted
// blade's passes say its tilt.
SawTexts sawTexts(const PassSteps& steps, LengthUnit unit, int every, const Say& say = english);

// The page before pass 1: the fence's angle, where it crosses the two lines through the
// centre point, how it runs across the table, and the blade's tilt. The same lines as a
// pass: `height` holds the angle, `rise` and `width` the two marks, `final` the tilt,
// `then` the fence's side.
SawTexts setUpTexts(const PassSteps& steps, const FencePosition& fence, LengthUnit unit, int every,
                    const Say& say = english);

// The fence's side and the feed in one line for the foot of the view; with the blade
// tilted, its tilt and where the cove's deepest line runs as well.
Sentence sawFooter(const PlannerModel& model);

// Every shape of pass line a schedule of `count` passes gives ("Pass 10 of 10",
// "Done: 10 of 10"): the type is sized to the widest, so it keeps its size from pass to pass.
std::vector<std::string> passLineShapes(int count, const Say& say = english);

}  // namespace arcwright
