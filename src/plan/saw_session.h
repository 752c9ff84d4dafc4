// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The count at the saw as the planner keeps it: the passes of the plan it shows, the pass
// the woodworker is at, and what the view at the saw shows besides. It outlives the view,
// so that closing the view never loses the count.

#include <vector>

#include "plan/fence_position.h"
#include "plan/length_text.h"
#include "plan/pass_steps.h"
#include "plan/planner_model.h"
#include "plan/sentence.h"

namespace arcwright {

class SawSession {
  public:
    // The plan as the planner has just worked it out, in the unit it shows, with where the
    // fence goes for it and the one-line rule for the fence and the feed.
    void follow(const PlannerModel& model);

    const PassSteps& steps() const { return steps_; }
    LengthUnit unit() const { return unit_; }
    // The fence's place for the schedule in hand (not found while the cove cannot be placed).
    const FencePosition& fence() const { return fence_; }
    // The fence's side and the feed, for the foot of the view; empty without a fence.
    const Sentence& footer() const { return footer_; }
    // The plan's cautions, one sentence each; none for a plain cove.
    const std::vector<Sentence>& cautions() const { return cautions_; }

    // Each returns whether the count moved.
    bool next() { return steps_.next(); }
    bool back() { return steps_.back(); }
    bool first() { return steps_.first(); }
    bool last() { return steps_.last(); }
    // Back at the pass a kept job had reached: this many passes made, as far as the plan goes.
    bool resumeAt(int passesMade);

  private:
    PassSteps steps_;
    LengthUnit unit_ = LengthUnit::Inch;
    FencePosition fence_;
    Sentence footer_;
    std::vector<Sentence> cautions_;
};

}  // namespace arcwright
