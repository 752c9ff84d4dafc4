// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Working a pass schedule at the saw: which pass is next, how far the blade goes up for
// it, and keeping that count while the planner works the plan out again. No Qt, no text.

#include <vector>

#include "plan/cove_plan.h"

namespace arcwright {

// Two schedules are the same when they have as many passes and every pass's blade height
// and cove width agree to within this: half the last decimal the planner shows in inches.
// Rounding in a change of unit keeps the count; any change that shows in a number starts
// the passes over.
inline constexpr double kSameLength = 0.00005;  // inches

bool sameSchedule(const std::vector<PlanPass>& a, const std::vector<PlanPass>& b);

// What the drawing of the board end needs besides the passes.
struct SawSetUp {
    double boardWidth = 0.0;
    double boardThickness = 0.0;
    double angleDeg = 0.0;
    double bladeDiameter = 0.0;
    double kerf = 0.0;

    bool operator==(const SawSetUp&) const = default;
};

// The planner's request and result as the saw works them.
SawSetUp sawSetUp(const PlanRequest& request, const PlanResult& result);

enum class PassState { Done, Current, ToCome };

// The count of a schedule being cut. The position runs from 0 (the first pass is next) to
// count() (every pass is made). A schedule the planner hands over again unchanged keeps
// the position; a different one starts over and says so until the next move. While the
// plan cannot be cut (an empty schedule) the last schedule and its position are held, so
// that the same schedule coming back carries on where it was.
class PassSteps {
  public:
    // The planner's schedule as it stands now, with the set-up that cuts it.
    void follow(std::vector<PlanPass> passes, const SawSetUp& setUp);

    // Passes of the schedule in hand; 0 while the plan cannot be cut.
    int count() const { return cuttable_ ? static_cast<int>(passes_.size()) : 0; }
    const std::vector<PlanPass>& passes() const { return passes_; }
    const SawSetUp& setUp() const { return setUp_; }
    int position() const { return position_; }
    bool finished() const { return count() > 0 && position_ == count(); }
    // The pass to make now; nullptr when there is none or every pass is made.
    const PlanPass* current() const;
    // How much higher than the pass before it the blade stands for the current pass; for
    // the first pass its height above the table. 0 without a current pass.
    double rise() const;
    // The current pass is the last: its blade height is the cove's depth.
    bool atFinalHeight() const { return current() && position_ == count() - 1; }
    // The last schedule handed over differed from the one before and the count started
    // over; true until the next move.
    bool startedOver() const { return startedOver_; }
    PassState stateOf(int index) const;

    // Each returns whether the position moved.
    bool next();  // on to the next pass, or from the last to "every pass made"
    bool back();
    bool first();
    bool last();  // to the last pass, the one at full depth

  private:
    bool moveTo(int position);

    std::vector<PlanPass> passes_;  // the last schedule that had passes
    SawSetUp setUp_;
    bool cuttable_ = false;
    int position_ = 0;
    bool startedOver_ = false;
};

// Which outlines a drawing of a long schedule shows, so that it stays readable: every
// pass up to kMostOutlines passes; beyond that the first, every `every`-th pass (pass
// numbers that are multiples of it), the current and the last.
inline constexpr int kMostOutlines = 40;

struct OutlinePick {
    int every = 1;
    std::vector<int> indices;  // into the schedule, ascending, each once
};

// `position` as in PassSteps: count for no current pass.
OutlinePick outlinesToDraw(int count, int position);

}  // namespace arcwright
